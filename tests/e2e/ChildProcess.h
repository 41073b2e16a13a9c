// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace vitrel::e2e {

/// How a child process ended.
struct ProcessExit {
    bool crashed = false;  // ended by a signal; `code` is then the signal number
    int code = 0;
};

/// A child process that cannot outlive its owner: it is stopped in the destructor (SIGTERM,
/// then SIGKILL after a bounded wait), and it gets SIGKILL from the kernel when the process
/// that started it dies, so a crashed test leaves nothing behind. Every wait is bounded.
class ChildProcess {
public:
    using Clock = std::chrono::steady_clock;

    struct Result {
        ProcessExit exit;
        QByteArray standardOutput;
        QByteArray standardError;
    };

    ChildProcess(QString program, QStringList arguments, QProcessEnvironment environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    /// Standard output and error go to this file instead of a pipe, so that a long-running
    /// child never blocks on a full pipe. Call before Start().
    void SetLogFile(const QString& path);
    /// Extra work in the child between fork and exec (only async-signal-safe calls).
    void SetChildSetup(std::function<void()> setup);
    /// Starts the child; throws std::runtime_error when it cannot be started.
    void Start();
    /// Writes to the child's standard input and closes it (no log file for stdin).
    void WriteAndCloseInput(const QByteArray& data);

    [[nodiscard]] qint64 Pid() const;
    [[nodiscard]] bool IsRunning();
    void Signal(int signalNumber);
    /// The exit, or nothing when the child is still running after `timeout`.
    std::optional<ProcessExit> WaitForExit(std::chrono::milliseconds timeout);
    /// SIGTERM, a bounded wait, then SIGKILL. Does nothing when the child has ended.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(3000));
    /// SIGKILL at once and wait for the child to be gone.
    void Kill();

    /// Runs a program to completion with captured output. Throws std::runtime_error when it
    /// cannot be started or runs longer than `timeout` (it is then killed).
    static Result Run(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, std::chrono::milliseconds timeout,
                      const QByteArray& input = {});

private:
    void Configure();

    std::unique_ptr<QProcess> m_process;
    std::function<void()> m_childSetup;
    QString m_logFile;
};

}  // namespace vitrel::e2e
