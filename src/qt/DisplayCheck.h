// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QtGlobal>
#include <string>

/// Before Qt starts: choose the X11 platform under Wayland, and turn a display that cannot be
/// used into one clear line and exit status 1 instead of an abort inside the toolkit.
namespace vitrel::DisplayCheck {

/// Sets QT_QPA_PLATFORM to xcb when WAYLAND_DISPLAY is set and QT_QPA_PLATFORM is not.
void PreferX11();
/// What is wrong when no display is named at all; empty when one is (or another platform
/// than X11 was asked for).
std::string Problem();

/// While it lives (around the application object's construction), a display that cannot be
/// opened or a platform plugin that is not installed ends the program with one line on
/// standard error that names what was asked for, and exit status 1; the toolkit's own
/// messages meanwhile are kept back. It reuses the toolkit's own connection
/// attempt, so a display that works costs nothing extra.
class Guard {
public:
    Guard();
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    QtMessageHandler m_previous;
};

}  // namespace vitrel::DisplayCheck
