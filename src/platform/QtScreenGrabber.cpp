// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/QtScreenGrabber.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace vitrel {

QImage QtScreenGrabber::Grab(QPoint topLeft, QSize size) const {
    QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {};
    }
    const QPoint local = topLeft - screen->geometry().topLeft();
    QImage image =
        screen->grabWindow(0, local.x(), local.y(), size.width(), size.height()).toImage();
    // A scaled screen hands back device pixels; the picture keeps one pixel per logical pixel.
    if (!image.isNull() && image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vitrel
