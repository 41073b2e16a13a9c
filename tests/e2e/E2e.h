// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The X tools that drive and read the shared X server (x-session.sh), and the program under
// test. Positions called "client" are in the main window's client area, below the menu bar,
// where its layout is drawn.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>
#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace vitrel::e2e {

using Settings = std::map<std::string, std::string>;

constexpr int kTwipsPerPixel = 15;  // the server runs at 96 DPI
constexpr QSize kScreen{2560, 1440};
// Inside the preview's border, the middle of the close button, the canvas's first pixel.
constexpr QPoint kPreview{420, 42};
constexpr QPoint kCloseButton{420, 164};
constexpr QPoint kCanvas{10, 112};

inline std::string Name(const QColor& colour) {
    return colour.name().toStdString();
}

/// Runs a tool to its end: its standard output. When it fails: an exception if `required`,
/// else nothing. No output channel is shared with it: xclip leaves a process behind.
inline QByteArray Tool(const QStringList& command, const QByteArray& input = {},
                       bool required = true) {
    QProcess tool;
    tool.start(command.front(), command.mid(1));
    tool.write(input);
    tool.closeWriteChannel();
    if (tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit &&
        tool.exitCode() == 0) {
        return tool.readAllStandardOutput();
    }
    if (required) {
        throw std::runtime_error(
            command.join(u' ').toStdString() + " failed:\n" +
            (tool.readAllStandardOutput() + tool.readAllStandardError()).toStdString());
    }
    return {};
}

/// Asks `done` every 50 ms until it holds, for at most five seconds; whether it held.
inline bool WaitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (; !done(); QThread::msleep(50)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
    }
    return true;
}

inline void Key(const QString& keys) {  // xdotool's names: "ctrl+q", "alt+F4", "Tab"
    Tool(QStringList{"xdotool", "key", "--delay", "30"} + keys.split(u' '));
}

inline void Type(const QString& text) {
    Tool({"xdotool", "type", "--delay", "30", "--", text});
}

