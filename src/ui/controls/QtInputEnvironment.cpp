// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/QtInputEnvironment.h"

#include <QApplication>
#include <QWidget>

#include "core/input/IControl.h"
#include "core/input/IForm.h"
#include "qt/IClipboard.h"
#include "ui/controls/FormControlState.h"

namespace vitrel {

QtInputEnvironment::QtInputEnvironment(IClipboard& clipboard) : m_clipboard(clipboard) {}

IForm* QtInputEnvironment::ActiveForm() const {
    QWidget* window = QApplication::activeWindow();
    if (window == nullptr && QApplication::focusWidget() != nullptr) {
        window = QApplication::focusWidget()->window();  // no window manager to activate it
    }
    return dynamic_cast<IForm*>(window);
}

WindowHandle QtInputEnvironment::GetCapture() const {
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
        const auto* state = dynamic_cast<const FormControlState*>(widget);
        const auto* control = dynamic_cast<const IControl*>(widget);
        if (state != nullptr && control != nullptr) {
            return state->HoldsMouseCapture() ? control->hWnd() : 0;
        }
    }
    return 0;
}

std::u16string QtInputEnvironment::ClipboardText() const {
    return m_clipboard.Read()->Text().toStdU16String();
}

}  // namespace vitrel
