// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "app/QtServices.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "core/favorites/FavoritesStore.h"
#include "qt/DesktopSession.h"
#include "qt/PortalScreenGrabber.h"
#include "qt/QtScreenGrabber.h"
#include "qt/ShapedGlass.h"
#include "qt/TranslucentGlass.h"

namespace vitrel {

QtServices::QtServices(std::function<std::filesystem::path()> favoritesFolder)
    : glassSurface(DesktopSession::IsWayland()
                       ? std::unique_ptr<IGlassSurface>(new TranslucentGlass)
                       : std::make_unique<ShapedGlass>()),
      screenGrabber(DesktopSession::IsWayland()
                        ? std::unique_ptr<IScreenGrabber>(new PortalScreenGrabber)
                        : std::make_unique<QtScreenGrabber>()),
      services{settings,
               screen,
               beep,
               messageBox,
               clipboard,
               windowFrame,
               *glassSurface,
               *screenGrabber,
               colorDialog,
               files,
               std::move(favoritesFolder)} {
    if (!services.favoritesFolder) {
        // Beside the program, or the user's own folder when that one cannot be written.
        services.favoritesFolder = [this] {
            return ChooseFavoritesFolder(
                files, QCoreApplication::applicationDirPath().toStdU16String(),
                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                    .toStdU16String());
        };
    }
}

}  // namespace vitrel
