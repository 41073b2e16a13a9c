// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "favorites/FavoritesStore.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "favorites/SortDescending.h"

namespace vitrel {
namespace {

namespace fs = std::filesystem;

bool CanWriteIn(IFileOperations& files, const fs::path& folder) {
    const fs::path probe = folder / ".write-test.tmp";
    return !files.CreateFolder(folder) && !files.WriteFile(probe, {}) && !files.Remove(probe);
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

FavFiles FavoritesStore::ListFavoriteFiles() const {
    m_files.CreateFolder(m_folder);  // a folder that cannot be made lists nothing
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

std::optional<FavoriteRecord> FavoritesStore::Read(const fs::path& record, bool withColor) const {
    const auto bytes = m_files.ReadFile(record);
    if (!bytes) {
        return std::nullopt;
    }
    return ReadFavoriteRecord(*bytes, withColor);
}

std::vector<std::byte> FavoritesStore::ReadPicture(const fs::path& record) const {
    return m_files.ReadFile(PicturePath(record)).value_or(std::vector<std::byte>());
}

SaveResult FavoritesStore::Create(std::u16string_view name, std::u16string_view colorText,
                                  std::span<const std::byte> pictureBmp,
                                  std::chrono::local_seconds now) {
    // The folder may have been removed since the listing: making it again keeps the save.
    if (const std::error_code error = m_files.CreateFolder(m_folder)) {
        return {{}, error};
    }
    const std::vector<std::byte> recordBytes = WriteFavoriteRecord(name, colorText);
    fs::path record = m_folder / (FavoriteStamp(now) + ".dat");
    while (m_files.Exists(record)) {
        now += std::chrono::seconds{1};
        record = m_folder / (FavoriteStamp(now) + ".dat");
    }
    if (const std::error_code error = WriteWhole(PicturePath(record), pictureBmp)) {
        return {{}, error};
    }
    if (const std::error_code error = WriteWhole(record, recordBytes)) {
        m_files.Remove(PicturePath(record));
        return {{}, error};
    }
    return {record, {}};
}

std::error_code FavoritesStore::Rename(const fs::path& record, std::u16string_view newName,
                                       std::u16string_view colorText) {
    return WriteWhole(record, WriteFavoriteRecord(newName, colorText));
}

std::error_code FavoritesStore::DeleteFavorite(const fs::path& record) {
    // The record first: once it is gone, so is the favourite, whether or not a picture remains.
    if (const std::error_code error = m_files.Remove(record)) {
        return error;
    }
    return m_files.Remove(PicturePath(record));
}

std::error_code FavoritesStore::WriteWhole(const fs::path& target,
                                           std::span<const std::byte> bytes) {
    fs::path temp = target;
    temp += ".tmp";
    std::error_code error = m_files.WriteFile(temp, bytes);
    if (!error) {
        error = m_files.Replace(temp, target);
    }
    if (error) {
        m_files.Remove(temp);
    }
    return error;
}

}  // namespace vitrel
