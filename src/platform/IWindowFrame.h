// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

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
    /// Moves the window so that its frame's top-left corner lies at the point.
    virtual void MoveFrame(QWidget& window, QPoint topLeft) = 0;
};

}  // namespace vitrel
