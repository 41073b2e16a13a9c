// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "notation/modVitrel.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "notation/NamedColorTables.h"

namespace vitrel::modVitrel {
namespace {

std::u16string Lower(std::string_view ascii) {
    std::u16string text(ascii.begin(), ascii.end());
    for (char16_t& c : text) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return text;
}

TEST(NamedColorTableTest, EveryNameTurnsIntoItsColourAndBack) {
    ASSERT_EQ(tables::ColStr().size(), 140u);
    std::set<std::u16string> colours;
    for (const auto& entry : tables::ColStr()) {
        SCOPED_TRACE(entry.key);
        const std::u16string name(entry.key.begin(), entry.key.end());
        const std::u16string colour = ColorNameToHex(Lower(entry.key));
        ASSERT_EQ(colour.size(), 7u);
        EXPECT_EQ(ColorNameToHex(name), colour);
        colours.insert(colour);
        // The two synonyms come back as the name their colour keeps.
        const std::u16string back = name == u"AQUA"     ? u"CYAN"
                                    : name == u"FUCHIA" ? u"MAGENTA"
                                                        : name;
        EXPECT_EQ(HexToColorName(colour), back);
        EXPECT_EQ(HexToColorName(Lower(std::string(colour.begin(), colour.end()))), back);
    }
    EXPECT_EQ(colours.size(), 138u);
}

TEST(NamedColorTableTest, StoresNamesNulPaddedToFourBytesAndColoursWithOneNul) {
    using namespace std::string_literals;
    const auto hex = tables::Hex();
    const auto colStr = tables::ColStr();
    const std::tuple<std::span<const tables::TableEntry>, const char*, std::string> rows[] = {
        {hex, "CFF0000", "RED\0"s},
        {hex, "C000000", "BLACK\0\0\0"s},
        {hex, "C000080", "NAVY"s},
        {hex, "CFAFAD2", "LIGHTGOLDENRODYELLOW"s},
        {colStr, "ALICEBLUE", "#F0F8FF\0"s}};
    for (const auto& [table, key, bytes] : rows) {
        const tables::TableEntry* entry = tables::Find(table, key);
        ASSERT_NE(entry, nullptr) << key;
        EXPECT_EQ(std::string(entry->data.begin(), entry->data.end()), bytes) << key;
    }
}

TEST(NamedColorLookupTest, FindsTheNameOrTheColourOrNothing) {
    // Every name comes back from its colour (above); what remains are spaces and misses.
    EXPECT_EQ(HexToColorName(u"   #ff0000  "), u"RED");
    const std::u16string nul(1, u'\0');
    // Only plain spaces are trimmed; units outside ASCII never match, not even by their low byte.
    const std::u16string notHex[] = {u"#123456",       u"FF0000",       u"#FF00000",
                                     u"#GGGGGG",       u"\t#ff0000",    u"#ff0000\r\n",
                                     u"\u3000#ff0000", u"#\u0146F0000", u"#FF" + nul + u"000"};
    for (const std::u16string& text : notHex) {
        EXPECT_EQ(HexToColorName(text), u"") << testing::PrintToString(text);
    }
    // The telling spellings and values of the table.
    const std::pair<std::u16string, std::u16string> names[] = {{u"  Aqua  ", u"#00FFFF"},
                                                               {u"fuchia", u"#FF00FF"},
                                                               {u"Cornflower", u"#6495ED"},
                                                               {u"LightGrey", u"#D3D3D3"},
                                                               {u"DarkSeaGreen", u"#8FBC8B"}};
    for (const auto& [name, colour] : names) {
        EXPECT_EQ(ColorNameToHex(name), colour) << testing::PrintToString(name);
    }
    const std::u16string notNames[] = {u"fuchsia",    u"cornflowerblue", u"LightGray", u"",
                                       u"alice blue", u"#F0F8FF",        u"red\t",     u"\u3000red",
                                       u"\u0152ED",   u"red" + nul};
    for (const std::u16string& text : notNames) {
        EXPECT_EQ(ColorNameToHex(text), u"") << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace vitrel::modVitrel
