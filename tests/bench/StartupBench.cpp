// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Start-up of Vitrel beside an empty Qt window and one holding a label, on the X server of
// $DISPLAY (`./dev.sh bench` gives it one with xvfb-run) under openbox, with empty and with
// stored settings. Two times from just before the start: "mapped", the first
// MapNotify of a top-level window on the root (under openbox its frame's), and "settled", the
// last move of that window within 300 ms after the map (the map when nothing moves it).
#include <poll.h>
#include <xcb/xcb.h>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Program {
    const char* name;
    QString path;
    std::vector<double> mapped, settled, rss;
};

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

/// The process's resident memory now, in MiB (VmRSS).
double ResidentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) {
                return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
            }
        }
    }
    return 0;
}

/// One start; its times are kept when `counted`.
void MeasureOnce(xcb_connection_t* x, Program& program, bool stored, bool counted) {
    QTemporaryDir home;  // private to the user
    // A desktop session's runtime folder is a tmpfs (/run/user/UID), where a lock file's sync to
    // disk costs nothing: so is this one when the machine has /dev/shm.
    const QTemporaryDir runtime(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/vitrel-bench-XXXXXX")
                                    : home.filePath(QStringLiteral("runtime-XXXXXX")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    if (stored) {
        QSettings settings(home.filePath("config/VITRELLE/VITRELLE.ini"), QSettings::IniFormat);
        for (const QString entry : {"R=10", "G=20", "B=30", "TOP=3000", "LEFT=4500", "OP1=False",
                                    "OP2=True", "OP5=True", "OP6=False", "CCK=0"}) {
            settings.setValue("STERTUP/" + entry.section(u'=', 0, 0), entry.section(u'=', 1));
        }
    }
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {  // of earlier runs
        std::free(event);
    }

    QProcess process;
    process.setProcessEnvironment(environment);
    xcb_window_t window = XCB_NONE;
    QPoint at;  // where the window stands
    const auto start = Clock::now();
    Clock::time_point mapped, settled, deadline = start + 30s;
    process.start(program.path, {});
    for (Clock::time_point now; (now = Clock::now()) < deadline;) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (event == nullptr) {
            pollfd socket{xcb_get_file_descriptor(x), POLLIN, 0};
            ::poll(&socket, 1, static_cast<int>(Milliseconds(deadline - now)) + 1);
            continue;
        }
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        const auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && window == XCB_NONE &&
            map->override_redirect == 0) {
            window = map->window;
            mapped = settled = now;
            deadline = now + 300ms;
            auto* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
            at = geometry != nullptr ? QPoint(geometry->x, geometry->y) : at;
            std::free(geometry);
        } else if ((event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY &&
                   configure->window == window && QPoint(configure->x, configure->y) != at) {
            at = QPoint(configure->x, configure->y);
            settled = now;
        }
        std::free(event);
    }
    const double rss = ResidentMiB(process.processId());
    process.kill();
    process.waitForFinished();
    if (window == XCB_NONE) {
        throw std::runtime_error(std::string(program.name) + " mapped no window within 30 s");
    }
    if (counted) {
        program.mapped.push_back(Milliseconds(mapped - start));
        program.settled.push_back(Milliseconds(settled - start));
        program.rss.push_back(rss);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc == 3 && QByteArray(argv[1]) == "--runs" ? std::atoi(argv[2]) : 20;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (runs < 1 || (argc != 1 && argc != 3) || xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "usage: vitrel_startup_bench [--runs N], on an X server\n");
        return 2;
    }
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root,
                                 XCB_CW_EVENT_MASK, &events);
    // Vitrel runs from a folder of its own, as installed: no favourites of other runs beside it.
    QTemporaryDir folder;
    QFile::copy(VITREL_BINARY, folder.filePath("vitrel"));
    std::vector<Program> programs{{"vitrel", folder.filePath("vitrel"), {}, {}, {}},
                                  {"gothic label window", GOTHIC_WINDOW, {}, {}, {}},
                                  {"label window", LABEL_WINDOW, {}, {}, {}},
                                  {"bare window", BARE_WINDOW, {}, {}, {}}};

    std::printf(
        "Milliseconds, %d runs each, alternating, after one warm-up run each; ratios to the\n"
        "gothic label window are medians of each round's ratio; resident memory at the\n"
        "settled time.\n\n"
        "| settings | program | mapped: median | min | max | settled: median "
        "| mapped / bare | mapped / gothic | settled / gothic | RSS MiB | RSS / gothic |\n"
        "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n",
        runs);
    try {
        // A user's desktop has a window manager; it runs its start-up command once it manages
        // the screen.
        QProcess windowManager;
        const QString ready = folder.filePath("openbox-ready");
        windowManager.start("openbox", {"--sm-disable", "--startup", "touch " + ready});
        for (int i = 0; i < 500 && !QFile::exists(ready); ++i) {
            QThread::msleep(20);
        }
        if (!QFile::exists(ready)) {
            throw std::runtime_error("openbox did not start");
        }
        const auto paired = [](const std::vector<double>& a, const std::vector<double>& b) {
            std::vector<double> ratios;
            for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
                ratios.push_back(a[i] / b[i]);
            }
            return Median(ratios);
        };
        for (const bool stored : {false, true}) {
            // Run 0 brings the files into the page cache and is not counted.
            for (int run = 0; run <= runs; ++run) {
                for (Program& program : programs) {
                    MeasureOnce(x, program, stored, run > 0);
                }
            }
            const Program& gothic = programs[1];
            for (Program& program : programs) {
                const auto [low, high] =
                    std::minmax_element(program.mapped.begin(), program.mapped.end());
                std::printf(
                    "| %s | %s | %.1f | %.1f | %.1f | %.1f | %.2f | %.2f | %.2f | %.1f | %.2f |\n",
                    stored ? "stored" : "first run", program.name, Median(program.mapped), *low,
                    *high, Median(program.settled),
                    Median(program.mapped) / Median(programs.back().mapped),
                    paired(program.mapped, gothic.mapped), paired(program.settled, gothic.settled),
                    Median(program.rss), Median(program.rss) / Median(gothic.rss));
            }
            for (Program& program : programs) {
                program.mapped.clear();
                program.settled.clear();
                program.rss.clear();
            }
        }
        windowManager.terminate();
        windowManager.waitForFinished();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vitrel_startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
