// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/DesktopSession.h"

#include <cstdlib>
#include <cstring>

namespace vitrel::DesktopSession {

bool IsWayland() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* type = std::getenv("XDG_SESSION_TYPE");
    return (display != nullptr && *display != '\0') ||
           (type != nullptr && std::strcmp(type, "wayland") == 0);
}

}  // namespace vitrel::DesktopSession
