// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPointer>
#include <QSlider>
#include <utility>

#include "core/windowsystem/WindowSystem.h"

class QLabel;

namespace vitrel {

/// The trackbar window class over a QSlider: its style bits set orientation, ticks and the
/// enabled state, it answers the trackbar messages, and every move a user makes with keys or
/// mouse is told to the parent window's procedure as WM_HSCROLL or WM_VSCROLL, as a trackbar
/// would. Setting the position by message tells nobody.
class QtTrackbar final : public QSlider {
    Q_OBJECT

public:
    QtTrackbar(DWORD style, QWidget* parent);

    /// The answer to a TBM_* message; 0 for any other message.
    LRESULT Answer(UINT uMsg, WPARAM wParam, LPARAM lParam);
    /// The value tip of TBS_TOOLTIPS, nullptr without it.
    [[nodiscard]] QWidget* ToolTip() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    /// Sends the notification of the action Qt has just applied, if any.
    void NotifyAction();
    void Notify(int code);
    void ApplyTicks();
    void PlaceTip();

    DWORD m_style;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_frequency = 1;
    int m_tipSide = 0;
    int m_pendingCode = -1;
    bool m_tracking = false;
    QPointer<QLabel> m_tip;
    /// The range the tip was last sized for.
    std::pair<int, int> m_tipRange{0, -1};
};

}  // namespace vitrel
