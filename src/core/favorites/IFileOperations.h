// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

namespace vitrel {

/// Which file a name stood for when it was looked at: another file under the same name (the
/// favourite renamed or replaced by another instance) has another identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;  // since the epoch of the system clock
    bool operator==(const FileIdentity&) const = default;
};

/// A file made by CreateTemporary, or what went wrong.
struct CreatedFile {
    std::filesystem::path path;
    std::error_code error;
};

/// The few file operations the favourites store makes, so that a test can fail or stop any one
/// of them. Every file may be hostile: a link, a pipe, a folder or gigabytes in a favourite's
/// place. Nothing here opens an existing path for writing or writes through a link; each change
/// reports what went wrong, an empty error code being success.
class IFileOperations {
public:
    virtual ~IFileOperations() = default;

    /// Creates the folder and its missing parents; success when it is there afterwards.
    virtual std::error_code CreateFolder(const std::filesystem::path& folder) = 0;
    /// The names of the folder's regular files (not links) in any order; none when it cannot
    /// be read.
    [[nodiscard]] virtual std::vector<std::filesystem::path> ListFiles(
        const std::filesystem::path& folder) = 0;
    /// Which regular file the name stands for now; nothing for a missing file, a link or
    /// anything else.
    [[nodiscard]] virtual std::optional<FileIdentity> Identify(
        const std::filesystem::path& file) = 0;
    /// At most `count` bytes of a regular file from `offset`, fewer at its end; nothing when it
    /// is no regular file or cannot be read. Only what is asked for is read, however large the
    /// file is.
    [[nodiscard]] virtual std::optional<std::vector<std::byte>> ReadAt(
        const std::filesystem::path& file, std::uint64_t offset, std::size_t count) = 0;
    /// Writes the bytes to a new file in the folder under a name that no file had (created
    /// exclusively, never through a link), flushed to the disk; its name begins with a dot and
    /// ends in TemporarySuffix.
    virtual CreatedFile CreateTemporary(const std::filesystem::path& folder,
                                        std::span<const std::byte> bytes) = 0;
    /// Gives the file `from` the further name `to` in one step, only if no file has that name:
    /// std::errc::file_exists when one has.
    virtual std::error_code LinkNew(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;
    /// Moves `from` over `to` in one step: `to` is the old file or the new one at every moment,
    /// and a link in its place is replaced, not followed.
    virtual std::error_code Replace(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;
    /// Removes a file (a link itself, not what it points to); a missing file is no error.
    virtual std::error_code Remove(const std::filesystem::path& file) = 0;

    static constexpr const char* TemporarySuffix = ".vitrel.tmp";
};

}  // namespace vitrel
