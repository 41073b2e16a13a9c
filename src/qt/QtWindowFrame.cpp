// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtWindowFrame.h"

#include <unistd.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>
#include <array>
#include <optional>
#include <string_view>

#include "qt/Xcb.h"

namespace vitrel {
namespace {

struct X11Frame {
    QRect frame;       // on the screen
    QPoint clientPos;  // the client area's top-left on the screen
    bool framed = false;
};

std::optional<X11Frame> QueryX11Frame(const QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr || !window.testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());

    // Climb to the ancestor whose parent is the root: the frame (or the window itself).
    xcb_window_t top = id;
    xcb_window_t root = XCB_NONE;
    for (int depth = 0; depth < 16; ++depth) {
        ReplyPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, top), nullptr));
        if (!tree) {
            return std::nullopt;
        }
        root = tree->root;
        if (tree->parent == tree->root || tree->parent == XCB_NONE) {
            break;
        }
        top = tree->parent;
    }
    // Both questions go out before either answer is awaited: one round trip.
    const xcb_get_geometry_cookie_t geometryAsked = xcb_get_geometry(connection, top);
    const xcb_translate_coordinates_cookie_t clientAsked =
        xcb_translate_coordinates(connection, id, root, 0, 0);
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, geometryAsked, nullptr));
    ReplyPtr<xcb_translate_coordinates_reply_t> client(
        xcb_translate_coordinates_reply(connection, clientAsked, nullptr));
    if (!geometry || !client) {
        return std::nullopt;
    }
    X11Frame result;
    const int border = geometry->border_width;
    result.frame = QRect(geometry->x, geometry->y, geometry->width + 2 * border,
                         geometry->height + 2 * border);
    result.clientPos = QPoint(client->dst_x, client->dst_y);
    result.framed = top != id;
    return result;
}

// Four CARDINALs (left, right, top, bottom) of a window property, if it is set.
std::optional<QMargins> ReadExtents(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t property) {
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

bool HasWindowManager(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t check) {
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4;
}

/// Marks a window whose frame extents have been asked for.
constexpr const char* kRequested = "vitrelFrameExtentsRequested";
/// The window manager's answer, kept on a window that has not been shown yet: it does not change
/// before the window is, and placing a window asks for it more than once.
constexpr const char* kAnswered = "vitrelFrameExtents";

void SendFrameRequest(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root,
                      xcb_atom_t request) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

xcb_window_t RootOf(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

}  // namespace

QtWindowFrame::Atoms QtWindowFrame::InternAtoms(xcb_connection_t* connection) const {
    if (!m_atoms) {
        // All three asked for at once: one round trip to the server instead of three.
        static constexpr std::array<std::string_view, 3> kNames{
            "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS", "_NET_SUPPORTING_WM_CHECK"};
        std::array<xcb_intern_atom_cookie_t, kNames.size()> cookies{};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            cookies[i] = xcb_intern_atom(
                connection, 0, static_cast<std::uint16_t>(kNames[i].size()), kNames[i].data());
        }
        std::array<xcb_atom_t, kNames.size()> atoms{};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            ReplyPtr<xcb_intern_atom_reply_t> reply(
                xcb_intern_atom_reply(connection, cookies[i], nullptr));
            atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        }
        m_atoms = Atoms{atoms[0], atoms[1], atoms[2]};
    }
    return *m_atoms;
}

void QtWindowFrame::RequestFrameMargins(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr || window.isVisible()) {
        return;
    }
    SendFrameRequest(connection, static_cast<xcb_window_t>(window.winId()), RootOf(connection),
                     InternAtoms(connection).request);
    window.setProperty(kRequested, true);
}

QMargins QtWindowFrame::FrameMargins(QWidget& window) const {
    // A window that has not been shown has no frame yet: only the window manager's answer
    // tells what it will add.
    if (const auto x11 = window.isVisible() ? QueryX11Frame(window) : std::nullopt;
        x11 && x11->framed) {
        const QRect client(x11->clientPos, window.size());
        return {client.left() - x11->frame.left(), client.top() - x11->frame.top(),
                x11->frame.right() - client.right(), x11->frame.bottom() - client.bottom()};
    }
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        const QRect frame = window.frameGeometry();
        const QRect client = window.geometry();
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    }
    if (const QVariant answered = window.property(kAnswered);
        answered.isValid() && !window.isVisible()) {
        return answered.value<QMargins>();
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = RootOf(connection);
    const Atoms atoms = InternAtoms(connection);
    if (!HasWindowManager(connection, root, atoms.wmCheck)) {
        return {};  // nobody will frame it
    }
    // The window manager answers a request (sent early, or now) by setting _NET_FRAME_EXTENTS
    // on the unmapped window: wait briefly for the answer.
    if (!window.property(kRequested).toBool()) {
        SendFrameRequest(connection, id, root, atoms.request);
    }
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (const auto margins = ReadExtents(connection, id, atoms.extents)) {
            if (!window.isVisible()) {
                window.setProperty(kAnswered, QVariant::fromValue(*margins));
            }
            return *margins;
        }
        ::usleep(500);
    }
    return {};
}

QRect QtWindowFrame::FrameGeometry(const QWidget& window) const {
    if (const auto x11 = QueryX11Frame(window); x11 && window.isVisible()) {
        return x11->frame;
    }
    return window.frameGeometry();
}

bool QtWindowFrame::IsFramed(const QWidget& window) const {
    if (const auto x11 = QueryX11Frame(window)) {
        return x11->framed;
    }
    return true;  // nothing further will change it
}

void QtWindowFrame::MoveFrame(QWidget& window, QPoint topLeft) {
    if (X11Connection() == nullptr || !window.testAttribute(Qt::WA_WState_Created)) {
        window.move(topLeft);  // Qt's own frame-inclusive move
        return;
    }
    // Place the client area inside the frame the window manager puts (or will put) around it:
    // setGeometry is client-exclusive, and the window manager keeps the client where it is.
    QPoint offset;
    if (const auto x11 = window.isVisible() ? QueryX11Frame(window) : std::nullopt;
        x11 && x11->framed) {
        offset = x11->clientPos - x11->frame.topLeft();
    } else {
        const QMargins margins = FrameMargins(window);
        offset = QPoint(margins.left(), margins.top());
    }
    window.setGeometry(QRect(topLeft + offset, window.size()));
}

}  // namespace vitrel
