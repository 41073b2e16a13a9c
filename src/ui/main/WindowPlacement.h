// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <optional>

class QWidget;

namespace vitrel {

class IScreen;
class IWindowFrame;

/// Puts a window where its stored top and left (twips of the outer frame) ask, kept on the
/// screen. With both stored, the place is settled before the window is first shown, so it
/// appears there and never jumps. With only one stored, the window manager places the window
/// and the stored axis is applied once the frame exists, leaving the other axis alone.
class WindowPlacement {
public:
    WindowPlacement(QWidget& window, const IScreen& screen, IWindowFrame& frame);

    /// Before the first show.
    void Restore(std::optional<std::int32_t> top, std::optional<std::int32_t> left);
    /// Once the window manager has framed the shown window; does anything only once.
    void WindowFramed();
    /// Where the frame stands before the window manager has framed the window: the restored
    /// place on each axis that was stored, what Qt reports on the others.
    [[nodiscard]] QPoint UnframedPosition(QPoint reported) const;

private:
    [[nodiscard]] QPoint ToPixels(std::int32_t leftTwips, std::int32_t topTwips) const;
    /// The frame's top-left for a frame of the given size, kept on the screen (pixels).
    [[nodiscard]] QPoint Clamped(QPoint frameTopLeft, QSize frameSize) const;

    QWidget& m_window;
    const IScreen& m_screen;
    IWindowFrame& m_frame;
    std::optional<std::int32_t> m_top;
    std::optional<std::int32_t> m_left;
    bool m_pendingAfterFraming = false;
    std::optional<QPoint> m_placed;  // the frame's top-left chosen before the first show
};

}  // namespace vitrel