/// What the screen shows; in a Wayland session only the compositor can say.
inline QImage Screenshot() {
    const QByteArray png = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
                               ? Tool({"grim", "-"})
                               : Tool({"import", "-window", "root", "png:-"});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

/// The clipboard as another program reads it; empty when it has nothing in that format.
inline QByteArray Clipboard(const QString& target) {
    return Tool({"xclip", "-selection", "clipboard", "-o", "-t", target}, {}, false);
}

/// xclip stays behind as the owner until another program takes the clipboard.
inline void SetClipboard(const QString& target, const QByteArray& data) {
    Tool({"xclip", "-selection", "clipboard", "-i", "-t", target}, data);
    EXPECT_TRUE(WaitUntil([&] { return Clipboard(target) == data; })) << "xclip has not got it";
}

/// The whole group as closing stores it: the channels, the six options as 1s and 0s ("100001":
/// OP1 and OP6), the name box and, when given, the frame's position in twips.
inline Settings Stored(int red, int green, int blue, const std::string& options, int nameBox,
                       std::optional<QRect> frame = {}) {
    Settings stored{{"R", std::to_string(red)},
                    {"G", std::to_string(green)},
                    {"B", std::to_string(blue)},
                    {"CCK", std::to_string(nameBox)}};
    for (std::size_t i = 0; i < options.size(); ++i) {
        stored["OP" + std::to_string(i + 1)] = options[i] == '1' ? "True" : "False";
    }
    if (frame) {
        stored["TOP"] = std::to_string(frame->top() * kTwipsPerPixel);
        stored["LEFT"] = std::to_string(frame->left() * kTwipsPerPixel);
    }
    return stored;
}

/// Where openbox puts a new window on an empty screen.
inline QPoint Centred(QSize frame) {
    return {(kScreen.width() - frame.width()) / 2, (kScreen.height() - frame.height()) / 2};
}

/// A top-level window in the window manager's frame (none under sway): the frame's rectangle,
/// and the window's own in `window`.
inline QRect FrameOf(const QString& id, QRect* window = nullptr) {
    const QRegularExpression pattern(R"(X: *(-?\d+).*?Y: *(-?\d+).*?Width: (\d+).*?Height: (\d+))"
                                     R"((?:.*?Frame extents: (\d+), (\d+), (\d+), (\d+))?)",
                                     QRegularExpression::DotMatchesEverythingOption);
    const auto match = pattern.match(Tool({"xwininfo", "-id", id, "-stats", "-wm"}));
    const auto number = [&match](int i) { return match.captured(i).toInt(); };
    const QRect inside(number(1), number(2), number(3), number(4));
    if (window != nullptr) {
        *window = inside;
    }
    return inside.adjusted(-number(5), -number(7), number(6), number(8));
}

/// The program with configuration, data and runtime folders of its own.
class Vitrel {
public:
    /// `stored`: settings to start with, as written down: "R=300 TOP=999999".
    explicit Vitrel(const QString& stored = {}) {
        QSettings settings(SettingsPath(), QSettings::IniFormat);
        for (const QString& entry : stored.split(u' ', Qt::SkipEmptyParts)) {
            settings.setValue("STERTUP/" + entry.section(u'=', 0, 0), entry.section(u'=', 1));
        }
    }
    ~Vitrel() {
        m_process.kill();
        m_process.waitForFinished();
    }
    Vitrel(const Vitrel&) = delete;
    Vitrel& operator=(const Vitrel&) = delete;

    [[nodiscard]] QString SettingsPath() const {
        return m_dir.filePath("config/VITRELLE/VITRELLE.ini");
    }
    [[nodiscard]] Settings ReadSettings() const {
        QSettings settings(SettingsPath(), QSettings::IniFormat);
        settings.beginGroup("STERTUP");
        Settings stored;
        for (const QString& key : settings.childKeys()) {
            stored[key.toStdString()] = settings.value(key).toString().toStdString();
        }
        return stored;
    }
    [[nodiscard]] QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", m_dir.path());  // private to the user, as it must be
        return environment;
    }

    /// Starts the program and returns once its window is shown, painted and active.
    void Start(bool captureError = false) {
        QProcessEnvironment environment = Environment();
        environment.insert(extraEnvironment);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(captureError ? QProcess::ForwardedOutputChannel
                                                     : QProcess::ForwardedChannels);
        const QStringList command = wrapper + QStringList(program);
        m_process.start(command.front(), command.mid(1));
        QStringList windows;
        WaitUntil([&] {
            windows = WindowIds();
            return !windows.isEmpty() || m_process.waitForFinished(0);
        });
        if (windows.isEmpty()) {
            throw std::runtime_error("vitrel showed no window; exit code " +
                                     std::to_string(m_process.exitCode()));
        }
        m_window = windows.front();
        // sway activates a new window itself, and offers no way to ask for it.
        Tool({"xdotool", "windowactivate", "--sync", m_window}, {}, false);
        // Painted: an unpainted window is black, like a black preview.
        WaitUntil([this] { return Pixel(Screenshot(), kCloseButton) != Qt::black; });
    }
    void Signal(int number) const { ::kill(static_cast<pid_t>(m_process.processId()), number); }
    [[nodiscard]] qint64 Pid() const { return m_process.processId(); }
    /// The exit status once the program has ended, or std::nullopt while it still runs after
    /// `milliseconds`.
    std::optional<int> WaitForExit(int milliseconds = 10000) {
        if (!m_process.waitForFinished(milliseconds) ||
            m_process.exitStatus() != QProcess::NormalExit) {
            return std::nullopt;
        }
        return m_process.exitCode();
    }
    /// What the program wrote to standard error (when started with `captureError`).
    [[nodiscard]] QByteArray StandardError() { return m_process.readAllStandardError(); }
    QProcessEnvironment extraEnvironment;  // added to the program's environment
    QStringList wrapper;                   // runs the program, as `setpriv ...` does
    QString program = VITREL_BINARY;       // a copy elsewhere has its own program folder
    [[nodiscard]] QString Folder() const { return m_dir.path(); }
    /// Runs the program as the user nobody (when the tests run as root, which writes into
    /// read-only files anyway), with its folders given to that user.
    void AsAnotherUser() {
        if (::geteuid() == 0) {
            Tool({"sh", "-c",
                  QString("chmod -R a+rwX %1 && chown -R nobody %1 && chmod 700 %1")
                      .arg(m_dir.path())});
            wrapper = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
        }
    }

    /// The visible top-level windows: the main window, an open menu, dialogs.
    [[nodiscard]] QStringList WindowIds() const {
        const QString found = Tool(
            {"xdotool", "search", "--onlyvisible", "--pid", QString::number(m_process.processId())},
            {}, false);
        return found.split(u'\n', Qt::SkipEmptyParts);
    }
    /// The main window, menu bar included, in openbox's frame: the frame's rectangle, and the
    /// window's own in `window`.
    QRect Frame(QRect* window = nullptr) const { return FrameOf(m_window, window); }
    [[nodiscard]] QString WindowId() const { return m_window; }
    /// The one visible window beside the main window: a dialog, the lens; empty if none.
    [[nodiscard]] QString OtherWindow() const {
        const QStringList windows = WindowIds();
        return windows.size() == 2 ? windows.at(windows.at(0) == m_window ? 1 : 0) : QString();
    }
    void Click(QPoint client) const {
        const QPoint at = ToScreen(client);
        Tool({"xdotool", "mousemove", QString::number(at.x()), QString::number(at.y()), "click",
              "1"});
    }
    [[nodiscard]] QColor Pixel(const QImage& screen, QPoint client) const {
        return screen.pixelColor(ToScreen(client));
    }
    /// Takes screenshots until the client pixel has `expected`; the colour last seen.
    std::string WaitForPixel(QPoint client, const QColor& expected) const {
        QColor seen;
        WaitUntil([&] {
            seen = Pixel(Screenshot(), client);
            return seen.rgb() == expected.rgb();
        });
        return Name(seen);
    }

private:
    [[nodiscard]] QPoint ToScreen(QPoint client) const {
        QRect window;
        Frame(&window);
        // The client area is the window's bottom part, 184 pixels high at a scale of 1.
        const int scale = extraEnvironment.value("QT_SCALE_FACTOR", "1").toInt();
        return client * scale + QPoint(window.left(), window.bottom() + 1 - 184 * scale);
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_window;
};

}  // namespace vitrel::e2e
