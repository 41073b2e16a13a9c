// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

/// The two built-in colour tables. Each is sorted by key in byte order, so a lookup can bisect
/// it.
namespace vitrel::modVitrel::tables {

struct TableEntry {
    std::string_view key;
    std::string_view data;  // the stored bytes, NULs included
};

/// COLSTR: the upper-case name -> "#RRGGBB" and one NUL.
std::span<const TableEntry> ColStr();
/// HEX: "C" and six upper-case digits -> the upper-case name, NUL-padded to a multiple of four
/// bytes (no NUL when the name's length already is one).
std::span<const TableEntry> Hex();

/// The entry stored under key, or nullptr.
constexpr const TableEntry* Find(std::span<const TableEntry> table, std::string_view key) {
    const auto it = std::lower_bound(
        table.begin(), table.end(), key,
        [](const TableEntry& entry, std::string_view wanted) { return entry.key < wanted; });
    return it != table.end() && it->key == key ? &*it : nullptr;
}

}  // namespace vitrel::modVitrel::tables
