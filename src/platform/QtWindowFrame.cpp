// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/QtWindowFrame.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
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

}  // namespace

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
    if (!x11 || !window.isVisible()) {
        window.move(topLeft);  // frame-inclusive before the window is shown
        return;
    }
    // Place the client area by the frame's measured offset: setGeometry is client-exclusive.
    const QPoint offset = x11->clientPos - x11->frame.topLeft();
    window.setGeometry(QRect(topLeft + offset, window.size()));
}

}  // namespace vitrel
