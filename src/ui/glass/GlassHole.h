// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace vitrel {

class IGlassSurface;

/// Keeps the desktop showing through a window's glass, exactly over the glass's inner square.
/// The see-through area is set in the window's own coordinates, so it moves with the window;
/// but anything that moves the glass inside the window (the menu bar laid out when the window
/// is first shown or again later, a font change), resizes the window, or takes it to a screen
/// with another scale factor makes an area set before it stand in the wrong place. The
/// window's layout is only final once it is shown, and a new scale needs the same area in
/// other device pixels: each such change sets the area again.
class GlassHole : public QObject {
public:
    /// Both belong to the window, which owns this keeper; made before the window is shown.
    GlassHole(QWidget& window, QWidget& glass, IGlassSurface& surface);

    /// Opens the glass and keeps it over the glass box from now on.
    void Cut();
    /// Makes the window whole again; the glass is no longer followed.
    void Fill();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(bool always);

    QWidget& m_window;
    QWidget& m_glass;
    IGlassSurface& m_surface;
    bool m_cut = false;
    QRect m_area;
};

}  // namespace vitrel
