// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "favorites/IFileOperations.h"

namespace vitrel {

/// The file operations on the real file system, through std::filesystem and file streams.
class StdFileOperations : public IFileOperations {
public:
    std::error_code CreateFolder(const std::filesystem::path& folder) override;
    [[nodiscard]] bool Exists(const std::filesystem::path& file) override;
    [[nodiscard]] std::vector<std::filesystem::path> ListFiles(
        const std::filesystem::path& folder) override;
    [[nodiscard]] std::optional<std::vector<std::byte>> ReadFile(
        const std::filesystem::path& file) override;
    std::error_code WriteFile(const std::filesystem::path& file,
                              std::span<const std::byte> bytes) override;
    std::error_code Replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    std::error_code Remove(const std::filesystem::path& file) override;
};

}  // namespace vitrel
