// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/DisplayCheck.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vitrel::DisplayCheck {
namespace {

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

/// The platform plugin asked for: the first of QT_QPA_PLATFORM's names, without its options.
std::string AskedPlatform() {
    const char* platform = Env("QT_QPA_PLATFORM");
    const std::string names = platform != nullptr ? platform : "xcb";
    return names.substr(0, names.find_first_of(";:"));
}

bool WantsX11() {
    return AskedPlatform() == "xcb";
}

/// Whether a plugin for the platform lies where Qt looks (libqxcb.so, libqwayland-generic.so).
bool PluginInstalled(const std::string& name) {
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(u':');
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    const QString stem = QStringLiteral("libq") + QString::fromStdString(name);
    for (const QString& folder : folders) {
        if (!folder.isEmpty() &&
            (QFileInfo::exists(folder + u'/' + stem + QStringLiteral(".so")) ||
             QFileInfo::exists(folder + u'/' + stem + QStringLiteral("-generic.so")))) {
            return true;
        }
    }
    return false;
}

void StartupMessage(QtMsgType type, const QMessageLogContext& /*context*/,
                    const QString& /*message*/) {
    if (type != QtFatalMsg) {
        return;  // the platform plugin's own complaints, said once below if they matter
    }
    const std::string platform = AskedPlatform();
    if (!PluginInstalled(platform)) {
        std::fprintf(stderr,
                     "vitrel: the Qt platform plugin \"%s\" (QT_QPA_PLATFORM) is not installed; "
                     "Vitrel needs \"xcb\", an X11 display or XWayland.\n",
                     platform.c_str());
    } else if (platform.starts_with("wayland")) {
        const char* display = Env("WAYLAND_DISPLAY");
        std::fprintf(stderr, "vitrel: no display: cannot connect to the Wayland display \"%s\".\n",
                     display != nullptr ? display : "wayland-0");
    } else if (platform == "xcb") {
        const char* display = Env("DISPLAY");
        std::fprintf(stderr, "vitrel: no display: cannot open X11 display \"%s\".\n",
                     display != nullptr ? display : "");
    } else {
        std::fprintf(stderr, "vitrel: the Qt platform \"%s\" (QT_QPA_PLATFORM) could not start.\n",
                     platform.c_str());
    }
    std::fflush(stderr);
    std::_Exit(1);
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
