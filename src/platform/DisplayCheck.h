// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <string>

/// Before Qt starts: choose the X11 platform under Wayland and make sure a display can be
/// reached, so that a missing display is one clear line instead of an abort.
namespace vitrel::DisplayCheck {

/// Sets QT_QPA_PLATFORM to xcb when WAYLAND_DISPLAY is set and QT_QPA_PLATFORM is not.
void PreferX11();
/// An empty string when the display can be used, otherwise what is wrong, in one line.
std::string Problem();

}  // namespace vitrel::DisplayCheck
