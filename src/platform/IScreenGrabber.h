// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace vitrel {

/// The screens of the desktop and what they show.
class IScreenGrabber {
public:
    virtual ~IScreenGrabber() = default;

    /// Each screen's rectangle in the desktop's device-independent coordinates.
    [[nodiscard]] virtual std::vector<QRect> Screens() const = 0;
    /// What the screen shows in a rectangle given in that screen's own device-independent
    /// coordinates (0, 0 at its top-left), in the screen's device pixels (twice as many each
    /// way on a screen scaled by 2); a null image when it cannot be read.
    [[nodiscard]] virtual QImage Grab(int screen, const QRect& area) const = 0;
};

}  // namespace vitrel
