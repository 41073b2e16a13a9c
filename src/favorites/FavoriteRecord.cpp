// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "favorites/FavoriteRecord.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace vitrel {
namespace {

/// Reads the counted string at `offset` and moves `offset` past the bytes it takes up.
std::u16string ReadCounted(std::span<const std::byte> bytes, std::size_t& offset) {
    if (bytes.size() - offset < 4) {
        offset = bytes.size();
        return {};
    }
    std::uint32_t raw = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        raw |= std::to_integer<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    offset += 4;
    const auto upperBound = static_cast<std::int32_t>(raw);
    // 64 bits, so that the largest upper bound plus one does not overflow.
    const std::uint64_t claimed = upperBound < 0 ? 0 : std::uint64_t{raw} + 1;
    const auto count =
        static_cast<std::size_t>(std::min<std::uint64_t>(claimed, bytes.size() - offset));
    std::u16string text(count / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(std::to_integer<unsigned>(bytes[offset + 2 * i]) |
                                        std::to_integer<unsigned>(bytes[offset + 2 * i + 1]) << 8);
    }
    offset += count;
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

FavoriteRecord ReadFavoriteRecord(std::span<const std::byte> bytes, bool withColor) {
    std::size_t offset = 0;
    FavoriteRecord record;
    record.name = ReadCounted(bytes, offset);
    if (withColor) {
        record.colorText = ReadCounted(bytes, offset);
    }
    return record;
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
