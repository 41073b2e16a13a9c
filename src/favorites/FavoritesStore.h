// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "favorites/FavoriteRecord.h"
#include "favorites/IFileOperations.h"

/// The favourites on disk: per favourite a record file stem + ".dat" (FavoriteRecord.h) and a
/// Windows bitmap stem + ".bmp", in one folder with no index; the stem is the local time of the
/// save, "yyyymmddhhnnss". The name order of the record files is the order of the favourites.
namespace vitrel {

/// The listing: the record file names (no folder) largest first, then one empty entry. With n
/// favourites it has n + 1 entries, and position k = 1 .. n (oldest first) is entry n - k.
using FavFiles = std::vector<std::u16string>;

/// The 14 digits "yyyymmddhhnnss" of a local date and time.
[[nodiscard]] std::string FavoriteStamp(std::chrono::local_seconds time);
/// The local clock to the second, as the stems use it.
[[nodiscard]] std::chrono::local_seconds LocalNow();

/// The folder "Favorites" beside the program when it can be created and written in, else
/// dataHome + "/VITRELLE/Favorites", so that a read-only program folder does not
/// make every save fail. dataHome is the user's data folder ($XDG_DATA_HOME or
/// ~/.local/share); when it is empty the program's folder is kept.
[[nodiscard]] std::filesystem::path ChooseFavoritesFolder(
    IFileOperations& files, const std::filesystem::path& programFolder,
    const std::filesystem::path& dataHome);

/// The record file of position k in a listing, or "" when there is no such position.
[[nodiscard]] std::u16string FileOfPosition(const FavFiles& files, std::ptrdiff_t k);

/// What a save made: the record's path, empty when the save failed, and the failure.
struct SaveResult {
    std::filesystem::path record;
    std::error_code error;
};

/// The store operations over one favourites folder. Every file a change writes is first written
/// beside its target as target + ".tmp" and then moved over it in one step, so a program that
/// dies at any moment leaves each favourite whole: old or new, never half written. Temporary
/// files and pictures without a record are invisible to the listing.
class FavoritesStore {
public:
    FavoritesStore(IFileOperations& files, std::filesystem::path folder);

    [[nodiscard]] const std::filesystem::path& Folder() const { return m_folder; }

    /// Lists the record files (names ending in ".dat"), creating the folder when it is missing.
    /// A name that is not valid UTF-8 cannot be shown and is left out.
    [[nodiscard]] FavFiles ListFavoriteFiles() const;
    [[nodiscard]] std::filesystem::path RecordPath(std::u16string_view fileName) const;
    /// The record's path with its last four characters (".dat") replaced by ".bmp".
    [[nodiscard]] static std::filesystem::path PicturePath(const std::filesystem::path& record);

    /// The record's name and, when asked, colour text; std::nullopt when the file cannot be read.
    [[nodiscard]] std::optional<FavoriteRecord> Read(const std::filesystem::path& record,
                                                     bool withColor = true) const;
    /// The picture file's bytes; none when it is missing or unreadable (an empty picture).
    [[nodiscard]] std::vector<std::byte> ReadPicture(const std::filesystem::path& record) const;

    /// Saves a new favourite under the stem of `now`. A stem whose record exists already moves
    /// on to the next free second, so two saves in one second keep both favourites and the later
    /// one still sorts last (a picture left without its record is simply replaced). The picture is
    /// written before the record, which makes the favourite visible.
    [[nodiscard]] SaveResult Create(std::u16string_view name, std::u16string_view colorText,
                                    std::span<const std::byte> pictureBmp,
                                    std::chrono::local_seconds now);
    /// Replaces the record with one holding the new name and the given colour text; the stem,
    /// the picture and so the position stay.
    std::error_code Rename(const std::filesystem::path& record, std::u16string_view newName,
                           std::u16string_view colorText);
    /// Deletes the record, then the picture; a missing picture is no error.
    std::error_code DeleteFavorite(const std::filesystem::path& record);

private:
    std::error_code WriteWhole(const std::filesystem::path& target,
                               std::span<const std::byte> bytes);

    IFileOperations& m_files;
    std::filesystem::path m_folder;
};

}  // namespace vitrel
