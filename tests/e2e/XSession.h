// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "ChildProcess.h"

namespace vitrel::e2e {

using WindowId = std::uint32_t;

/// A private X server (Xvfb on a display it picks itself, 1280 x 1024 x 24 at 96 DPI), with
/// openbox managing it unless asked otherwise, and the X tools that drive and inspect it:
/// xdotool for input, xwininfo/xprop for geometry, import for screenshots. Everything it
/// started is stopped when it is destroyed.
class XSession {
public:
    enum class WindowManager { None, Openbox };

    static constexpr QSize kScreenSize{1280, 1024};
    static constexpr std::chrono::milliseconds kToolTimeout{10000};

    explicit XSession(WindowManager windowManager = WindowManager::Openbox);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    /// The display name, such as ":3".
    [[nodiscard]] QString Display() const { return m_display; }
    /// The test's own environment pointed at this display, with every setting that would send
    /// a Qt program elsewhere (Wayland, another platform plugin, a session manager) removed.
    [[nodiscard]] QProcessEnvironment Environment() const;

    /// Runs an X client on this display and returns its standard output; throws when it fails
    /// or does not finish within `timeout`.
    QByteArray Tool(const QString& program, const QStringList& arguments,
                    std::chrono::milliseconds timeout = kToolTimeout) const;
    /// Runs an X client on this display and returns its result, whatever its exit code.
    ChildProcess::Result TryTool(const QString& program, const QStringList& arguments,
                                 std::chrono::milliseconds timeout = kToolTimeout) const;

    // Input through the XTEST extension, to whichever window has the focus.
    void Key(const QString& keys) const;      // xdotool key syntax: "alt+F4", "ctrl+q", "Tab"
    void Type(const QString& text) const;     // types the characters of `text`
    void Click(QPoint screenPosition) const;  // left button at a screen position
    /// Makes a window active and focused; returns when the window manager has done so.
    void Activate(WindowId window) const;
    [[nodiscard]] WindowId ActiveWindow() const;

    /// The visible top-level windows that carry this process id (_NET_WM_PID).
    [[nodiscard]] std::vector<WindowId> VisibleWindowsOf(qint64 pid) const;
    /// The window's own area in screen coordinates (inside any frame).
    [[nodiscard]] QRect WindowGeometry(WindowId window) const;
    /// The window's outer rectangle in screen coordinates: the window manager's frame around
    /// it (its ancestor that is a child of the root, border included), or the window itself
    /// when it is not reparented.
    [[nodiscard]] QRect FrameGeometry(WindowId window) const;

    /// The whole screen as it is now.
    [[nodiscard]] QImage Screenshot() const;

private:
    void StartServer();
    void StartWindowManager();
    [[nodiscard]] WindowId ParentOf(WindowId window, WindowId* root) const;

    QTemporaryDir m_dir;
    QString m_display;
    std::unique_ptr<ChildProcess> m_server;
    std::unique_ptr<ChildProcess> m_windowManager;
};

/// "0x1a00004": the form the X tools accept.
QString HexId(WindowId window);

}  // namespace vitrel::e2e
