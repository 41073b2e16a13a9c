// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ClipboardManager.h"

#include <poll.h>
#include <xcb/xcb.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace vitrel::e2e {
namespace {

using namespace std::chrono_literals;

// Shorter than the 5 s an exiting Qt program waits for the answer, so a stuck handover is
// answered (as failed) before the program gives up on its own.
constexpr auto kFetchTimeout = 3s;
constexpr int kPollMilliseconds = 50;
constexpr std::uint32_t kMaxPropertyWords = 1U << 20;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Owned = std::unique_ptr<T, FreeDeleter>;

enum AtomName : std::size_t {
    kClipboard,
    kClipboardManager,
    kSaveTargets,
    kTargets,
    kUtf8String,
    kText,
    kTextPlainUtf8,
    kTransfer,  // the property on our window that owners write into
    kAtomCount
};
constexpr std::array<const char*, kAtomCount> kAtomNames = {
    "CLIPBOARD", "CLIPBOARD_MANAGER",        "SAVE_TARGETS",       "TARGETS", "UTF8_STRING",
    "TEXT",      "text/plain;charset=utf-8", "VITREL_E2E_TRANSFER"};

}  // namespace

struct ClipboardManager::Impl {
    explicit Impl(const QString& display);
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void Run(const std::stop_token& stop);
    void Handle(const xcb_generic_event_t& event);
    void OnRequest(const xcb_selection_request_event_t& request);
    void OnFetched(const xcb_selection_notify_event_t& notify);
    void FetchNext();
    void FinishSave();
    void Serve(const xcb_selection_request_event_t& request);
    /// The served text: UTF8_STRING when the owner gave it, else its text/plain.
    [[nodiscard]] QByteArray ServedText() const;
    void Notify(const xcb_selection_request_event_t& request, xcb_atom_t property);
    void Put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type, std::uint8_t format,
             std::uint32_t count, const void* data);

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = XCB_NONE;
    std::array<xcb_atom_t, kAtomCount> m_atoms{};

    // A handover in progress: the SAVE_TARGETS request to answer, the targets still to fetch
    // and what was fetched so far.
    std::optional<xcb_selection_request_event_t> m_saveRequest;
    std::chrono::steady_clock::time_point m_deadline;
    std::deque<xcb_atom_t> m_toFetch;
    xcb_atom_t m_fetching = XCB_NONE;
    std::map<xcb_atom_t, QByteArray> m_fetched;

    // What this manager serves while it owns CLIPBOARD.
    std::map<xcb_atom_t, QByteArray> m_served;
    bool m_ownsClipboard = false;

    std::mutex m_mutex;
    std::optional<QByteArray> m_savedText;
};

ClipboardManager::Impl::Impl(const QString& display) {
    int screenNumber = 0;
    m_connection = xcb_connect(display.toLocal8Bit().constData(), &screenNumber);
    if (xcb_connection_has_error(m_connection) != 0) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("clipboard manager: cannot connect to " + display.toStdString());
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    m_window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screens.data->root, 0, 0, 1, 1,
                      0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);

    std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies{};
    for (std::size_t i = 0; i < kAtomCount; ++i) {
        cookies[i] = xcb_intern_atom(m_connection, 0, std::strlen(kAtomNames[i]), kAtomNames[i]);
    }
    for (std::size_t i = 0; i < kAtomCount; ++i) {
        const Owned<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(m_connection, cookies[i], nullptr));
        m_atoms[i] = reply ? reply->atom : XCB_NONE;
    }

    const auto owner = [this] {
        const Owned<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
            m_connection, xcb_get_selection_owner(m_connection, m_atoms[kClipboardManager]),
            nullptr));
        return reply ? reply->owner : XCB_NONE;
    };
    if (owner() == XCB_NONE) {
        xcb_set_selection_owner(m_connection, m_window, m_atoms[kClipboardManager],
                                XCB_CURRENT_TIME);
    }
    if (owner() != m_window) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("clipboard manager: CLIPBOARD_MANAGER is taken on " +
                                 display.toStdString());
    }
}

ClipboardManager::Impl::~Impl() {
    // Closing the connection gives up both selections and removes the window.
    xcb_disconnect(m_connection);
}

void ClipboardManager::Impl::Run(const std::stop_token& stop) {
    pollfd socket{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (!stop.stop_requested() && xcb_connection_has_error(m_connection) == 0) {
        while (const Owned<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
            Handle(*event);
        }
        if (m_saveRequest && std::chrono::steady_clock::now() > m_deadline) {
            m_toFetch.clear();  // the owner does not answer: keep what came
            FinishSave();
        }
        xcb_flush(m_connection);
        ::poll(&socket, 1, kPollMilliseconds);
    }
}

void ClipboardManager::Impl::Handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7f) {
        case XCB_SELECTION_REQUEST:
            OnRequest(reinterpret_cast<const xcb_selection_request_event_t&>(event));
            break;
        case XCB_SELECTION_NOTIFY:
            OnFetched(reinterpret_cast<const xcb_selection_notify_event_t&>(event));
            break;
        case XCB_SELECTION_CLEAR:
            if (reinterpret_cast<const xcb_selection_clear_event_t&>(event).selection ==
                m_atoms[kClipboard]) {
                m_ownsClipboard = false;
                m_served.clear();
            }
            break;
        default:
            break;
    }
}

