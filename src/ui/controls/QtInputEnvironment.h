// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "core/input/IInputEnvironment.h"

namespace vitrel {

class IClipboard;

/// The input utilities' view of the running Qt application: the active window as a form, the
/// focused control's mouse capture, the clipboard text.
class QtInputEnvironment : public IInputEnvironment {
public:
    explicit QtInputEnvironment(IClipboard& clipboard);

    [[nodiscard]] IForm* ActiveForm() const override;
    [[nodiscard]] WindowHandle GetCapture() const override;
    [[nodiscard]] std::u16string ClipboardText() const override;

private:
    IClipboard& m_clipboard;
};

}  // namespace vitrel
