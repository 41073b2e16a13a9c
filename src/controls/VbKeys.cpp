// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "controls/VbKeys.h"

#include <QKeyEvent>

namespace vitrel::VbKeys {

std::int16_t KeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::int16_t>(key);  // same codes, 65 to 90
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::int16_t>(key);  // 48 to 57
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(vbKeyF1 + (key - Qt::Key_F1));
    }
    switch (key) {
        case Qt::Key_Backspace:
            return vbKeyBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vbKeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vbKeyReturn;
        case Qt::Key_Shift:
            return vbKeyShift;
        case Qt::Key_Control:
            return vbKeyControl;
        case Qt::Key_Alt:
            return vbKeyMenu;
        case Qt::Key_Escape:
            return vbKeyEscape;
        case Qt::Key_Space:
            return vbKeySpace;
        case Qt::Key_PageUp:
            return vbKeyPageUp;
        case Qt::Key_PageDown:
            return vbKeyPageDown;
        case Qt::Key_End:
            return vbKeyEnd;
        case Qt::Key_Home:
            return vbKeyHome;
        case Qt::Key_Left:
            return vbKeyLeft;
        case Qt::Key_Up:
            return vbKeyUp;
        case Qt::Key_Right:
            return vbKeyRight;
        case Qt::Key_Down:
            return vbKeyDown;
        case Qt::Key_Insert:
            return vbKeyInsert;
        case Qt::Key_Delete:
            return vbKeyDelete;
        default:
            return 0;
    }
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) {
        mask |= vbShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        mask |= vbCtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        mask |= vbAltMask;
    }
    return mask;
}

std::int32_t KeyAscii(const QKeyEvent& event) {
    const QString text = event.text();
    if (!text.isEmpty()) {
        return text.at(0).unicode();
    }
    // Some platforms give no text for control combinations; derive the control character.
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        return event.key() - Qt::Key_A + 1;
    }
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return (event.modifiers() & Qt::ControlModifier) ? 10 : 13;
        case Qt::Key_Backspace:
            return 8;
        default:
            return 0;
    }
}

}  // namespace vitrel::VbKeys
