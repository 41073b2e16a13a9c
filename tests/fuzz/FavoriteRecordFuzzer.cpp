// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Reads arbitrary bytes as a favourite record file through the bounded reader, as the store
// reads a file, and writes what it read back.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "Check.h"
#include "core/favorites/FavoriteRecord.h"

using vitrel::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = std::as_bytes(std::span(data, size));
    std::size_t asked = 0;
    const vitrel::FavoriteRecord read =
        vitrel::ReadFavoriteRecord([&](std::uint64_t offset, std::size_t count) {
            asked += count;
            const auto part =
                bytes.subspan(std::min<std::size_t>(offset, size))
                    .first(std::min(count, size - std::min<std::size_t>(offset, size)));
            return std::vector<std::byte>(part.begin(), part.end());
        });
    Check(asked <= 8 + vitrel::MaxNameBytes + vitrel::MaxColorTextBytes,
          "no more is asked for than the counts and the ceilings allow");
    const std::size_t textBytes = 2 * (read.name.size() + read.colorText.size());
    Check(textBytes <= size, "the strings are no longer than the input");
    Check(vitrel::ReadFavoriteRecord(bytes, false) == vitrel::FavoriteRecord{read.name, {}},
          "the name does not depend on whether the colour is wanted");
    const auto written = vitrel::WriteFavoriteRecord(read.name, read.colorText);
    Check(written.size() == 8 + textBytes && vitrel::ReadFavoriteRecord(written) == read,
          "a written record is its two strings and eight bytes, and reads back the same");
    return 0;
}
