// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <optional>

#include "ChildProcess.h"
#include "IniFile.h"
#include "XSession.h"

namespace vitrel::e2e {

/// The real program on an XSession, run from a copy in a temporary program folder with its own
/// configuration, data and runtime folders, so that settings and favourites of a run are
/// its own and can be prepared and inspected. Positions called "client" are in the window's
/// client area: below the menu bar, as the window's layout is drawn.
class VitrelProcess {
public:
    static constexpr QSize kClientSize{473, 184};
    static constexpr std::chrono::milliseconds kStartTimeout{15000};
    static constexpr std::chrono::milliseconds kExitTimeout{10000};
    static constexpr const char* kSettingsGroup = "STERTUP";

    VitrelProcess(const XSession& session, const QString& binary);
    ~VitrelProcess();
    VitrelProcess(const VitrelProcess&) = delete;
    VitrelProcess& operator=(const VitrelProcess&) = delete;

    [[nodiscard]] QString ProgramFolder() const;
    [[nodiscard]] QString ConfigHome() const;
    [[nodiscard]] QString DataHome() const;
    [[nodiscard]] QString RuntimeDir() const;
    [[nodiscard]] QString SettingsPath() const;
    [[nodiscard]] QProcessEnvironment Environment() const;

    /// Prepares the settings file before Start().
    void WriteSettings(const IniFile::Group& entries) const;
    /// The stored settings as they stand in the file now.
    [[nodiscard]] IniFile::Group Settings() const;

    /// Starts the program, waits for its visible main window and activates it; throws when
    /// the window does not appear in time or the program ends first.
    void Start();
    [[nodiscard]] qint64 Pid() const;
    [[nodiscard]] WindowId Window() const { return m_window; }
    [[nodiscard]] bool IsRunning();
    void Signal(int signalNumber);
    std::optional<ProcessExit> WaitForExit(std::chrono::milliseconds timeout = kExitTimeout);
    /// What the program wrote to standard output and error so far.
    [[nodiscard]] QString Log() const;

    void Activate() const;
    /// The program's visible top-level windows (the main window, an open menu, dialogs).
    [[nodiscard]] std::vector<WindowId> VisibleWindows() const;
    [[nodiscard]] QRect WindowGeometry() const;
    [[nodiscard]] QRect FrameGeometry() const;
    [[nodiscard]] QPoint ClientToScreen(QPoint client) const;

    void Key(const QString& keys) const;
    void Type(const QString& text) const;
    void ClickClient(QPoint client) const;

    /// The colour of a client pixel in a screenshot of the whole screen.
    [[nodiscard]] QColor ClientPixel(const QImage& screen, QPoint client) const;
    /// Takes screenshots until the client pixel shows `expected` or `timeout` passes; returns
    /// the last colour seen (equal to `expected` on success) and keeps the last screenshot.
    QColor WaitForClientPixel(QPoint client, const QColor& expected,
                              std::chrono::milliseconds timeout,
                              QImage* lastScreen = nullptr) const;

private:
    const XSession& m_session;
    QTemporaryDir m_dir;
    QString m_program;
    std::unique_ptr<ChildProcess> m_process;
    WindowId m_window = 0;
};

}  // namespace vitrel::e2e
