// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vitrel {

class IForm;

/// Names a platform window. Only compared for identity; 0 names no window.
using WindowHandle = std::uintptr_t;

/// A control of a form as the input utilities see it: a class name and properties read and
/// written late-bound. A property the control does not have reads as std::nullopt and its
/// setter returns false, the way a late-bound call on the wrong kind of control fails.
class IControl {
public:
    virtual ~IControl() = default;

    /// "TextBox", "ComboBox", "CheckBox", "Label" ...
    [[nodiscard]] virtual std::u16string ClassName() const = 0;

    [[nodiscard]] virtual std::optional<std::u16string> Text() const { return std::nullopt; }
    virtual bool SetText(const std::u16string& /*text*/) { return false; }
    /// Caret position, or the start of the selection, in UTF-16 code units.
    [[nodiscard]] virtual std::optional<int> SelStart() const { return std::nullopt; }
    /// Moves the caret there and clears the selection.
    virtual bool SetSelStart(int /*start*/) { return false; }
    [[nodiscard]] virtual std::optional<int> SelLength() const { return std::nullopt; }
    /// Selects this many code units from SelStart.
    virtual bool SetSelLength(int /*length*/) { return false; }
    /// Combo-box style (2 is a drop-down list without editable text).
    [[nodiscard]] virtual std::optional<int> style() const { return std::nullopt; }

    [[nodiscard]] virtual std::optional<int> TabIndex() const { return std::nullopt; }
    [[nodiscard]] virtual std::optional<bool> TabStop() const { return std::nullopt; }
    [[nodiscard]] virtual std::optional<bool> Visible() const { return std::nullopt; }

    [[nodiscard]] virtual WindowHandle hWnd() const { return 0; }
    /// The form that holds the control, also when it sits inside a frame; nullptr when the
    /// control does not belong to a form.
    [[nodiscard]] virtual IForm* Parent() const = 0;
    /// Gives the control the focus; false when it refuses (disabled, hidden).
    virtual bool SetFocus() = 0;
};

}  // namespace vitrel
