// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "glass/GlassSampling.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include "platform/IScreenGrabber.h"

namespace vitrel::modVitrel {

void CutGlassHole(QWidget& window, const QWidget& glass) {
    const QRect inner = glass.contentsRect();
    const QRect hole(glass.mapTo(&window, inner.topLeft()), QSize(GlassSide, GlassSide));
    window.setMask(QRegion(window.rect()).subtracted(hole));
}

void FillGlassHole(QWidget& window) {
    window.clearMask();
}

QImage GrabGlassPicture(const IScreenGrabber& screens, QPoint globalTopLeft) {
    QImage picture(GlassSide, GlassSide, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const std::vector<QRect> all = screens.Screens();
    for (int index = 0; index < static_cast<int>(all.size()); ++index) {
        const QRect& screen = all[static_cast<std::size_t>(index)];
        if (!screen.contains(globalTopLeft)) {
            continue;
        }
        const QRect wanted = QRect(globalTopLeft, QSize(GlassSide, GlassSide)).intersected(screen);
        const QImage grabbed = screens.Grab(index, wanted.translated(-screen.topLeft()));
        if (grabbed.isNull() || wanted.isEmpty()) {
            break;
        }
        // Device pixels to one pixel per device-independent pixel, by picking, never blending.
        QImage logical =
            grabbed.size() == wanted.size()
                ? grabbed
                : grabbed.scaled(wanted.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        logical.setDevicePixelRatio(1.0);
        QPainter painter(&picture);
        painter.drawImage(wanted.topLeft() - globalTopLeft, logical);
        break;
    }
    return picture;
}

}  // namespace vitrel::modVitrel
