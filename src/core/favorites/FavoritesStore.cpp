// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/favorites/FavoritesStore.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <set>
#include <utility>

#include "core/favorites/SortDescending.h"

namespace vitrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool CanWriteIn(IFileOperations& files, const fs::path& folder) {
    if (files.CreateFolder(folder)) {
        return false;
    }
    const CreatedFile probe = files.CreateTemporary(folder, {});
    return !probe.error && !files.Remove(probe.path);
}

bool IsStem(std::u16string_view name) {
    return name.size() == 14 &&
           std::all_of(name.begin(), name.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

/// A temporary file of a save: ours, or one of the names earlier versions used.
bool IsTemporary(std::u16string_view name) {
    const std::string_view suffix = IFileOperations::TemporarySuffix;
    const std::u16string ours(suffix.begin(), suffix.end());
    return (name.starts_with(u".") && name.ends_with(ours)) || name == u".write-test.tmp" ||
           (name.size() == 22 && IsStem(name.substr(0, 14)) &&
            (name.ends_with(u".dat.tmp") || name.ends_with(u".bmp.tmp")));
}

}  // namespace

std::string FavoriteStamp(std::chrono::local_seconds time) {
    using namespace std::chrono;
    const local_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    char text[80];
    std::snprintf(text, sizeof text, "%04d%02u%02u%02d%02d%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::chrono::local_seconds LocalNow() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    const year_month_day date{year{parts.tm_year + 1900},
                              month{static_cast<unsigned>(parts.tm_mon + 1)},
                              day{static_cast<unsigned>(parts.tm_mday)}};
    return local_days{date} + hours{parts.tm_hour} + minutes{parts.tm_min} + seconds{parts.tm_sec};
}

fs::path ChooseFavoritesFolder(IFileOperations& files, const fs::path& programFolder,
                               const fs::path& dataHome) {
    const fs::path beside = programFolder / "Favorites";
    if (dataHome.empty() || CanWriteIn(files, beside)) {
        return beside;
    }
    return dataHome / "VITRELLE" / "Favorites";  // made by the listing, like the other
}

std::u16string FileOfPosition(const FavFiles& files, std::ptrdiff_t k) {
    const auto n = static_cast<std::ptrdiff_t>(files.size()) - 1;
    return k >= 1 && k <= n ? files[static_cast<std::size_t>(n - k)] : std::u16string();
}

FavoritesStore::FavoritesStore(IFileOperations& files, fs::path folder)
    : m_files(files), m_folder(std::move(folder)) {}

std::u16string ShownName(std::u16string_view name) {
    if (name.size() <= ShownNameLength) {
        return std::u16string(name);
    }
    std::size_t cut = ShownNameLength;
    if (name[cut - 1] >= 0xD800 && name[cut - 1] <= 0xDBFF) {
        --cut;  // not half a character
    }
    return std::u16string(name.substr(0, cut)) + u"…";
}

FavFiles FavoritesStore::ListFavoriteFiles() const {
    m_files.CreateFolder(m_folder);  // a folder that cannot be made lists nothing
    RemoveLeftovers();
    FavFiles files;
    for (const fs::path& name : m_files.ListFiles(m_folder)) {
        try {
            std::u16string text = name.u16string();
            if (text.ends_with(u".dat")) {
                files.push_back(std::move(text));
            }
        } catch (const std::system_error&) {
            // Not UTF-8: no favourite of ours, and no name a menu could show.
        }
    }
    files.emplace_back();
    modVitrel::SortDescending(files);
    return files;
}

fs::path FavoritesStore::RecordPath(std::u16string_view fileName) const {
    return m_folder / fs::path(fileName);
}

fs::path FavoritesStore::PicturePath(const fs::path& record) {
    std::u16string name = record.filename().u16string();
    if (name.ends_with(u".dat")) {
        name.resize(name.size() - 4);
    }
    return record.parent_path() / fs::path(name + u".bmp");
}

std::optional<FileIdentity> FavoritesStore::Identify(const fs::path& record) const {
    return m_files.Identify(record);
}

std::optional<FavoriteRecord> FavoritesStore::Read(const fs::path& record, bool withColor) const {
    bool unreadable = false;
    FavoriteRecord read = ReadFavoriteRecord(
        [&](std::uint64_t offset, std::size_t count) {
            std::optional<std::vector<std::byte>> bytes = m_files.ReadAt(record, offset, count);
            unreadable = unreadable || !bytes;
            return bytes.value_or(std::vector<std::byte>());
        },
        withColor);
    return unreadable ? std::nullopt : std::optional(std::move(read));
}

std::vector<std::byte> FavoritesStore::ReadPicture(const fs::path& record) const {
    const fs::path picture = PicturePath(record);
    const std::optional<FileIdentity> file = m_files.Identify(picture);
    if (!file || file->size > MaxPictureBytes) {
        return {};
    }
    return m_files.ReadAt(picture, 0, static_cast<std::size_t>(file->size))
        .value_or(std::vector<std::byte>());
}

SaveResult FavoritesStore::Create(std::u16string_view name, std::u16string_view colorText,
                                  std::span<const std::byte> pictureBmp,
                                  std::chrono::local_seconds now) {
    // The folder may have been removed since the listing: making it again keeps the save.
    if (const std::error_code error = m_files.CreateFolder(m_folder)) {
        return {{}, error};
    }
    RemoveLeftovers();
    const CreatedFile picture = m_files.CreateTemporary(m_folder, pictureBmp);
    if (picture.error) {
        return {{}, picture.error};
    }
    const CreatedFile record =
        m_files.CreateTemporary(m_folder, WriteFavoriteRecord(name, colorText));
    SaveResult result{{}, record.error};
    // A day's worth of seconds taken by other favourites is more than any folder holds.
    for (int second = 0; !result.error && result.record.empty(); ++second, now += 1s) {
        const fs::path stem = m_folder / FavoriteStamp(now);
        const fs::path dat = fs::path(stem) += ".dat";
        const fs::path bmp = fs::path(stem) += ".bmp";
        if (second == 86400) {
            result.error = std::make_error_code(std::errc::file_exists);
        } else if (m_files.Identify(dat)) {
            continue;  // a favourite of that second, maybe without its picture
        } else if (const std::error_code claimed = m_files.LinkNew(picture.path, bmp)) {
            // Taken by another save, or a picture left over: the next second.
            result.error = claimed == std::errc::file_exists ? std::error_code() : claimed;
        } else if (const std::error_code linked = m_files.LinkNew(record.path, dat)) {
            m_files.Remove(bmp);
            result.error = linked == std::errc::file_exists ? std::error_code() : linked;
        } else {
            result.record = dat;
        }
    }
    m_files.Remove(picture.path);
    m_files.Remove(record.path);
    return result;
}

std::error_code FavoritesStore::Rename(const fs::path& record, const FileIdentity& listed,
                                       std::u16string_view newName, std::u16string_view colorText) {
    if (m_files.Identify(record) != listed) {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    const CreatedFile renamed =
        m_files.CreateTemporary(m_folder, WriteFavoriteRecord(newName, colorText));
    std::error_code error = renamed.error;
    if (!error && (error = m_files.Replace(renamed.path, record))) {
        m_files.Remove(renamed.path);
    }
    return error;
}

std::error_code FavoritesStore::DeleteFavorite(const fs::path& record, const FileIdentity& listed) {
    if (m_files.Identify(record) != listed) {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    // The record first: once it is gone, so is the favourite, whether or not a picture remains.
    if (const std::error_code error = m_files.Remove(record)) {
        return error;
    }
    return m_files.Remove(PicturePath(record));
}

void FavoritesStore::RemoveLeftovers() const {
    const auto oldest = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            (std::chrono::system_clock::now() - LeftoverAge).time_since_epoch())
                            .count();
    const std::vector<fs::path> names = m_files.ListFiles(m_folder);
    std::set<std::u16string> records;
    std::vector<std::u16string> candidates;
    for (const fs::path& name : names) {
        try {
            std::u16string text = name.u16string();
            const std::u16string_view stem = std::u16string_view(text).substr(0, 14);
            if (text.size() == 18 && IsStem(stem) && text.ends_with(u".dat")) {
                records.insert(std::u16string(stem));
            } else if (IsTemporary(text) ||
                       (text.size() == 18 && IsStem(stem) && text.ends_with(u".bmp"))) {
                candidates.push_back(std::move(text));
            }
        } catch (const std::system_error&) {
            // Not UTF-8: not ours.
        }
    }
    for (const std::u16string& name : candidates) {
        if (name.ends_with(u".bmp") && records.contains(name.substr(0, 14))) {
            continue;
        }
        const fs::path file = m_folder / fs::path(name);
        if (const auto identity = m_files.Identify(file);
            identity && identity->modifiedNanoseconds < oldest) {
            m_files.Remove(file);
        }
    }
}

}  // namespace vitrel
