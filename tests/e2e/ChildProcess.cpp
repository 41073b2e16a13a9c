// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ChildProcess.h"

#include <sys/prctl.h>
#include <unistd.h>
#include <csignal>
#include <stdexcept>

namespace vitrel::e2e {
namespace {

int Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<int>(duration.count());
}

std::string Describe(const QString& program, const QStringList& arguments) {
    return (program + u' ' + arguments.join(u' ')).toStdString();
}

}  // namespace

ChildProcess::ChildProcess(QString program, QStringList arguments, QProcessEnvironment environment)
    : m_process(std::make_unique<QProcess>()) {
    m_process->setProgram(std::move(program));
    m_process->setArguments(std::move(arguments));
    m_process->setProcessEnvironment(std::move(environment));
}

ChildProcess::~ChildProcess() {
    try {
        Stop();
    } catch (...) {  // NOLINT(bugprone-empty-catch): a destructor must not throw
    }
}

void ChildProcess::SetLogFile(const QString& path) {
    m_logFile = path;
}

void ChildProcess::SetChildSetup(std::function<void()> setup) {
    m_childSetup = std::move(setup);
}

void ChildProcess::Configure() {
    const pid_t parent = ::getpid();
    std::function<void()> extra = m_childSetup;
    m_process->setChildProcessModifier([parent, extra] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) {
            ::_exit(127);  // the parent died between fork and prctl
        }
        if (extra) {
            extra();
        }
    });
    if (!m_logFile.isEmpty()) {
        m_process->setStandardOutputFile(m_logFile, QIODevice::Append);
        m_process->setStandardErrorFile(m_logFile, QIODevice::Append);
    }
}

void ChildProcess::Start() {
    Configure();
    m_process->start();
    if (!m_process->waitForStarted(10000)) {
        throw std::runtime_error("cannot start " +
                                 Describe(m_process->program(), m_process->arguments()) + ": " +
                                 m_process->errorString().toStdString());
    }
}

void ChildProcess::WriteAndCloseInput(const QByteArray& data) {
    m_process->write(data);
    m_process->waitForBytesWritten(5000);
    m_process->closeWriteChannel();
}

qint64 ChildProcess::Pid() const {
    return m_process->processId();
}

bool ChildProcess::IsRunning() {
    if (m_process->state() == QProcess::NotRunning) {
        return false;
    }
    // Lets QProcess notice an exit that happened since the last look.
    m_process->waitForFinished(0);
    return m_process->state() != QProcess::NotRunning;
}

void ChildProcess::Signal(int signalNumber) {
    if (m_process->state() != QProcess::NotRunning) {
        ::kill(static_cast<pid_t>(m_process->processId()), signalNumber);
    }
}

std::optional<ProcessExit> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (m_process->state() != QProcess::NotRunning &&
        !m_process->waitForFinished(Milliseconds(timeout))) {
        if (m_process->state() != QProcess::NotRunning) {
            return std::nullopt;
        }
    }
    return ProcessExit{m_process->exitStatus() == QProcess::CrashExit, m_process->exitCode()};
}

void ChildProcess::Stop(std::chrono::milliseconds grace) {
    if (m_process->state() == QProcess::NotRunning) {
        return;
    }
    Signal(SIGTERM);
    if (!WaitForExit(grace)) {
        Kill();
    }
}

void ChildProcess::Kill() {
    if (m_process->state() == QProcess::NotRunning) {
        return;
    }
    m_process->kill();
    m_process->waitForFinished(5000);
}

ChildProcess::Result ChildProcess::Run(const QString& program, const QStringList& arguments,
                                       const QProcessEnvironment& environment,
                                       std::chrono::milliseconds timeout, const QByteArray& input) {
    ChildProcess child(program, arguments, environment);
    child.Start();
    child.WriteAndCloseInput(input);
    const auto exit = child.WaitForExit(timeout);
    if (!exit) {
        child.Kill();
        throw std::runtime_error(Describe(program, arguments) + " did not finish within " +
                                 std::to_string(timeout.count()) + " ms");
    }
    return Result{*exit, child.m_process->readAllStandardOutput(),
                  child.m_process->readAllStandardError()};
}

}  // namespace vitrel::e2e
