// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

namespace vitrel::DesktopSession {

/// Whether the desktop is a Wayland session (the program then runs through XWayland): a
/// compositor draws the windows and only its screenshot portal may read the screen.
[[nodiscard]] bool IsWayland();

}  // namespace vitrel::DesktopSession
