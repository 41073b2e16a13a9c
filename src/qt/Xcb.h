// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace vitrel {

struct XcbFree {
    void operator()(void* pointer) const { std::free(pointer); }
};
/// An X server's reply, which xcb hands over to be freed with free().
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, XcbFree>;

/// The application's connection to the X server; none outside X11 (a Wayland session's
/// XWayland counts as X11).
inline xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace vitrel
