// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "core/favorites/StdFileOperations.h"
#include "qt/AppServices.h"
#include "qt/IGlassSurface.h"
#include "qt/IScreenGrabber.h"
#include "qt/QtBeep.h"
#include "qt/QtClipboard.h"
#include "qt/QtColorDialog.h"
#include "qt/QtMessageBox.h"
#include "qt/QtScreen.h"
#include "qt/QtSettingsStore.h"
#include "qt/QtWindowFrame.h"
#include "qt/QtWindowSystem.h"

namespace vitrel {

/// One of each platform service on Qt, wired into the AppServices a window takes. Made after
/// the application object.
struct QtServices {
    /// favoritesFolder: where the favourites live; by default the program's own choice.
    explicit QtServices(std::function<std::filesystem::path()> favoritesFolder = {});
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    /// The window system the program's own controls are written against, in force while
    /// these services live.
    QtWindowSystem windowSystem;
    ScopedWindowSystem windowSystemInForce{windowSystem};
    QtSettingsStore settings;
    QtScreen screen;
    QtBeep beep;
    QtMessageBox messageBox;
    QtClipboard clipboard;
    QtWindowFrame windowFrame;
    /// The glass as a hole in the window's shape and the screen read from the X server, or,
    /// in a Wayland session, a see-through part of the window and the screenshot portal.
    std::unique_ptr<IGlassSurface> glassSurface;
    std::unique_ptr<IScreenGrabber> screenGrabber;
    QtColorDialog colorDialog{windowFrame};
    StdFileOperations files;
    AppServices services;
};

}  // namespace vitrel
