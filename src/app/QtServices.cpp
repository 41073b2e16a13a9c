// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "app/QtServices.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "core/favorites/FavoritesStore.h"

namespace vitrel {

QtServices::QtServices(std::function<std::filesystem::path()> favoritesFolder)
    : services{settings,    screen,        beep,        messageBox, clipboard,
               windowFrame, screenGrabber, colorDialog, files,      std::move(favoritesFolder)} {
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
