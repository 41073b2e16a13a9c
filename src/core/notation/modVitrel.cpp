// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/notation/modVitrel.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/notation/NamedColorTables.h"

namespace vitrel::modVitrel {

namespace {

// No key of either table is longer than this; longer texts are misses without further work.
constexpr std::size_t kMaxKeyLength = 32;

// Only U+0020 counts: tabs, line ends and other blanks are part of the text.
std::u16string_view TrimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

// The table key for text, upper-casing ASCII a-z only. Any other unit outside ASCII can never
// be part of a key, so it makes the whole text a miss (rather than being cut to its low byte).
bool ToKey(std::u16string_view text, std::string& key) {
    if (text.size() > kMaxKeyLength) {
        return false;
    }
    for (const char16_t unit : text) {
        if (unit >= 0x80) {
            return false;
        }
        char c = static_cast<char>(unit);
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        key.push_back(c);
    }
    return true;
}

// The data as text, one character per byte, cut before the first NUL.
std::u16string DataText(std::string_view data) {
    data = data.substr(0, data.find('\0'));
    std::u16string text;
    for (const char byte : data) {
        text.push_back(static_cast<unsigned char>(byte));
    }
    return text;
}

}  // namespace

std::u16string HexToColorName(std::u16string text) {
    const std::u16string_view trimmed = TrimSpaces(text);
    if (trimmed.size() != 7 || trimmed.front() != u'#') {
        return {};
    }
    std::string key = "C";
    if (!ToKey(trimmed.substr(1), key)) {
        return {};
    }
    const tables::TableEntry* entry = tables::Find(tables::Hex(), key);
    if (entry == nullptr) {
        return {};
    }
    // Whatever follows the letters (padding or anything else) is not part of the name.
    std::u16string name = DataText(entry->data);
    const auto end =
        std::find_if(name.begin(), name.end(), [](char16_t c) { return c < u'A' || c > u'Z'; });
    name.erase(end, name.end());
    return name;
}

std::u16string ColorNameToHex(std::u16string name) {
    std::string key;
    if (!ToKey(TrimSpaces(name), key)) {
        return {};
    }
    const tables::TableEntry* entry = tables::Find(tables::ColStr(), key);
    if (entry == nullptr) {
        return {};
    }
    return DataText(entry->data);
}

}  // namespace vitrel::modVitrel
