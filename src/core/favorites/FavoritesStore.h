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

#include "core/favorites/FavoriteRecord.h"
#include "core/favorites/IFileOperations.h"

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

/// The longest name the add dialog takes: a name for a colour, not a text.
inline constexpr int MaxNameLength = 256;
/// The most of a name that menus and lists show: longer names end in "…".
inline constexpr std::size_t ShownNameLength = 64;
/// A name as a menu or list shows it: its beginning when it is long.
[[nodiscard]] std::u16string ShownName(std::u16string_view name);

/// The largest picture file that is read: the bitmap of the largest picture the canvas can hold
/// (4096 × 4096 pixels of 32 bits, as a pasted picture may be) with the largest headers. A
/// larger file is no picture of ours and is not read at all.
inline constexpr std::size_t MaxPictureBytes = std::size_t{4096} * 4096 * 4 + 14 + 124 + 1024;

/// Leftovers of a save that was stopped halfway are removed once they are this old, which no
/// save still under way is.
inline constexpr std::chrono::seconds LeftoverAge{60};

/// What a save made: the record's path, empty when the save failed, and the failure.
struct SaveResult {
    std::filesystem::path record;
    std::error_code error;
};

/// The store operations over one favourites folder. A change writes each new file under a
/// temporary name of its own, created exclusively, and then gives it its name in one step, so a
/// program that dies at any moment leaves each favourite whole, old or new, and nothing is ever
/// written through a link or into an existing file. Temporary files and pictures without a
/// record are invisible to the listing and removed at a later listing or save.
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
    /// Which file a record's name stands for now: what a window keeps of the favourites it
    /// shows, so that it acts on those and no others.
    [[nodiscard]] std::optional<FileIdentity> Identify(const std::filesystem::path& record) const;

    /// The record's name and, when asked, colour text, each read up to its ceiling;
    /// std::nullopt when the file cannot be read.
    [[nodiscard]] std::optional<FavoriteRecord> Read(const std::filesystem::path& record,
                                                     bool withColor = true) const;
    /// The picture file's bytes; none when it is missing, unreadable or larger than
    /// MaxPictureBytes (an empty picture).
    [[nodiscard]] std::vector<std::byte> ReadPicture(const std::filesystem::path& record) const;

    /// Saves a new favourite under the stem of `now`. The stem is claimed by giving the picture
    /// and then the record their names only where no file has them, so that another save of the
    /// same second, in this program or another, moves on to the next free second: two saves are
    /// two favourites, each with its own picture, and the later one sorts last.
    [[nodiscard]] SaveResult Create(std::u16string_view name, std::u16string_view colorText,
                                    std::span<const std::byte> pictureBmp,
                                    std::chrono::local_seconds now);
    /// Replaces the record with one holding the new name and the given colour text; the stem,
    /// the picture and so the position stay. Only the file that was listed: a record that is
    /// gone or no longer `listed` is left alone (std::errc::no_such_file_or_directory).
    std::error_code Rename(const std::filesystem::path& record, const FileIdentity& listed,
                           std::u16string_view newName, std::u16string_view colorText);
    /// Deletes the record, then the picture; a missing picture is no error. Only the file that
    /// was listed, as for Rename.
    std::error_code DeleteFavorite(const std::filesystem::path& record, const FileIdentity& listed);

private:
    /// Removes old temporary files and pictures of our stems that have no record.
    void RemoveLeftovers() const;

    IFileOperations& m_files;
    std::filesystem::path m_folder;
};

}  // namespace vitrel
