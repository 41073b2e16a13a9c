// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/main/WindowPlacement.h"

#include <QLayout>
#include <QWidget>
#include <algorithm>

#include "core/services/IScreen.h"
#include "qt/IWindowFrame.h"

namespace vitrel {

WindowPlacement::WindowPlacement(QWidget& window, const IScreen& screen, IWindowFrame& frame)
    : m_window(window), m_screen(screen), m_frame(frame) {}

QPoint WindowPlacement::Clamped(QPoint frameTopLeft, QSize frameSize) const {
    // Twips as stored: not below 0, and not past the screen's far edge minus the frame's size
    // (a frame larger than the screen ends up with a negative position).
    const auto axis = [](std::int64_t pixels, std::int16_t tpp, std::int64_t screenTwips,
                         std::int64_t sizePixels) {
        std::int64_t twips = std::max<std::int64_t>(pixels * tpp, 0);
        twips = std::min<std::int64_t>(twips, screenTwips - sizePixels * tpp);
        return static_cast<int>(twips / tpp);
    };
    const std::int16_t tppX = std::max<std::int16_t>(m_screen.TwipsPerPixelX(), 1);
    const std::int16_t tppY = std::max<std::int16_t>(m_screen.TwipsPerPixelY(), 1);
    return {axis(frameTopLeft.x(), tppX, m_screen.WidthTwips(), frameSize.width()),
            axis(frameTopLeft.y(), tppY, m_screen.HeightTwips(), frameSize.height())};
}

QPoint WindowPlacement::ToPixels(std::int32_t leftTwips, std::int32_t topTwips) const {
    return {leftTwips / std::max<std::int16_t>(m_screen.TwipsPerPixelX(), 1),
            topTwips / std::max<std::int16_t>(m_screen.TwipsPerPixelY(), 1)};
}

void WindowPlacement::Restore(std::optional<std::int32_t> top, std::optional<std::int32_t> left) {
    m_top = top;
    m_left = left;
    if (!top && !left) {
        return;  // first run: where the window manager puts it
    }
    if (!top || !left) {
        m_pendingAfterFraming = true;
        return;
    }
    if (m_window.layout() != nullptr) {
        m_window.layout()->activate();  // the fixed size is known only after this
    }
    const QSize frameSize = m_window.size().grownBy(m_frame.FrameMargins(m_window));
    m_placed = Clamped(ToPixels(*left, *top), frameSize);
    m_frame.MoveFrame(m_window, *m_placed);
}

QPoint WindowPlacement::UnframedPosition(QPoint reported) const {
    if (m_placed) {
        return *m_placed;
    }
    const QPoint stored = ToPixels(m_left.value_or(0), m_top.value_or(0));
    return {m_left ? stored.x() : reported.x(), m_top ? stored.y() : reported.y()};
}

void WindowPlacement::WindowFramed() {
    if (!m_pendingAfterFraming) {
        return;
    }
    m_pendingAfterFraming = false;
    const QRect frame = m_frame.FrameGeometry(m_window);
    QPoint placed = Clamped(ToPixels(m_left.value_or(0), m_top.value_or(0)), frame.size());
    // The axis that was not stored stays where the window manager put it.
    if (!m_left) {
        placed.setX(frame.left());
    }
    if (!m_top) {
        placed.setY(frame.top());
    }
    if (placed != frame.topLeft()) {
        m_frame.MoveFrame(m_window, placed);
    }
}

}  // namespace vitrel
