// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <filesystem>
#include <functional>

namespace vitrel {

class IBeep;
class IColorDialog;
class IFileOperations;
class IGlassSurface;
class IClipboard;
class IMessageBox;
class IScreen;
class IScreenGrabber;
class ISettingsStore;
class IWindowFrame;

/// The platform services a window uses, passed in so that tests can replace each of them.
struct AppServices {
    ISettingsStore& settings;
    IScreen& screen;
    IBeep& beep;
    IMessageBox& messageBox;
    IClipboard& clipboard;
    IWindowFrame& windowFrame;
    /// How the glass shows the desktop and how its picture is read: chosen once at start for
    /// an X server or a Wayland session.
    IGlassSurface& glassSurface;
    IScreenGrabber& screenGrabber;
    IColorDialog& colorDialog;
    IFileOperations& files;
    /// Where the favourites live; asked once, after the main window is shown.
    std::function<std::filesystem::path()> favoritesFolder;
};

}  // namespace vitrel
