// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/favorites/FavoriteRecord.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace vitrel {
namespace {

/// Reads the counted string at `offset`, at most `ceiling` bytes of it, and moves `offset` past
/// the bytes its count claims.
std::u16string ReadCounted(const RecordSource& source, std::uint64_t& offset, std::size_t ceiling) {
    const std::vector<std::byte> field = source(offset, 4);
    if (field.size() < 4) {
        offset = std::numeric_limits<std::uint64_t>::max() / 2;  // nothing follows
        return {};
    }
    std::uint32_t raw = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        raw |= std::to_integer<std::uint32_t>(field[i]) << (8 * i);
    }
    offset += 4;
    const auto upperBound = static_cast<std::int32_t>(raw);
    // 64 bits, so that the largest upper bound plus one does not overflow.
    const std::uint64_t claimed = upperBound < 0 ? 0 : std::uint64_t{raw} + 1;
    const std::vector<std::byte> bytes =
        claimed > 0
            ? source(offset, static_cast<std::size_t>(std::min<std::uint64_t>(claimed, ceiling)))
            : std::vector<std::byte>();
    std::u16string text(std::min<std::size_t>(bytes.size(), ceiling) / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(std::to_integer<unsigned>(bytes[2 * i]) |
                                        std::to_integer<unsigned>(bytes[2 * i + 1]) << 8);
    }
    offset += claimed;
    return text;
}

void AppendCounted(std::vector<std::byte>& bytes, std::u16string_view text) {
    if (text.size() > (std::size_t{1} << 30)) {
        throw std::length_error("favourite text too long for its 32-bit count");
    }
    const auto raw = static_cast<std::uint32_t>(text.size() * 2 - 1);  // -1 for an empty text
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::byte>(raw >> (8 * i)));
    }
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::byte>(unit & 0xFF));
        bytes.push_back(static_cast<std::byte>(unit >> 8));
    }
}

}  // namespace

FavoriteRecord ReadFavoriteRecord(const RecordSource& source, bool withColor) {
    std::uint64_t offset = 0;
    FavoriteRecord record;
    record.name = ReadCounted(source, offset, MaxNameBytes);
    if (withColor) {
        record.colorText = ReadCounted(source, offset, MaxColorTextBytes);
    }
    return record;
}

FavoriteRecord ReadFavoriteRecord(std::span<const std::byte> bytes, bool withColor) {
    return ReadFavoriteRecord(
        [bytes](std::uint64_t offset, std::size_t count) {
            const std::size_t from =
                static_cast<std::size_t>(std::min<std::uint64_t>(offset, bytes.size()));
            const auto part = bytes.subspan(from, std::min(count, bytes.size() - from));
            return std::vector<std::byte>(part.begin(), part.end());
        },
        withColor);
}

std::vector<std::byte> WriteFavoriteRecord(std::u16string_view name,
                                           std::u16string_view colorText) {
    std::vector<std::byte> bytes;
    bytes.reserve(8 + 2 * (name.size() + colorText.size()));
    AppendCounted(bytes, name);
    AppendCounted(bytes, colorText);
    return bytes;
}

}  // namespace vitrel
