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

#include "input/IControl.h"

namespace vitrel {
class IInputEnvironment;
}

/// Common keyboard behaviour of the program's text boxes: select-all on entry, Enter and the
/// arrow keys moving through the tab order, typed characters restricted to an allowed list,
/// full-width input folded to half-width, numeric boxes kept inside a range. Stateless: every
/// call reads the controls afresh. Without an explicit control, a procedure works on the
/// active control of the active form.
namespace vitrel::modTxtBoxUtl {

/// Rows of (index in the form's Controls collection, TabIndex).
using TabOrderTable = std::vector<std::array<std::int16_t, 2>>;

/// Conversion mode of ConvertBoxText that folds full-width characters to half-width.
inline constexpr std::int32_t vbNarrow = 8;

void SelectAllOnFocus(IInputEnvironment& env);
void ConvertBoxText(IInputEnvironment& env, std::int32_t mode, IControl* box = nullptr);
/// KeyAscii is a UTF-16 character code; set to 0 when the key is discarded.
void FilterKeyAscii(IInputEnvironment& env, std::int32_t& KeyAscii,
                    std::initializer_list<std::u16string_view> entries);
void MoveFocusOnArrowKey(IInputEnvironment& env, std::int16_t KeyCode);
void MoveFocusOnEnter(IInputEnvironment& env, std::int32_t& KeyAscii);
void ClampNumericText(IInputEnvironment& env, double lower, double upper, IControl* box = nullptr);
void SetFocusSafe(IControl* control);
/// direction -1, 0 or +1. When control is nullptr it is set to the active control.
IControl* GetTabOrderControl(IInputEnvironment& env, std::int16_t& direction, IControl*& control);
int FindTabIndexRow(const TabOrderTable& table, std::int16_t TabIndex);
void SortTabOrderTable(IInputEnvironment& env, TabOrderTable& table, int first, int last);
void SwapIntegers(std::int16_t& a, std::int16_t& b);
bool IsTextInCharList(std::u16string_view text, std::span<const std::u16string_view> list);

/// Mode 8 of ConvertBoxText: full-width forms to their half-width forms.
std::u16string ToNarrow(const std::u16string& text);

}  // namespace vitrel::modTxtBoxUtl
