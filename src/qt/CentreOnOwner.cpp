// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/CentreOnOwner.h"

#include <QScreen>
#include <QWidget>

#include "qt/IWindowFrame.h"

namespace vitrel {

void CentreOnOwner(QWidget& dialog, IWindowFrame& frames) {
    const QWidget* owner =
        dialog.parentWidget() != nullptr ? dialog.parentWidget()->window() : nullptr;
    QRect area;
    if (owner != nullptr && owner->isVisible()) {
        area = frames.FrameGeometry(*owner);
    } else if (const QScreen* screen = dialog.screen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    if (!dialog.testAttribute(Qt::WA_Resized)) {
        dialog.adjustSize();  // the size it is about to be shown at
    }
    const QSize frame = dialog.size().grownBy(frames.FrameMargins(dialog));
    frames.MoveFrame(dialog, area.topLeft() + QPoint((area.width() - frame.width()) / 2,
                                                     (area.height() - frame.height()) / 2));
}

}  // namespace vitrel
