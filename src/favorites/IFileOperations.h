// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

namespace vitrel {

/// The few file operations the favourites store makes, so that a test can fail or stop any one
/// of them. Each change reports what went wrong; an empty error code is success.
class IFileOperations {
public:
    virtual ~IFileOperations() = default;

    /// Creates the folder and its missing parents; success when it is there afterwards.
    virtual std::error_code CreateFolder(const std::filesystem::path& folder) = 0;
    [[nodiscard]] virtual bool Exists(const std::filesystem::path& file) = 0;
    /// The names of the folder's regular files in any order; none when it cannot be read.
    [[nodiscard]] virtual std::vector<std::filesystem::path> ListFiles(
        const std::filesystem::path& folder) = 0;
    /// The whole file, or std::nullopt when it cannot be read.
    [[nodiscard]] virtual std::optional<std::vector<std::byte>> ReadFile(
        const std::filesystem::path& file) = 0;
    /// Writes a whole new file, replacing one of that name, and flushes it to the disk.
    virtual std::error_code WriteFile(const std::filesystem::path& file,
                                      std::span<const std::byte> bytes) = 0;
    /// Moves `from` over `to` in one step: `to` is the old file or the new one at every moment.
    virtual std::error_code Replace(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;
    /// Removes a file; a file that is not there is no error.
    virtual std::error_code Remove(const std::filesystem::path& file) = 0;
};

}  // namespace vitrel
