// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "VitrelProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <stdexcept>

namespace vitrel::e2e {
namespace {

using namespace std::chrono_literals;

}  // namespace

VitrelProcess::VitrelProcess(const XSession& session, const QString& binary) : m_session(session) {
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary folder for the program");
    }
    for (const QString& folder : {ProgramFolder(), ConfigHome(), DataHome(), RuntimeDir()}) {
        QDir().mkpath(folder);
    }
    QFile::setPermissions(RuntimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_program = QDir(ProgramFolder()).filePath(QFileInfo(binary).fileName());
    if (!QFile::copy(binary, m_program)) {
        throw std::runtime_error("cannot copy " + binary.toStdString() + " to " +
                                 m_program.toStdString());
    }
}

VitrelProcess::~VitrelProcess() = default;

QString VitrelProcess::ProgramFolder() const {
    return m_dir.filePath(QStringLiteral("program"));
}
QString VitrelProcess::ConfigHome() const {
    return m_dir.filePath(QStringLiteral("config"));
}
QString VitrelProcess::DataHome() const {
    return m_dir.filePath(QStringLiteral("data"));
}
QString VitrelProcess::RuntimeDir() const {
    return m_dir.filePath(QStringLiteral("runtime"));
}

QString VitrelProcess::SettingsPath() const {
    return ConfigHome() + QStringLiteral("/VITRELLE/VITRELLE.ini");
}

QProcessEnvironment VitrelProcess::Environment() const {
    QProcessEnvironment environment = m_session.Environment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), DataHome());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), RuntimeDir());
    // No session bus: nothing of the developer's desktop may answer the program.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + RuntimeDir() + QStringLiteral("/no-bus"));
    return environment;
}

void VitrelProcess::WriteSettings(const IniFile::Group& entries) const {
    IniFile::WriteGroup(SettingsPath(), kSettingsGroup, entries);
}

IniFile::Group VitrelProcess::Settings() const {
    return IniFile::ReadGroup(SettingsPath(), kSettingsGroup);
}

void VitrelProcess::Start() {
    m_process = std::make_unique<ChildProcess>(m_program, QStringList{}, Environment());
    m_process->SetLogFile(m_dir.filePath(QStringLiteral("vitrel.log")));
    m_process->Start();

    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<WindowId> windows = VisibleWindows();
        if (!windows.empty()) {
            m_window = windows.front();
            Activate();
            return;
        }
        if (!m_process->IsRunning()) {
            throw std::runtime_error("vitrel ended before showing its window: " +
                                     Log().toStdString());
        }
        QThread::msleep(50);
    }
    throw std::runtime_error("vitrel showed no window within " +
                             std::to_string(kStartTimeout.count()) + " ms: " + Log().toStdString());
}

qint64 VitrelProcess::Pid() const {
    return m_process ? m_process->Pid() : 0;
}

bool VitrelProcess::IsRunning() {
    return m_process && m_process->IsRunning();
}

void VitrelProcess::Signal(int signalNumber) {
    if (m_process) {
        m_process->Signal(signalNumber);
    }
}

std::optional<ProcessExit> VitrelProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (!m_process) {
        throw std::logic_error("vitrel was not started");
    }
    return m_process->WaitForExit(timeout);
}

QString VitrelProcess::Log() const {
    QFile file(m_dir.filePath(QStringLiteral("vitrel.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

void VitrelProcess::Activate() const {
    m_session.Activate(m_window);
}

std::vector<WindowId> VitrelProcess::VisibleWindows() const {
    return m_session.VisibleWindowsOf(Pid());
}

QRect VitrelProcess::WindowGeometry() const {
    return m_session.WindowGeometry(m_window);
}

QRect VitrelProcess::FrameGeometry() const {
    return m_session.FrameGeometry(m_window);
}

QPoint VitrelProcess::ClientToScreen(QPoint client) const {
    // The client area is the bottom of the window: the menu bar takes the rest.
    const QRect window = WindowGeometry();
    return QPoint(window.left(), window.bottom() + 1 - kClientSize.height()) + client;
}

void VitrelProcess::Key(const QString& keys) const {
    m_session.Key(keys);
}

void VitrelProcess::Type(const QString& text) const {
    m_session.Type(text);
}

void VitrelProcess::ClickClient(QPoint client) const {
    m_session.Click(ClientToScreen(client));
}

QColor VitrelProcess::ClientPixel(const QImage& screen, QPoint client) const {
    const QPoint position = ClientToScreen(client);
    if (!screen.rect().contains(position)) {
        throw std::out_of_range("client point off the screen");
    }
    return screen.pixelColor(position);
}

QColor VitrelProcess::WaitForClientPixel(QPoint client, const QColor& expected,
                                         std::chrono::milliseconds timeout,
                                         QImage* lastScreen) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    QColor seen;
    do {
        const QImage screen = m_session.Screenshot();
        seen = ClientPixel(screen, client);
        if (lastScreen != nullptr) {
            *lastScreen = screen;
        }
        if (seen.rgb() == expected.rgb()) {
            break;
        }
        QThread::msleep(50);
    } while (std::chrono::steady_clock::now() < deadline);
    return seen;
}

}  // namespace vitrel::e2e
