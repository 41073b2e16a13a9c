// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "XSession.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <cerrno>
#include <stdexcept>

namespace vitrel::e2e {
namespace {

using namespace std::chrono_literals;

QString ReadLog(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

// The number after `label` in xwininfo's output; throws when it is missing.
long Field(const QString& text, const QString& label, int base = 10) {
    const QRegularExpression pattern(QRegularExpression::escape(label) +
                                     QStringLiteral(R"(\s*(-?(?:0x)?[0-9a-fA-F]+))"));
    const QRegularExpressionMatch match = pattern.match(text);
    bool ok = false;
    const long value = match.hasMatch() ? match.captured(1).toLong(&ok, base) : 0;
    if (!ok) {
        throw std::runtime_error("xwininfo output without \"" + label.toStdString() +
                                 "\": " + text.toStdString());
    }
    return value;
}

/// Reads the display number Xvfb writes to its -displayfd once it accepts connections.
QString ReadDisplayNumber(int fd, std::chrono::milliseconds timeout) {
    QByteArray text;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!text.contains('\n')) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left <= 0ms) {
            return {};
        }
        pollfd poller{fd, POLLIN, 0};
        const int ready = ::poll(&poller, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return {};
        }
        char buffer[32];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count <= 0) {
            return {};  // the server ended without a display
        }
        text.append(buffer, count);
    }
    return QString::fromLatin1(text).trimmed();
}

}  // namespace

QString HexId(WindowId window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

XSession::XSession(WindowManager windowManager) {
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary folder for the X session");
    }
    StartServer();
    if (windowManager == WindowManager::Openbox) {
        StartWindowManager();
    }
}

XSession::~XSession() {
    // The window manager first, while its server is still there to talk to.
    m_windowManager.reset();
    m_server.reset();
}

void XSession::StartServer() {
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    const int readEnd = fds[0];
    const int writeEnd = fds[1];
    const QString log = m_dir.filePath(QStringLiteral("xvfb.log"));
    m_server = std::make_unique<ChildProcess>(
        QStringLiteral("Xvfb"),
        QStringList{QStringLiteral("-displayfd"), QString::number(writeEnd),
                    QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(kScreenSize.width()).arg(kScreenSize.height()),
                    QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")},
        QProcessEnvironment::systemEnvironment());
    m_server->SetLogFile(log);
    // Only the server gets the write end; every other child closes it at exec.
    m_server->SetChildSetup([writeEnd] { ::fcntl(writeEnd, F_SETFD, 0); });
    try {
        m_server->Start();
    } catch (...) {
        ::close(readEnd);
        ::close(writeEnd);
        throw;
    }
    ::close(writeEnd);
    const QString number = ReadDisplayNumber(readEnd, 15s);
    ::close(readEnd);
    if (number.isEmpty()) {
        throw std::runtime_error("Xvfb did not report a display: " + ReadLog(log).toStdString());
    }
    m_display = u':' + number;
}

void XSession::StartWindowManager() {
    // The first synthetic key switches the server's core keyboard over to the XTEST device,
    // which announces a new keyboard map; openbox answers that by dropping and re-making its
    // key bindings, and an Alt+F4 arriving meanwhile would go to the focused program instead.
    // One key now, before openbox runs, leaves nothing to change later.
    Key(QStringLiteral("shift"));

    QProcessEnvironment environment = Environment();
    // openbox's own configuration and cache stay in the session's folder.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
    const QString log = m_dir.filePath(QStringLiteral("openbox.log"));
    // openbox runs its start-up command once it is fully set up, key bindings included; the
    // window-manager check on the root appears earlier, before Alt+F4 is bound.
    const QString ready = m_dir.filePath(QStringLiteral("openbox-ready"));
    m_windowManager = std::make_unique<ChildProcess>(
        QStringLiteral("openbox"),
        QStringList{QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                    QStringLiteral("touch '%1'").arg(ready)},
        environment);
    m_windowManager->SetLogFile(log);
    m_windowManager->Start();

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (QFileInfo::exists(ready)) {
            return;
        }
        if (!m_windowManager->IsRunning()) {
            break;
        }
        QThread::msleep(20);
    }
    throw std::runtime_error("openbox did not take over the screen: " + ReadLog(log).toStdString());
}

