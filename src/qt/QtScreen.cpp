// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vitrel {
namespace {

std::int16_t TwipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0)) {
        return 15;
    }
    const long rounded = std::lround(1440.0 / dotsPerInch);
    return static_cast<std::int16_t>(rounded < 1 ? 1 : rounded > 1440 ? 1440 : rounded);
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
