// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/MouseEvent.h"

#include <QMouseEvent>
#include <QWidget>

#include "ui/controls/VbKeys.h"

namespace vitrel {

QPointF ExactPosition(const QMouseEvent& event, const QWidget& control, QPoint origin) {
    return event.scenePosition() - QPointF(control.mapTo(control.window(), origin));
}

void RaiseMouseEvent(const MouseEvent& handler, const QMouseEvent& event, const QWidget& control,
                     QPoint origin, int twipsPerPixelX, int twipsPerPixelY) {
    if (!handler) {
        return;
    }
    const Qt::MouseButtons buttons = event.buttons() | event.button();
    std::int16_t mask = 0;
    if (buttons & Qt::LeftButton) {
        mask |= 1;
    }
    if (buttons & Qt::RightButton) {
        mask |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        mask |= 4;
    }
    const QPointF inner = ExactPosition(event, control, origin);
    handler(mask, VbKeys::ShiftMask(event.modifiers()),
            static_cast<float>(inner.x() * twipsPerPixelX),
            static_cast<float>(inner.y() * twipsPerPixelY));
}

}  // namespace vitrel
