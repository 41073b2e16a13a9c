// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

/// Up to `count` bytes of a record file from `offset`, fewer at its end.
using RecordSource = std::function<std::vector<std::byte>(std::uint64_t offset, std::size_t count)>;

/// The most of a name that is read: 2,048 code units, which hold any name the program writes
/// and show a long one's beginning.
inline constexpr std::size_t MaxNameBytes = 4096;
/// The most of a colour text that is read: a longer text is no colour string anyway.
inline constexpr std::size_t MaxColorTextBytes = 4096;

/// Reads the name and, when withColor is set, the colour text, asking `source` for no more than
/// four count bytes and the string's own bytes up to its ceiling each time, however long the
/// file or its counts: a longer string is cut at its ceiling. Every file may be damaged, so a
/// count that runs past the end gives the whole code units that are there, a negative count
/// gives an empty string and the next field follows the four count bytes, and a half code unit
/// at the end of a string is dropped.
[[nodiscard]] FavoriteRecord ReadFavoriteRecord(const RecordSource& source, bool withColor = true);
/// The same over a record's bytes in memory.
[[nodiscard]] FavoriteRecord ReadFavoriteRecord(std::span<const std::byte> bytes,
                                                bool withColor = true);

/// The whole file for a record: exactly 8 bytes plus both strings' bytes. Throws
/// std::length_error for a string too long for its 32-bit count.
[[nodiscard]] std::vector<std::byte> WriteFavoriteRecord(std::u16string_view name,
                                                         std::u16string_view colorText);

}  // namespace vitrel
