// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/DisplayCheck.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vitrel::DisplayCheck {
namespace {

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

bool WantsX11() {
    const char* platform = Env("QT_QPA_PLATFORM");
    return platform == nullptr || std::strncmp(platform, "xcb", 3) == 0;
}

void StartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const char* display = Env("DISPLAY");
        std::fprintf(stderr, "vitrel: no display: cannot open X11 display \"%s\".\n",
                     display != nullptr ? display : "");
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) {
        return;  // the platform plugin's own complaints, said once above if they matter
    }
    qt_message_output(type, context, message);
}

}  // namespace

void PreferX11() {
    if (Env("WAYLAND_DISPLAY") != nullptr && Env("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

std::string Problem() {
    if (WantsX11() && Env("DISPLAY") == nullptr) {
        return "no display: DISPLAY is not set; Vitrel needs an X11 display (or XWayland).";
    }
    return {};
}

Guard::Guard() : m_previous(qInstallMessageHandler(StartupMessage)) {}

Guard::~Guard() {
    qInstallMessageHandler(m_previous);
}

}  // namespace vitrel::DisplayCheck
