// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QObject>

class QWidget;

namespace vitrel {

/// Keeps a window's glass hole exactly over the glass's inner square. The hole is cut in the
/// window's own coordinates, so it moves with the window; but anything that moves the glass
/// inside the window (the menu bar laid out when the window is first shown or again later, a
/// font change), resizes the window, or takes it to a screen with another scale factor makes a
/// hole cut before it stand in the wrong place. The window's layout is only final once it is
/// shown, and a new scale needs the same hole in other device pixels: each such change cuts
/// the hole again.
class GlassHole : public QObject {
public:
    /// Both belong to the window, which owns this keeper.
    GlassHole(QWidget& window, QWidget& glass);

    /// Cuts the hole and keeps it over the glass from now on.
    void Cut();
    /// Gives the window its whole shape back; the glass is no longer followed.
    void Fill();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    QWidget& m_window;
    QWidget& m_glass;
    bool m_cut = false;
};

}  // namespace vitrel
