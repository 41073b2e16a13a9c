// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace vitrel {

/// The outer frame that the window manager puts around a top-level window. Placing a window
/// and remembering where it stood are both about this frame, not the client area.
class IWindowFrame {
public:
    virtual ~IWindowFrame() = default;

    /// The frame's rectangle on the screen, in pixels; the window's own rectangle while the
    /// window manager has not framed it yet.
    [[nodiscard]] virtual QRect FrameGeometry(const QWidget& window) const = 0;
    /// Whether the window manager has framed the window, so that FrameGeometry is final.
    [[nodiscard]] virtual bool IsFramed(const QWidget& window) const = 0;
    /// What the frame adds around the window on each side. Before the window is first shown
    /// this asks the window manager what it will add, so that a window can be placed by its
    /// frame before it appears; no margins without a window manager.
    [[nodiscard]] virtual QMargins FrameMargins(QWidget& window) const = 0;
    /// Asks the window manager now what it will put around the window, so that FrameMargins
    /// finds the answer there later instead of waiting for it. Before the window is shown.
    virtual void RequestFrameMargins(QWidget& window) = 0;
    /// Moves the window so that its frame's top-left corner lies at the point.
    virtual void MoveFrame(QWidget& window, QPoint topLeft) = 0;
};

}  // namespace vitrel
