// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>
#include <cstdlib>

namespace vitrel::DisplayCheck {
namespace {

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

}  // namespace

void PreferX11() {
    if (Env("WAYLAND_DISPLAY") != nullptr && Env("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

std::string Problem() {
    const char* platform = Env("QT_QPA_PLATFORM");
    if (platform != nullptr && std::string(platform).rfind("xcb", 0) != 0) {
        return {};  // another Qt platform was asked for explicitly (tests use offscreen)
    }
    const char* display = Env("DISPLAY");
    if (display == nullptr) {
        return "no display: DISPLAY is not set; Vitrel needs an X11 display (or XWayland).";
    }
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) {
        return std::string("no display: cannot open X11 display \"") + display + "\".";
    }
    return {};
}

}  // namespace vitrel::DisplayCheck
