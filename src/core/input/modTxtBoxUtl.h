// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/input/IControl.h"

namespace vitrel {
class IInputEnvironment;
}

/// Common keyboard behaviour of the program's text boxes: select-all on entry, Enter and the
/// arrow keys moving through the tab order, typed characters restricted to an allowed list,
/// full-width input folded to half-width, numeric boxes kept inside a range. Stateless: every
/// call reads the controls afresh. Without an explicit control, a procedure works on the
/// active control of the active form. A control that lacks a property a procedure needs (the
/// property reads as nullopt) is left as it is.
///
/// Boxes are recognised by class name: "TextBox", "ComboBox" and "TextBoxComboBox".
/// Characters are compared by Unicode code point (a surrogate pair is one character).
namespace vitrel::modTxtBoxUtl {

/// Rows of (index in the form's Controls collection, TabIndex).
using TabOrderTable = std::vector<std::array<std::int16_t, 2>>;

/// Conversion mode of ConvertBoxText that folds full-width characters to half-width.
inline constexpr std::int32_t vbNarrow = 8;

/// Selects the whole text of the active text box, unless the mouse holds the capture on it
/// (the box was entered by a click, which places the caret itself).
void SelectAllOnFocus(IInputEnvironment& env);
/// Converts the box's text with mode (only vbNarrow is known; other modes change nothing),
/// keeping SelStart and SelLength. A "ComboBox" of style 2 is left alone.
void ConvertBoxText(IInputEnvironment& env, std::int32_t mode, IControl* box = nullptr);
/// KeyAscii is a UTF-16 character code; set to 0 when the key is discarded. Each entry is one
/// character, a range "a-z" (ends in either order) or "" (the character 0). Backspace, Tab,
/// Ctrl+C, Ctrl+Enter and Enter always pass; Ctrl+V passes when the whole clipboard text is
/// allowed.
void FilterKeyAscii(IInputEnvironment& env, std::int32_t& KeyAscii,
                    std::initializer_list<std::u16string_view> entries);
/// Left/Up at the start and Right/Down at the end of a box without selection move the focus
/// to the previous/next control in tab order (combo boxes: Left and Right only).
void MoveFocusOnArrowKey(IInputEnvironment& env, std::int16_t KeyCode);
/// Enter (13) is consumed (KeyAscii becomes 0) and moves the focus to the next control.
void MoveFocusOnEnter(IInputEnvironment& env, std::int32_t& KeyAscii);
/// Keeps the number at the start of the box's text within [lower, upper]; a corrected value
/// replaces the text and is selected. A NaN bound counts as 0.
void ClampNumericText(IInputEnvironment& env, double lower, double upper, IControl* box = nullptr);
/// Gives control the focus if it takes it; nullptr does nothing.
void SetFocusSafe(IControl* control);
/// direction -1, 0 or +1. When control is nullptr it is set to the active control.
/// Returns the control (direction 0) or its previous/next candidate in tab order, wrapping
/// around; nullptr when the control is not a candidate or anything cannot be read.
IControl* GetTabOrderControl(IInputEnvironment& env, std::int16_t& direction, IControl*& control);
/// The row whose column 1 is TabIndex, in a table sorted by column 1; -1 when absent. (Tab
/// indexes are unique in a form: which of equal rows would be found does not arise.)
int FindTabIndexRow(const TabOrderTable& table, std::int16_t TabIndex);
/// Sorts rows first..last by column 1, moving both columns of a row together.
void SortTabOrderTable(TabOrderTable& table, int first, int last);
/// True when every character of text is allowed by the list; an empty text counts as the
/// single character 0.
bool IsTextInCharList(std::u16string_view text, std::span<const std::u16string_view> list);

/// Mode 8 of ConvertBoxText: full-width forms to their half-width forms.
std::u16string ToNarrow(const std::u16string& text);

}  // namespace vitrel::modTxtBoxUtl
