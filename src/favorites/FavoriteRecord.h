// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// The record file of a favourite: two counted strings, nothing before, between or after them.
/// Each is a signed 32-bit little-endian upper bound (the byte count minus one, so -1 for an
/// empty string) followed by that many plus one bytes of raw UTF-16LE, with no terminator and no
/// byte-order mark. Other programs read and write this layout, so it never changes.
namespace vitrel {

struct FavoriteRecord {
    std::u16string name;
    std::u16string colorText;
    bool operator==(const FavoriteRecord&) const = default;
};

/// Reads the name and, when withColor is set, the colour text. Every file may be damaged, so a
/// count that runs past the end gives the whole code units that are there, a negative count gives
/// an empty string and the next field follows the four count bytes, and a half code unit at the
/// end of a string is dropped. The result never holds more bytes than the input.
[[nodiscard]] FavoriteRecord ReadFavoriteRecord(std::span<const std::byte> bytes,
                                                bool withColor = true);

/// The whole file for a record: exactly 8 bytes plus both strings' bytes. Throws
/// std::length_error for a string too long for its 32-bit count.
[[nodiscard]] std::vector<std::byte> WriteFavoriteRecord(std::u16string_view name,
                                                         std::u16string_view colorText);

}  // namespace vitrel