QProcessEnvironment XSession::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER", "QT_SCALE_FACTOR",
          "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    return environment;
}

ChildProcess::Result XSession::TryTool(const QString& program, const QStringList& arguments,
                                       std::chrono::milliseconds timeout) const {
    return ChildProcess::Run(program, arguments, Environment(), timeout);
}

QByteArray XSession::Tool(const QString& program, const QStringList& arguments,
                          std::chrono::milliseconds timeout) const {
    const ChildProcess::Result result = TryTool(program, arguments, timeout);
    if (result.exit.crashed || result.exit.code != 0) {
        throw std::runtime_error((program + u' ' + arguments.join(u' ')).toStdString() +
                                 " failed: " + result.standardError.toStdString());
    }
    return result.standardOutput;
}

void XSession::Key(const QString& keys) const {
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")};
    arguments += keys.split(u' ', Qt::SkipEmptyParts);
    Tool(QStringLiteral("xdotool"), arguments);
}

void XSession::Type(const QString& text) const {
    Tool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                     QStringLiteral("30"), QStringLiteral("--"), text});
}

void XSession::Click(QPoint screenPosition) const {
    Tool(
        QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screenPosition.x()),
         QString::number(screenPosition.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void XSession::Activate(WindowId window) const {
    Tool(QStringLiteral("xdotool"),
         {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
}

WindowId XSession::ActiveWindow() const {
    const auto result = TryTool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
    return result.exit.code == 0 ? result.standardOutput.trimmed().toUInt() : 0;
}

std::vector<WindowId> XSession::VisibleWindowsOf(qint64 pid) const {
    const auto result = TryTool(QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--pid"), QString::number(pid)});
    std::vector<WindowId> windows;
    for (const QByteArray& line : result.standardOutput.split('\n')) {
        bool ok = false;
        const WindowId window = line.trimmed().toUInt(&ok);
        if (ok) {
            windows.push_back(window);
        }
    }
    return windows;
}

QRect XSession::WindowGeometry(WindowId window) const {
    const QString info = QString::fromLocal8Bit(
        Tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), HexId(window)}));
    return {static_cast<int>(Field(info, QStringLiteral("Absolute upper-left X:"))),
            static_cast<int>(Field(info, QStringLiteral("Absolute upper-left Y:"))),
            static_cast<int>(Field(info, QStringLiteral("Width:"))),
            static_cast<int>(Field(info, QStringLiteral("Height:")))};
}

WindowId XSession::ParentOf(WindowId window, WindowId* root) const {
    const QString tree = QString::fromLocal8Bit(
        Tool(QStringLiteral("xwininfo"),
             {QStringLiteral("-tree"), QStringLiteral("-id"), HexId(window)}));
    *root = static_cast<WindowId>(Field(tree, QStringLiteral("Root window id:"), 0));
    return static_cast<WindowId>(Field(tree, QStringLiteral("Parent window id:"), 0));
}

QRect XSession::FrameGeometry(WindowId window) const {
    WindowId outer = window;
    for (int depth = 0; depth < 16; ++depth) {
        WindowId root = 0;
        const WindowId parent = ParentOf(outer, &root);
        if (parent == root || parent == 0) {
            break;
        }
        outer = parent;
    }
    const QString info = QString::fromLocal8Bit(
        Tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), HexId(outer)}));
    const int border = static_cast<int>(Field(info, QStringLiteral("Border width:")));
    const QRect inner = WindowGeometry(outer);
    return inner.adjusted(-border, -border, border, border);
}

QImage XSession::Screenshot() const {
    const QString path = m_dir.filePath(QStringLiteral("screen.png"));
    QFile::remove(path);
    Tool(QStringLiteral("import"),
         {QStringLiteral("-display"), m_display, QStringLiteral("-window"), QStringLiteral("root"),
          QStringLiteral("png:") + path},
         std::chrono::milliseconds(20000));
    QImage image(path);
    if (image.isNull()) {
        throw std::runtime_error("cannot read the screenshot " + path.toStdString());
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vitrel::e2e
