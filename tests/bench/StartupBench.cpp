// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Cold start to the first mapped window: Vitrel against a minimal Qt Widgets window, run
// alternately on a private X server without a window manager. The clock starts just before
// the process is started and stops at the MapNotify of its first top-level window on the root.
#include <poll.h>
#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "XSession.h"

namespace {

using vitrel::e2e::ChildProcess;
using vitrel::e2e::XSession;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

/// Watches the root window for top-level windows being mapped.
class MapWatcher {
public:
    explicit MapWatcher(const QString& display) {
        m_connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(m_connection) != 0) {
            xcb_disconnect(m_connection);
            throw std::runtime_error("cannot connect to " + display.toStdString());
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        // A round trip: the selection is in force before the first process starts.
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    /// Throws away the events of earlier runs (their windows going away).
    void Drain() {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            std::free(event);
        }
    }

    /// The time of the next MapNotify of a managed top-level window, or nothing on timeout.
    std::optional<Clock::time_point> WaitForMap(Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const auto now = Clock::now();
                bool mapped = false;
                if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    mapped = map->event == m_root && map->override_redirect == 0;
                }
                std::free(event);
                if (mapped) {
                    return now;
                }
            }
            if (xcb_connection_has_error(m_connection) != 0) {
                throw std::runtime_error("lost the X server");
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd poller{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&poller, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        }
        return std::nullopt;
    }

private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

struct Program {
    const char* name;
    QString path;
    std::vector<double> milliseconds;
};

double MeasureOnce(const XSession& session, MapWatcher& watcher, const QString& program) {
    // A first run every time: no settings, no lock, nothing cached by an earlier run.
    QTemporaryDir home;
    QProcessEnvironment environment = session.Environment();
    for (const char* folder : {"config", "data", "runtime"}) {
        QDir().mkpath(home.filePath(QString::fromLatin1(folder)));
    }
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + home.filePath(QStringLiteral("no-bus")));

    watcher.Drain();
    ChildProcess child(program, {}, environment);
    child.SetLogFile(home.filePath(QStringLiteral("output.log")));
    const auto start = Clock::now();
    child.Start();
    const auto mapped = watcher.WaitForMap(start + 30s);
    child.Kill();
    if (!mapped) {
        throw std::runtime_error(program.toStdString() + " mapped no window within 30 s");
    }
    return std::chrono::duration<double, std::milli>(*mapped - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Usage() {
    std::fprintf(stderr, "usage: vitrel_startup_bench [--runs N]   (N >= 1, default 10)\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int runs = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (runs < 1) {
        return Usage();
    }

    try {
        XSession session(XSession::WindowManager::None);
        MapWatcher watcher(session.Display());

        // Vitrel runs from a program folder of its own, as installed.
        QTemporaryDir programFolder;
        const QString vitrel = programFolder.filePath(QStringLiteral("vitrel"));
        if (!QFile::copy(QStringLiteral(VITREL_BINARY), vitrel)) {
            throw std::runtime_error("cannot copy " VITREL_BINARY);
        }
        std::vector<Program> programs{
            {"vitrel", vitrel, {}},
            {"vitrel_minimal_window", QStringLiteral(VITREL_MINIMAL_WINDOW_BINARY), {}}};

        // One unmeasured start of each brings the files into the page cache.
        for (const Program& program : programs) {
            MeasureOnce(session, watcher, program.path);
        }
        for (int run = 0; run < runs; ++run) {
            for (Program& program : programs) {
                program.milliseconds.push_back(MeasureOnce(session, watcher, program.path));
            }
        }

        std::printf(
            "Start to first mapped window, Xvfb without window manager, %d runs each "
            "(after one warm-up run each), milliseconds\n\n",
            runs);
        std::printf("| program | median | min | max |\n|---|---:|---:|---:|\n");
        for (const Program& program : programs) {
            const auto [low, high] =
                std::minmax_element(program.milliseconds.begin(), program.milliseconds.end());
            std::printf("| %s | %.1f | %.1f | %.1f |\n", program.name, Median(program.milliseconds),
                        *low, *high);
        }
        std::printf("\nratio of medians, vitrel / vitrel_minimal_window: %.2f\n",
                    Median(programs[0].milliseconds) / Median(programs[1].milliseconds));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vitrel_startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
