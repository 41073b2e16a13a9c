// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/ShapedGlass.h"

#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace vitrel {

void ShapedGlass::Prepare(QWidget& /*window*/) {}

void ShapedGlass::SetSeeThrough(QWidget& glass, const QRect& area) {
    QWidget& window = *glass.window();
    if (area.isEmpty()) {
        window.clearMask();
        return;
    }
    const QRegion shape =
        QRegion(window.rect()).subtracted(area.translated(glass.mapTo(&window, QPoint())));
    window.setMask(shape);
    if (QWindow* handle = window.windowHandle()) {
        // The widget hands its shape to the window system only when it changes; on a screen
        // of another scale the same shape is needed in other device pixels.
        handle->setMask(shape);
    }
}

}  // namespace vitrel
