// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "core/favorites/IFileOperations.h"

namespace vitrel {

/// The file operations on the real file system: the system's own calls where they can refuse
/// links, pipes and existing names (open with O_EXCL | O_NOFOLLOW, link, rename), else
/// std::filesystem.
class StdFileOperations : public IFileOperations {
public:
    std::error_code CreateFolder(const std::filesystem::path& folder) override;
    [[nodiscard]] std::vector<std::filesystem::path> ListFiles(
        const std::filesystem::path& folder) override;
    [[nodiscard]] std::optional<FileIdentity> Identify(const std::filesystem::path& file) override;
    [[nodiscard]] std::optional<std::vector<std::byte>> ReadAt(const std::filesystem::path& file,
                                                               std::uint64_t offset,
                                                               std::size_t count) override;
    CreatedFile CreateTemporary(const std::filesystem::path& folder,
                                std::span<const std::byte> bytes) override;
    std::error_code LinkNew(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    std::error_code Replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    std::error_code Remove(const std::filesystem::path& file) override;
};

}  // namespace vitrel
