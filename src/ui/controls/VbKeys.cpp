// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/VbKeys.h"

#include <QKeyEvent>

#include "qt/QtKeys.h"

namespace vitrel::VbKeys {

std::int16_t KeyCode(const QKeyEvent& event) {
    return static_cast<std::int16_t>(QtKeys::VirtualKey(event.key()));
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
