// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

class QRect;
class QWidget;

namespace vitrel {

/// How a window lets the desktop show through its glass: on an X server, a hole in the
/// window's shape (clicks there reach what lies below); where a compositor draws the windows
/// (a Wayland session), a see-through part of a translucent window.
class IGlassSurface {
public:
    virtual ~IGlassSurface() = default;

    /// Before the window's native window is made (before it is first shown); again is harmless.
    virtual void Prepare(QWidget& window) = 0;
    /// Makes a rectangle of the glass box (in its own coordinates) see-through; an empty one
    /// makes its window whole and opaque again. Asked again after every change of the window's
    /// layout or screen.
    virtual void SetSeeThrough(QWidget& glass, const QRect& area) = 0;
};

}  // namespace vitrel
