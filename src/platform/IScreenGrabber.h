// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

namespace vitrel {

/// Reads the pixels the screen shows, whatever window they belong to.
class IScreenGrabber {
public:
    virtual ~IScreenGrabber() = default;

    /// The screen's pixels in the rectangle at topLeft (global device-independent
    /// coordinates) of the given size, one picture pixel per pixel of that size; a null image
    /// when nothing can be read there.
    [[nodiscard]] virtual QImage Grab(QPoint topLeft, QSize size) const = 0;
};

}  // namespace vitrel
