// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace vitrel {
namespace {

std::int16_t TwipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0)) {
        return 15;
    }
    // Halves round up, as lround does for these positive values.
    return static_cast<std::int16_t>(std::clamp(1440.0 / dotsPerInch, 1.0, 1440.0) + 0.5);
}

}  // namespace

std::int16_t QtScreen::TwipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen != nullptr ? screen->logicalDotsPerInchX() : 96.0);
}

std::int16_t QtScreen::TwipsPerPixelY() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen != nullptr ? screen->logicalDotsPerInchY() : 96.0);
}

std::int32_t QtScreen::WidthTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen != nullptr ? screen->geometry().width() : 0) * TwipsPerPixelX();
}

std::int32_t QtScreen::HeightTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen != nullptr ? screen->geometry().height() : 0) * TwipsPerPixelY();
}

}  // namespace vitrel
