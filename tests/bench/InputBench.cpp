// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// From an input event to the screen, end to end, on the X server of $DISPLAY (no window
// manager), over a desktop picture of many colours: Vitrel and plain Qt doing the same work
// (vitrel_plain_window) side by side, each action taken in turn in the one and the other. For
// each: the time from the XTest event to the first X damage of the part of the window that
// must change, and the area of the window repainted in all. Actions: one step of dragging the
// green slider (target: the preview), a click on the canvas (the preview), a click on the
// camera button (the canvas). Positions are in the client area below the menu bar.
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr QRect kPreview{378, 10, 85, 64};
constexpr QRect kCanvas{10, 112, 64, 64};
constexpr QPoint kCameraButton{41, 93};
constexpr QPoint kGreenThumb{158, 40};

struct Result {
    std::vector<double> latency, area;
};

class Session {
public:
    Session(xcb_connection_t* x, const QString& program, int left) : m_x(x) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(x);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
            environment.insert(name, m_home.path());
        }
        m_process.setProcessEnvironment(environment);
        m_process.start(program, {});
        while (m_window == XCB_NONE) {
            xcb_generic_event_t* event = xcb_wait_for_event(x);
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && map->override_redirect == 0 &&
                map->event == root) {
                m_window = map->window;
            }
            std::free(event);
        }
        const std::uint32_t place[] = {static_cast<std::uint32_t>(left), 0};
        xcb_configure_window(x, m_window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
        auto* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, m_window), nullptr);
        m_clientTop = geometry->height - 184;
        m_origin = QPoint(left, m_clientTop);
        std::free(geometry);
        const std::uint32_t none = 0;
        xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &none);
        m_damageEvent = xcb_get_extension_data(x, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
        xcb_damage_create(x, xcb_generate_id(x), m_window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        QThread::msleep(500);
    }
    ~Session() {
        m_process.kill();
        m_process.waitForFinished();
    }

    void Move(QPoint client) { Fake(XCB_MOTION_NOTIFY, 0, m_origin + client); }
    void Button(bool press) { Fake(press ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, 1, {}); }
    void Click() {
        Button(true);
        Button(false);
    }
    /// Takes the action once, timed to the first damage inside `target` (client coordinates);
    /// its damage is summed until the window is quiet for 50 ms. What came before (the pointer
    /// put in place) is over and forgotten first.
    void Measure(Result& result, const QRect& target, const std::function<void()>& act) {
        xcb_flush(m_x);
        QThread::msleep(100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_x)) {
            std::free(event);
        }
        const auto start = Clock::now();
        act();
        xcb_flush(m_x);
        double first = -1;
        double area = 0;
        while (xcb_generic_event_t* event = NextDamage(first < 0 ? 2000 : 50)) {
            const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
            const QRect rect(notify->area.x, notify->area.y - m_clientTop, notify->area.width,
                             notify->area.height);
            area += double(rect.width()) * rect.height();
            if (first < 0 && rect.intersects(target)) {
                first = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            }
            std::free(event);
        }
        result.latency.push_back(first);
        result.area.push_back(area);
    }

private:
    void Fake(std::uint8_t type, std::uint8_t detail, QPoint at) {
        xcb_test_fake_input(m_x, type, detail, XCB_CURRENT_TIME,
                            xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root,
                            static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y()),
                            0);
    }
    /// The next damage event within `milliseconds`, or nothing.
    xcb_generic_event_t* NextDamage(int milliseconds) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
        for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_x);
            if (event == nullptr) {
                pollfd socket{xcb_get_file_descriptor(m_x), POLLIN, 0};
                ::poll(&socket, 1,
                       1 + int(std::chrono::duration<double, std::milli>(deadline - now).count()));
            } else if ((event->response_type & 0x7F) == m_damageEvent) {
                return event;
            } else {
                std::free(event);
            }
        }
        return nullptr;
    }

    xcb_connection_t* m_x;
    xcb_window_t m_window = XCB_NONE;
    QPoint m_origin;
    int m_clientTop = 0;
    std::uint8_t m_damageEvent = 0;
    QTemporaryDir m_home;
    QProcess m_process;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc == 3 && QByteArray(argv[1]) == "--runs" ? std::atoi(argv[2]) : 50;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (runs < 1 || xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "usage: vitrel_input_bench [--runs N], on an X server\n");
        return 2;
    }
    // Each connection's XTest events go to the X server's one pointer: one session's windows
    // at a time are clicked, in turn.
    Session vitrel(x, VITREL_BINARY, 0);
    Session plain(x, PLAIN_WINDOW, 600);
    Session* sessions[] = {&vitrel, &plain};
    Result results[2][3];
    for (Session* session : sessions) {
        session->Move(kCameraButton);
        session->Click();  // a picture of the desktop in the canvas to pick from
    }
    // The pointer is put in place before each action, which is only the click or the move.
    for (int run = 0; run < runs; ++run) {  // dragging first, from where the thumb stands
        for (int p = 0; p < 2; ++p) {
            Session& session = *sessions[p];
            session.Move(kGreenThumb + QPoint(run % 2 == 0 ? 0 : 60, 0));
            session.Button(true);
            session.Measure(results[p][0], kPreview,
                            [&] { session.Move(kGreenThumb + QPoint(run % 2 == 0 ? 60 : 0, 0)); });
            session.Button(false);
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < 2; ++p) {
            Session& session = *sessions[p];
            session.Move(kCanvas.topLeft() + QPoint(7 * run % 64, 63 - 5 * run % 64));
            session.Measure(results[p][1], kPreview, [&] { session.Click(); });
            session.Move(kCameraButton);
            session.Measure(results[p][2], kCanvas, [&] { session.Click(); });
        }
    }
    std::printf(
        "Milliseconds from the XTest event to the first damage of the target, and the pixels "
        "repainted; medians of %d runs, the two programs in turn.\n\n"
        "| action | program | latency | pixels | latency / plain Qt |\n|---|---|---:|---:|---:|\n",
        runs);
    const char* names[] = {"drag step on a slider", "click on the canvas", "snapshot"};
    for (int a = 0; a < 3; ++a) {
        for (int p = 0; p < 2; ++p) {
            std::printf("| %s | %s | %.2f | %.0f | %.2f |\n", names[a],
                        p == 0 ? "vitrel" : "plain Qt", Median(results[p][a].latency),
                        Median(results[p][a].area),
                        Median(results[p][a].latency) / Median(results[1][a].latency));
        }
    }
    return 0;
}
