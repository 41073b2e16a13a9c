// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/notation/NamedColorTables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

#include "core/notation/HexDigit.h"

namespace vitrel::modVitrel::tables {
namespace {

struct NamedColor {
    std::string_view name;
    std::string_view colour;  // "#RRGGBB", a literal: its NUL ends the COLSTR data
};

// Every colour name the program knows, sorted by name. The spellings are the program's own
// (CORNFLOWER, FUCHIA, LIGHTGREY): stored favourites and the users' habits depend on them, so
// they are not to be "corrected".
constexpr NamedColor kNamedColors[] = {
    {"ALICEBLUE", "#F0F8FF"},
    {"ANTIQUEWHITE", "#FAEBD7"},
    {"AQUA", "#00FFFF"},
    {"AQUAMARINE", "#7FFFD4"},
    {"AZURE", "#F0FFFF"},
    {"BEIGE", "#F5F5DC"},
    {"BISQUE", "#FFE4C4"},
    {"BLACK", "#000000"},
    {"BLANCHEDALMOND", "#FFEBCD"},
    {"BLUE", "#0000FF"},
    {"BLUEVIOLET", "#8A2BE2"},
    {"BROWN", "#A52A2A"},
    {"BURLYWOOD", "#DEB887"},
    {"CADETBLUE", "#5F9EA0"},
    {"CHARTREUSE", "#7FFF00"},
    {"CHOCOLATE", "#D2691E"},
    {"CORAL", "#FF7F50"},
    {"CORNFLOWER", "#6495ED"},
    {"CORNSILK", "#FFF8DC"},
    {"CRIMSON", "#DC143C"},
    {"CYAN", "#00FFFF"},
    {"DARKBLUE", "#00008B"},
    {"DARKCYAN", "#008B8B"},
    {"DARKGOLDENROD", "#B8860B"},
    {"DARKGRAY", "#A9A9A9"},
    {"DARKGREEN", "#006400"},
    {"DARKKHAKI", "#BDB76B"},
    {"DARKMAGENTA", "#8B008B"},
    {"DARKOLIVEGREEN", "#556B2F"},
    {"DARKORANGE", "#FF8C00"},
    {"DARKORCHID", "#9932CC"},
    {"DARKRED", "#8B0000"},
    {"DARKSALMON", "#E9967A"},
    {"DARKSEAGREEN", "#8FBC8B"},
    {"DARKSLATEBLUE", "#483D8B"},
    {"DARKSLATEGRAY", "#2F4F4F"},
    {"DARKTURQUOISE", "#00CED1"},
    {"DARKVIOLET", "#9400D3"},
    {"DEEPPINK", "#FF1493"},
    {"DEEPSKYBLUE", "#00BFFF"},
    {"DIMGRAY", "#696969"},
    {"DODGERBLUE", "#1E90FF"},
    {"FIREBRICK", "#B22222"},
    {"FLORALWHITE", "#FFFAF0"},
    {"FORESTGREEN", "#228B22"},
    {"FUCHIA", "#FF00FF"},
    {"GAINSBORO", "#DCDCDC"},
    {"GHOSTWHITE", "#F8F8FF"},
    {"GOLD", "#FFD700"},
    {"GOLDENROD", "#DAA520"},
    {"GRAY", "#808080"},
    {"GREEN", "#008000"},
    {"GREENYELLOW", "#ADFF2F"},
    {"HONEYDEW", "#F0FFF0"},
    {"HOTPINK", "#FF69B4"},
    {"INDIANRED", "#CD5C5C"},
    {"INDIGO", "#4B0082"},
    {"IVORY", "#FFFFF0"},
    {"KHAKI", "#F0E68C"},
    {"LAVENDER", "#E6E6FA"},
    {"LAVENDERBLUSH", "#FFF0F5"},
    {"LAWNGREEN", "#7CFC00"},
    {"LEMONCHIFFON", "#FFFACD"},
    {"LIGHTBLUE", "#ADD8E6"},
    {"LIGHTCORAL", "#F08080"},
    {"LIGHTCYAN", "#E0FFFF"},
    {"LIGHTGOLDENRODYELLOW", "#FAFAD2"},
    {"LIGHTGREEN", "#90EE90"},
    {"LIGHTGREY", "#D3D3D3"},
    {"LIGHTPINK", "#FFB6C1"},
    {"LIGHTSALMON", "#FFA07A"},
    {"LIGHTSEAGREEN", "#20B2AA"},
    {"LIGHTSKYBLUE", "#87CEFA"},
    {"LIGHTSLATEGRAY", "#778899"},
    {"LIGHTSTEELBLUE", "#B0C4DE"},
    {"LIGHTYELLOW", "#FFFFE0"},
    {"LIME", "#00FF00"},
    {"LIMEGREEN", "#32CD32"},
    {"LINEN", "#FAF0E6"},
    {"MAGENTA", "#FF00FF"},
    {"MAROON", "#800000"},
    {"MEDIUMAQUAMARINE", "#66CDAA"},
    {"MEDIUMBLUE", "#0000CD"},
    {"MEDIUMORCHID", "#BA55D3"},
    {"MEDIUMPURPLE", "#9370DB"},
    {"MEDIUMSEAGREEN", "#3CB371"},
    {"MEDIUMSLATEBLUE", "#7B68EE"},
    {"MEDIUMSPRINGGREEN", "#00FA9A"},
    {"MEDIUMTURQUOISE", "#48D1CC"},
    {"MEDIUMVIOLETRED", "#C71585"},
    {"MIDNIGHTBLUE", "#191970"},
    {"MINTCREAM", "#F5FFFA"},
    {"MISTYROSE", "#FFE4E1"},
    {"MOCCASIN", "#FFE4B5"},
    {"NAVAJOWHITE", "#FFDEAD"},
    {"NAVY", "#000080"},
    {"OLDLACE", "#FDF5E6"},
    {"OLIVE", "#808000"},
    {"OLIVEDRAB", "#6B8E23"},
    {"ORANGE", "#FFA500"},
    {"ORANGERED", "#FF4500"},
    {"ORCHID", "#DA70D6"},
    {"PALEGOLDENROD", "#EEE8AA"},
    {"PALEGREEN", "#98FB98"},
    {"PALETURQUOISE", "#AFEEEE"},
    {"PALEVIOLETRED", "#DB7093"},
    {"PAPAYAWHIP", "#FFEFD5"},
    {"PEACHPUFF", "#FFDAB9"},
    {"PERU", "#CD853F"},
    {"PINK", "#FFC0CB"},
    {"PLUM", "#DDA0DD"},
    {"POWDERBLUE", "#B0E0E6"},
    {"PURPLE", "#800080"},
    {"RED", "#FF0000"},
    {"ROSYBROWN", "#BC8F8F"},
    {"ROYALBLUE", "#4169E1"},
    {"SADDLEBROWN", "#8B4513"},
    {"SALMON", "#FA8072"},
    {"SANDYBROWN", "#F4A460"},
    {"SEAGREEN", "#2E8B57"},
    {"SEASHELL", "#FFF5EE"},
    {"SIENNA", "#A0522D"},
    {"SILVER", "#C0C0C0"},
    {"SKYBLUE", "#87CEEB"},
    {"SLATEBLUE", "#6A5ACD"},
    {"SLATEGRAY", "#708090"},
    {"SNOW", "#FFFAFA"},
    {"SPRINGGREEN", "#00FF7F"},
    {"STEELBLUE", "#4682B4"},
    {"TAN", "#D2B48C"},
    {"TEAL", "#008080"},
    {"THISTLE", "#D8BFD8"},
    {"TOMATO", "#FF6347"},
    {"TURQUOISE", "#40E0D0"},
    {"VIOLET", "#EE82EE"},
    {"WHEAT", "#F5DEB3"},
    {"WHITE", "#FFFFFF"},
    {"WHITESMOKE", "#F5F5F5"},
    {"YELLOW", "#FFFF00"},
    {"YELLOWGREEN", "#9ACD32"},
};

// Names whose colour turns back into the other name it has (CYAN, MAGENTA).
constexpr bool IsSynonym(std::string_view name) {
    return name == "AQUA" || name == "FUCHIA";
}

constexpr std::size_t kNameCount = std::size(kNamedColors);
constexpr auto kColourCount = static_cast<std::size_t>(
    std::count_if(std::begin(kNamedColors), std::end(kNamedColors),
                  [](const NamedColor& named) { return !IsSynonym(named.name); }));

constexpr std::size_t PaddedLength(std::size_t length) {
    return (length + 3) / 4 * 4;
}

constexpr auto kColStr = [] {
    std::array<TableEntry, kNameCount> table{};
    for (std::size_t i = 0; i < kNameCount; ++i) {
        table[i] = {kNamedColors[i].name, {kNamedColors[i].colour.data(), 8}};
    }
    return table;
}();

// The names HEX gives, in key order ("C" + RRGGBB sorts as "#RRGGBB" does).
constexpr auto kHexNames = [] {
    std::array<NamedColor, kColourCount> named{};
    std::copy_if(std::begin(kNamedColors), std::end(kNamedColors), named.begin(),
                 [](const NamedColor& entry) { return !IsSynonym(entry.name); });
    std::sort(named.begin(), named.end(),
              [](const NamedColor& a, const NamedColor& b) { return a.colour < b.colour; });
    return named;
}();

constexpr auto kHexKeys = [] {
    std::array<char, 7 * kColourCount> keys{};
    for (std::size_t i = 0; i < kColourCount; ++i) {
        keys[7 * i] = 'C';
        std::copy_n(kHexNames[i].colour.begin() + 1, 6, keys.begin() + 7 * i + 1);
    }
    return keys;
}();

constexpr std::size_t kHexDataSize = [] {
    std::size_t size = 0;
    for (const NamedColor& named : kHexNames) {
        size += PaddedLength(named.name.size());
    }
    return size;
}();

constexpr auto kHexData = [] {
    std::array<char, kHexDataSize> data{};  // zero-filled: the padding is NULs
    std::size_t at = 0;
    for (const NamedColor& named : kHexNames) {
        std::copy(named.name.begin(), named.name.end(), data.begin() + at);
        at += PaddedLength(named.name.size());
    }
    return data;
}();

constexpr auto kHex = [] {
    std::array<TableEntry, kColourCount> table{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < kColourCount; ++i) {
        const std::size_t length = PaddedLength(kHexNames[i].name.size());
        table[i] = {{&kHexKeys[7 * i], 7}, {&kHexData[at], length}};
        at += length;
    }
    return table;
}();

// The checks a damaged list fails at compile time.

constexpr bool IsName(std::string_view name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

constexpr bool IsColourData(std::string_view data) {
    return data.size() == 8 && data[0] == '#' && data[7] == '\0' &&
           std::all_of(data.begin() + 1, data.begin() + 7,
                       [](char c) { return HexDigitValue(c) >= 0 && !(c >= 'a' && c <= 'f'); });
}

// Ascending without repeats: the lookups bisect, and no key (in HEX: no colour) is there twice.
constexpr bool IsStrictlySorted(std::span<const TableEntry> table) {
    return std::adjacent_find(table.begin(), table.end(), [](const auto& a, const auto& b) {
               return a.key >= b.key;
           }) == table.end();
}

// The name HEX gives a "#RRGGBB" colour, without its padding; empty when there is none.
constexpr std::string_view HexName(std::string_view colour) {
    const char key[] = {'C', colour[1], colour[2], colour[3], colour[4], colour[5], colour[6]};
    const TableEntry* entry = Find(kHex, {key, 7});
    return entry == nullptr ? std::string_view() : entry->data.substr(0, entry->data.find('\0'));
}

static_assert(kNameCount == 140 && kColourCount == 138);
static_assert(IsStrictlySorted(kColStr) && IsStrictlySorted(kHex));
static_assert(std::all_of(kColStr.begin(), kColStr.end(), [](const TableEntry& entry) {
    return IsName(entry.key) && IsColourData(entry.data);
}));
// Every name's colour turns back into that name, or for a synonym into the other name of the
// same colour.
static_assert(std::all_of(std::begin(kNamedColors), std::end(kNamedColors), [](const auto& named) {
    const std::string_view back = HexName(named.colour);
    return IsSynonym(named.name) ? back != named.name && Find(kColStr, back) != nullptr &&
                                       Find(kColStr, back)->data.starts_with(named.colour)
                                 : back == named.name;
}));
static_assert(HexName("#00FFFF") == "CYAN" && HexName("#FF00FF") == "MAGENTA");
static_assert(Find(kHex, "CFF0000")->data == std::string_view("RED\0", 4) &&
              Find(kHex, "C000000")->data == std::string_view("BLACK\0\0\0", 8) &&
              Find(kHex, "C000080")->data == "NAVY" &&
              Find(kHex, "CFAFAD2")->data == "LIGHTGOLDENRODYELLOW");

}  // namespace

std::span<const TableEntry> ColStr() {
    return kColStr;
}

std::span<const TableEntry> Hex() {
    return kHex;
}

}  // namespace vitrel::modVitrel::tables
