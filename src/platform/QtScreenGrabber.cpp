// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/QtScreenGrabber.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace vitrel {

std::vector<QRect> QtScreenGrabber::Screens() const {
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(screen->geometry());
    }
    return screens;
}

QImage QtScreenGrabber::Grab(int screen, const QRect& area) const {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screen < 0 || screen >= screens.size()) {
        return {};
    }
    return screens[screen]
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage();
}

}  // namespace vitrel
