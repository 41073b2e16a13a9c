// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/X11SelectionReading.h"

#include <errno.h>
#include <poll.h>
#include <xcb/xcb.h>

#include <QStringList>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "qt/ClipboardPicture.h"
#include "qt/QtClipboard.h"
#include "qt/Xcb.h"

namespace vitrel {
namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t* connection, const QByteArray& name) {
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

/// The names of a list of atoms, asked for all at once.
QStringList AtomNames(xcb_connection_t* connection, const xcb_atom_t* atoms, std::size_t count) {
    std::vector<xcb_get_atom_name_cookie_t> asked;
    for (std::size_t i = 0; i < count; ++i) {
        asked.push_back(xcb_get_atom_name(connection, atoms[i]));
    }
    QStringList names;
    for (const xcb_get_atom_name_cookie_t cookie : asked) {
        ReplyPtr<xcb_get_atom_name_reply_t> reply(
            xcb_get_atom_name_reply(connection, cookie, nullptr));
        if (reply) {
            names.push_back(QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                                                xcb_get_atom_name_name_length(reply.get())));
        }
    }
    return names;
}

}  // namespace

std::unique_ptr<X11SelectionReading> X11SelectionReading::Open(StuckOwner& stuck) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    return std::unique_ptr<X11SelectionReading>(new X11SelectionReading(connection, window, stuck));
}

X11SelectionReading::X11SelectionReading(xcb_connection_t* connection, std::uint32_t window,
                                         StuckOwner& stuck)
    : m_connection(connection), m_window(window), m_stuck(stuck) {
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, Atom(connection, "CLIPBOARD")), nullptr));
    m_owner = owner ? owner->owner : 0;
    if (m_owner != 0 && m_owner == m_stuck.window && Clock::now() - m_stuck.since < StuckTime) {
        m_owner = 0;  // it did not answer a moment ago
    }
    if (const auto targets = Convert("TARGETS", 64 * 1024); targets && targets->size() >= 4) {
        m_targets = AtomNames(connection, reinterpret_cast<const xcb_atom_t*>(targets->constData()),
                              static_cast<std::size_t>(targets->size()) / sizeof(xcb_atom_t));
    }
}

X11SelectionReading::~X11SelectionReading() {
    xcb_destroy_window(m_connection, m_window);
    xcb_disconnect(m_connection);
}

bool X11SelectionReading::WaitForEvent(std::uint8_t type, Clock::time_point deadline) {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const std::uint8_t arrived = event->response_type & 0x7F;
            const bool wanted =
                arrived == type && (type != XCB_PROPERTY_NOTIFY ||
                                    reinterpret_cast<xcb_property_notify_event_t*>(event)->state ==
                                        XCB_PROPERTY_NEW_VALUE);
            std::free(event);
            if (wanted) {
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd readable{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        if (left <= 0 || xcb_connection_has_error(m_connection) != 0 ||
            (::poll(&readable, 1, static_cast<int>(left)) < 0 && errno != EINTR)) {
            return false;
        }
    }
}

std::optional<QByteArray> X11SelectionReading::Convert(const QByteArray& target,
                                                       std::uint64_t limit) {
    if (m_owner == 0) {
        return std::nullopt;
    }
    const xcb_atom_t property = Atom(m_connection, "VITREL_CLIPBOARD");
    xcb_delete_property(m_connection, m_window, property);
    xcb_convert_selection(m_connection, m_window, Atom(m_connection, "CLIPBOARD"),
                          Atom(m_connection, target), property, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    if (!WaitForEvent(XCB_SELECTION_NOTIFY, Clock::now() + RequestTime)) {
        m_stuck = {m_owner, Clock::now()};
        m_owner = 0;
        return std::nullopt;
    }
    // Only the size, then the data if it is not too large.
    const auto read = [&](bool remove, std::uint32_t words) {
        return ReplyPtr<xcb_get_property_reply_t>(
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, remove ? 1 : 0, m_window,
                                                    property, XCB_GET_PROPERTY_TYPE_ANY, 0, words),
                                   nullptr));
    };
    const auto sized = read(false, 0);
    if (!sized || sized->type == XCB_ATOM_NONE) {
        return std::nullopt;  // refused
    }
    if (sized->type != Atom(m_connection, "INCR")) {
        if (sized->bytes_after > limit) {
            xcb_delete_property(m_connection, m_window, property);
            return std::nullopt;
        }
        const auto whole = read(true, (sized->bytes_after + 3) / 4);
        if (!whole) {
            return std::nullopt;
        }
        return QByteArray(static_cast<const char*>(xcb_get_property_value(whole.get())),
                          xcb_get_property_value_length(whole.get()));
    }
    // In parts: each taken as the owner puts it, until an empty one; no more than the limit.
    QByteArray received;
    xcb_delete_property(m_connection, m_window, property);
    xcb_flush(m_connection);
    for (;;) {
        if (!WaitForEvent(XCB_PROPERTY_NOTIFY, Clock::now() + RequestTime)) {
            m_stuck = {m_owner, Clock::now()};
            m_owner = 0;
            return std::nullopt;
        }
        const auto part = read(true, 1 << 22);
        xcb_flush(m_connection);
        if (!part) {
            return std::nullopt;
        }
        const int length = xcb_get_property_value_length(part.get());
        if (length == 0) {
            return received;
        }
        if (static_cast<std::uint64_t>(received.size()) + length > limit) {
            return std::nullopt;  // the owner gives up when nobody takes the rest
        }
        received.append(static_cast<const char*>(xcb_get_property_value(part.get())), length);
    }
}

QString X11SelectionReading::Text() {
    if (!m_text) {
        m_text.emplace();
        for (const char* target : {"UTF8_STRING", "text/plain;charset=utf-8", "STRING"}) {
            if (m_targets.contains(QLatin1String(target))) {
                // Refused before any conversion: no colour string comes near this length.
                const auto bytes = Convert(target, QtClipboard::MaxTextBytes);
                if (bytes) {
                    *m_text = std::strcmp(target, "STRING") == 0 ? QString::fromLatin1(*bytes)
                                                                 : QString::fromUtf8(*bytes);
                }
                break;
            }
        }
    }
    return *m_text;
}

std::pair<QByteArray, QByteArray> X11SelectionReading::PictureBytes() {
    if (!m_picture) {
        m_picture.emplace();
        const QString format = ClipboardPicture::ChooseFormat(m_targets);
        if (!format.isEmpty()) {
            *m_picture = {Convert(format.toLatin1(), MaxPictureBytes).value_or(QByteArray()),
                          ClipboardPicture::DecoderFor(format)};
        }
    }
    return *m_picture;
}

bool X11SelectionReading::HasPicture() {
    const auto [bytes, decoder] = PictureBytes();
    return ClipboardPicture::Size(bytes, decoder).has_value();
}

QImage X11SelectionReading::Picture() {
    const auto [bytes, decoder] = PictureBytes();
    return ClipboardPicture::Decode(bytes, decoder);
}

}  // namespace vitrel
