// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <string>

#include "core/input/IControl.h"

namespace vitrel {

class IForm;

/// What the input utilities need of the application around a control: the active form, the
/// window holding the mouse capture, the clipboard text and a random number.
class IInputEnvironment {
public:
    virtual ~IInputEnvironment() = default;

    /// The application's active form; nullptr when none of its forms is active.
    [[nodiscard]] virtual IForm* ActiveForm() const = 0;
    /// The window that holds the mouse capture, 0 when none does.
    [[nodiscard]] virtual WindowHandle GetCapture() const = 0;
    /// The clipboard's plain text; empty when it holds none.
    [[nodiscard]] virtual std::u16string ClipboardText() const = 0;
};

}  // namespace vitrel