void ClipboardManager::Impl::OnRequest(const xcb_selection_request_event_t& request) {
    if (request.selection == m_atoms[kClipboard] && m_ownsClipboard) {
        Serve(request);
        return;
    }
    if (request.selection != m_atoms[kClipboardManager]) {
        Notify(request, XCB_NONE);
        return;
    }
    if (request.target == m_atoms[kTargets]) {
        const std::array<xcb_atom_t, 2> targets{m_atoms[kTargets], m_atoms[kSaveTargets]};
        Put(request.requestor, request.property, XCB_ATOM_ATOM, 32, targets.size(), targets.data());
        Notify(request, request.property);
        return;
    }
    if (request.target != m_atoms[kSaveTargets] || m_saveRequest) {
        Notify(request, XCB_NONE);
        return;
    }
    m_saveRequest = request;
    m_deadline = std::chrono::steady_clock::now() + kFetchTimeout;
    m_fetched.clear();
    m_toFetch.assign({m_atoms[kTargets]});
    FetchNext();
}

void ClipboardManager::Impl::FetchNext() {
    if (m_toFetch.empty()) {
        FinishSave();
        return;
    }
    m_fetching = m_toFetch.front();
    m_toFetch.pop_front();
    xcb_convert_selection(m_connection, m_window, m_atoms[kClipboard], m_fetching,
                          m_atoms[kTransfer], XCB_CURRENT_TIME);
}

void ClipboardManager::Impl::OnFetched(const xcb_selection_notify_event_t& notify) {
    if (!m_saveRequest || notify.requestor != m_window || notify.target != m_fetching) {
        return;  // late, after a timed-out handover
    }
    if (notify.property != XCB_NONE) {
        const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 1, m_window, notify.property, XCB_GET_PROPERTY_TYPE_ANY,
                             0, kMaxPropertyWords),
            nullptr));
        if (reply && m_fetching == m_atoms[kTargets] && reply->type == XCB_ATOM_ATOM) {
            const auto* offered =
                static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
            const int count = xcb_get_property_value_length(reply.get()) / 4;
            for (xcb_atom_t wanted : {m_atoms[kUtf8String], m_atoms[kTextPlainUtf8]}) {
                if (std::find(offered, offered + count, wanted) != offered + count) {
                    m_toFetch.push_back(wanted);
                }
            }
        } else if (reply && m_fetching != m_atoms[kTargets] && reply->format == 8) {
            m_fetched[m_fetching] =
                QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
        }
    }
    FetchNext();
}

void ClipboardManager::Impl::FinishSave() {
    m_fetching = XCB_NONE;
    bool saved = false;
    if (!m_fetched.empty()) {
        m_served = std::move(m_fetched);
        m_fetched.clear();
        xcb_set_selection_owner(m_connection, m_window, m_atoms[kClipboard], XCB_CURRENT_TIME);
        const Owned<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            m_connection, xcb_get_selection_owner(m_connection, m_atoms[kClipboard]), nullptr));
        m_ownsClipboard = owner && owner->owner == m_window;
        saved = m_ownsClipboard;
    }
    if (saved) {
        const std::scoped_lock lock(m_mutex);
        m_savedText = ServedText();
    }
    // The program may end once it has this answer: the text must be served by now.
    Notify(*m_saveRequest, saved ? m_saveRequest->property : XCB_NONE);
    m_saveRequest.reset();
}

void ClipboardManager::Impl::Serve(const xcb_selection_request_event_t& request) {
    // Obsolete requestors name no property: the target then serves as one.
    const xcb_atom_t property = request.property != XCB_NONE ? request.property : request.target;
    const QByteArray utf8 = ServedText();
    if (request.target == m_atoms[kTargets]) {
        std::vector<xcb_atom_t> targets{m_atoms[kTargets], m_atoms[kUtf8String], XCB_ATOM_STRING,
                                        m_atoms[kText]};
        if (m_served.count(m_atoms[kTextPlainUtf8]) != 0) {
            targets.push_back(m_atoms[kTextPlainUtf8]);
        }
        Put(request.requestor, property, XCB_ATOM_ATOM, 32, targets.size(), targets.data());
    } else if (request.target == XCB_ATOM_STRING) {
        const QByteArray latin1 = QString::fromUtf8(utf8).toLatin1();
        Put(request.requestor, property, XCB_ATOM_STRING, 8, latin1.size(), latin1.constData());
    } else if (request.target == m_atoms[kUtf8String] || request.target == m_atoms[kText] ||
               (request.target == m_atoms[kTextPlainUtf8] &&
                m_served.count(m_atoms[kTextPlainUtf8]) != 0)) {
        const xcb_atom_t type =
            request.target == m_atoms[kText] ? m_atoms[kUtf8String] : request.target;
        Put(request.requestor, property, type, 8, utf8.size(), utf8.constData());
    } else {
        Notify(request, XCB_NONE);
        return;
    }
    Notify(request, property);
}

QByteArray ClipboardManager::Impl::ServedText() const {
    const auto utf8 = m_served.find(m_atoms[kUtf8String]);
    return utf8 != m_served.end() ? utf8->second : m_served.begin()->second;
}

void ClipboardManager::Impl::Put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type,
                                 std::uint8_t format, std::uint32_t count, const void* data) {
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, requestor, property, type, format,
                        count, data);
}

void ClipboardManager::Impl::Notify(const xcb_selection_request_event_t& request,
                                    xcb_atom_t property) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(m_connection);
}

ClipboardManager::ClipboardManager(const QString& display)
    : m_impl(std::make_unique<Impl>(display)),
      m_thread([impl = m_impl.get()](const std::stop_token& stop) { impl->Run(stop); }) {}

ClipboardManager::~ClipboardManager() {
    m_thread.request_stop();
    m_thread.join();
}

std::optional<QByteArray> ClipboardManager::SavedText() const {
    const std::scoped_lock lock(m_impl->m_mutex);
    return m_impl->m_savedText;
}

}  // namespace vitrel::e2e
