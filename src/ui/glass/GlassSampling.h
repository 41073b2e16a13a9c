// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QRect>

class QWidget;

#include "qt/IScreenGrabber.h"

/// The glass: a square of a window through which the screen behind it shows, and the picture
/// of what shows through it.
namespace vitrel::modVitrel {

/// The square the desktop shows through: 64 × 64 at the glass's inner top-left corner, in the
/// window's own coordinates.
[[nodiscard]] QRect GlassArea(const QWidget& window, const QWidget& glass);
/// What the screen shows under the glass's inner 64 × 64 square, one picture pixel for each
/// device-independent pixel of the square: the device pixel under its middle, so that at a
/// scale of 1 the picture is the screen pixel for pixel and on a scaled screen every picture
/// pixel is one the screen really shows at that place, never a blend. A glass across several
/// screens is read from each of them; what lies off every screen is black.
/// When the desktop refuses a part, no picture and why.
Grabbed GrabGlassPicture(const IScreenGrabber& screens, const QWidget& glass);

}  // namespace vitrel::modVitrel
