// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QPoint>

class QWidget;

namespace vitrel {
class IScreenGrabber;
}

/// The glass: a square hole in a window through which the screen behind it shows, and the
/// picture of what shows through it.
namespace vitrel::modVitrel {

/// The side of the glass square, in pixels.
inline constexpr int GlassSide = 64;

/// Shapes the window as itself minus the GlassSide square at the glass's inner top-left
/// corner; clicks there reach whatever lies below. The shape moves with the window.
void CutGlassHole(QWidget& window, const QWidget& glass);
/// Gives the window back its whole shape.
void FillGlassHole(QWidget& window);
/// The GlassSide square of screen pixels whose top-left corner is at the global position,
/// one picture pixel for each device-independent pixel (on a scaled screen, the pixel at each
/// such pixel's top-left, so every picture pixel is one the screen really shows). Taken from
/// the screen that holds the corner; what lies beyond that screen's edge is black.
QImage GrabGlassPicture(const IScreenGrabber& screens, QPoint globalTopLeft);

}  // namespace vitrel::modVitrel
