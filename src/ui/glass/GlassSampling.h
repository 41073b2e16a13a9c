// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

namespace vitrel {
class IScreenGrabber;
}

/// The glass: a square hole in a window through which the screen behind it shows, and the
/// picture of what shows through it.
namespace vitrel::modVitrel {

/// The window's shape with the glass's hole: the whole window minus the 64 × 64 square at the
/// glass's inner top-left corner, in the window's own coordinates.
[[nodiscard]] QRegion GlassHoleRegion(const QWidget& window, const QWidget& glass);
/// Shapes the window as GlassHoleRegion; clicks in the hole reach whatever lies below. The
/// shape moves with the window; GlassHole keeps it over the glass when the layout changes.
void CutGlassHole(QWidget& window, const QWidget& glass);
/// Gives the window back its whole shape.
void FillGlassHole(QWidget& window);
/// What the screen shows under the glass's inner 64 × 64 square, one picture pixel for each
/// device-independent pixel of the square: the device pixel under its middle, so that at a
/// scale of 1 the picture is the screen pixel for pixel and on a scaled screen every picture
/// pixel is one the screen really shows at that place, never a blend. A glass across several
/// screens is read from each of them; what lies off every screen is black.
QImage GrabGlassPicture(const IScreenGrabber& screens, const QWidget& glass);

}  // namespace vitrel::modVitrel
