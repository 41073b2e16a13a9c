// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtWindowFrame.h"

#include <unistd.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace vitrel {
namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

struct X11Frame {
    QRect frame;       // on the screen
    QPoint clientPos;  // the client area's top-left on the screen
    bool framed = false;
};

std::optional<X11Frame> QueryX11Frame(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr ||
        !window.testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
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
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, top), nullptr));
    ReplyPtr<xcb_translate_coordinates_reply_t> client(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr));
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

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
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

bool HasWindowManager(xcb_connection_t* connection, xcb_window_t root) {
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"),
                         XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4;
}

/// Marks a window whose frame extents have been asked for.
constexpr const char* kRequested = "vitrelFrameExtentsRequested";

void SendFrameRequest(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root) {
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

}  // namespace

void QtWindowFrame::RequestFrameMargins(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || window.isVisible()) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    SendFrameRequest(connection, static_cast<xcb_window_t>(window.winId()),
                     xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root);
    window.setProperty(kRequested, true);
}

QMargins QtWindowFrame::FrameMargins(QWidget& window) const {
    if (const auto x11 = QueryX11Frame(window); x11 && x11->framed) {
        const QRect client(x11->clientPos, window.size());
        return {client.left() - x11->frame.left(), client.top() - x11->frame.top(),
                x11->frame.right() - client.right(), x11->frame.bottom() - client.bottom()};
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        const QRect frame = window.frameGeometry();
        const QRect client = window.geometry();
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (!HasWindowManager(connection, root)) {
        return {};  // nobody will frame it
    }
    // The window manager answers a request (sent early, or now) by setting _NET_FRAME_EXTENTS
    // on the unmapped window: wait briefly for the answer.
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    if (!window.property(kRequested).toBool()) {
        SendFrameRequest(connection, id, root);
    }
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (const auto margins = ReadExtents(connection, id, extents)) {
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
    const auto x11 = QueryX11Frame(window);
    if (!x11) {
        window.move(topLeft);  // Qt's own frame-inclusive move
        return;
    }
    // Place the client area inside the frame the window manager puts (or will put) around it:
    // setGeometry is client-exclusive, and the window manager keeps the client where it is.
    const QPoint offset =
        x11->framed && window.isVisible() ? x11->clientPos - x11->frame.topLeft() : [&] {
            const QMargins margins = FrameMargins(window);
            return QPoint(margins.left(), margins.top());
        }();
    window.setGeometry(QRect(topLeft + offset, window.size()));
}
}  // namespace vitrel
