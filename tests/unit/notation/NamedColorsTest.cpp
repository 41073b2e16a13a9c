// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "notation/modVitrel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "notation/NamedColorTables.h"

namespace vitrel::modVitrel {
namespace {

std::u16string U16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

std::u16string Lower(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return text;
}

TEST(NamedColorTableTest, EveryNameTurnsIntoItsColourAndBack) {
    ASSERT_EQ(tables::ColStr().size(), 140u);
    ASSERT_EQ(tables::Hex().size(), 138u);
    std::set<std::u16string> colours;
    for (const auto& entry : tables::ColStr()) {
        const std::u16string name = U16(entry.key);
        SCOPED_TRACE(entry.key);
        const std::u16string colour = ColorNameToHex(Lower(name));
        ASSERT_EQ(colour.size(), 7u);
        EXPECT_EQ(ColorNameToHex(name), colour);
        colours.insert(colour);

        // The two synonyms come back as the name their colour keeps.
        const std::u16string back = name == u"AQUA"     ? u"CYAN"
                                    : name == u"FUCHIA" ? u"MAGENTA"
                                                        : name;
        EXPECT_EQ(HexToColorName(colour), back);
        EXPECT_EQ(HexToColorName(Lower(colour)), back);
    }
    EXPECT_EQ(colours.size(), 138u);
}

struct StoredData {
    const char* table;
    const char* key;
    std::string bytes;
};

class NamedColorTableDataTest : public testing::TestWithParam<StoredData> {};

TEST_P(NamedColorTableDataTest, StoresTheExactBytes) {
    const auto& [table, key, bytes] = GetParam();
    const auto* entry =
        tables::Find(std::string(table) == "HEX" ? tables::Hex() : tables::ColStr(), key);
    ASSERT_NE(entry, nullptr) << key;
    EXPECT_EQ(std::string(entry->data.begin(), entry->data.end()), bytes) << key;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(PaddedToFourBytes, NamedColorTableDataTest,
                         testing::Values(StoredData{"COLSTR", "ALICEBLUE", "#F0F8FF\0"s},
                                         StoredData{"COLSTR", "FUCHIA", "#FF00FF\0"s},
                                         StoredData{"HEX", "CFF0000", "RED\0"s},
                                         StoredData{"HEX", "C000000", "BLACK\0\0\0"s},
                                         StoredData{"HEX", "C000080", "NAVY"s},
                                         StoredData{"HEX", "C00FFFF", "CYAN"s},
                                         StoredData{"HEX", "CFF00FF", "MAGENTA\0"s},
                                         StoredData{"HEX", "CFAFAD2", "LIGHTGOLDENRODYELLOW"s},
                                         StoredData{"HEX", "C00FA9A", "MEDIUMSPRINGGREEN\0\0\0"s}));

struct Lookup {
    std::u16string text;
    std::u16string expected;
};

void PrintTo(const Lookup& lookup, std::ostream* os) {
    *os << testing::PrintToString(lookup.text);
}

class HexToColorNameTest : public testing::TestWithParam<Lookup> {};

TEST_P(HexToColorNameTest, FindsTheNameOrNothing) {
    EXPECT_EQ(HexToColorName(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexToColorNameTest,
    testing::Values(Lookup{u"#ff0000", u"RED"}, Lookup{u"   #ff0000  ", u"RED"},
                    Lookup{u"#Ff0000", u"RED"}, Lookup{u"#00FFFF", u"CYAN"},
                    Lookup{u"#FF00FF", u"MAGENTA"}, Lookup{u"#000080", u"NAVY"},
                    Lookup{u"#FAFAD2", u"LIGHTGOLDENRODYELLOW"}, Lookup{u"#123456", u""},
                    Lookup{u"FF0000", u""}, Lookup{u"#FF00000", u""}, Lookup{u"#FF000", u""},
                    Lookup{u"#GGGGGG", u""}, Lookup{u"", u""}, Lookup{u"       ", u""},
                    // Only plain spaces are trimmed.
                    Lookup{u"\t#ff0000", u""}, Lookup{u"#ff0000\r\n", u""},
                    Lookup{u"\u3000#ff0000\u3000", u""},
                    // Units outside ASCII never match, not even by their low byte (U+0146).
                    Lookup{u"#\u0146F0000", u""}, Lookup{u"#\uFF26\uFF260000", u""},
                    Lookup{std::u16string(u"#FF\0"
                                          u"000",
                                          7),
                           u""},
                    Lookup{u"C#FF0000", u""}));

class ColorNameToHexTest : public testing::TestWithParam<Lookup> {};

TEST_P(ColorNameToHexTest, FindsTheColourOrNothing) {
    EXPECT_EQ(ColorNameToHex(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ColorNameToHexTest,
    testing::Values(Lookup{u"aqua", u"#00FFFF"}, Lookup{u"  Aqua  ", u"#00FFFF"},
                    Lookup{u"CYAN", u"#00FFFF"}, Lookup{u"fuchia", u"#FF00FF"},
                    Lookup{u"fuchsia", u""}, Lookup{u"cornflowerblue", u""},
                    Lookup{u"Cornflower", u"#6495ED"}, Lookup{u"LightGray", u""},
                    Lookup{u"LightGrey", u"#D3D3D3"}, Lookup{u"honeydew", u"#F0FFF0"},
                    Lookup{u"DarkSeaGreen", u"#8FBC8B"}, Lookup{u"", u""}, Lookup{u"   ", u""},
                    Lookup{u"alice blue", u""}, Lookup{u"#F0F8FF", u""}, Lookup{u"CF0F8FF", u""},
                    Lookup{u"red\t", u""}, Lookup{u"\u3000red", u""},
                    Lookup{u"\uFF32\uFF25\uFF24", u""},  // full-width RED
                    Lookup{u"wh\u0131te", u""},          // dotless i
                    Lookup{u"\u0152ED", u""},            // low byte 'R'
                    Lookup{std::u16string(u"red\0", 4), u""}, Lookup{u"\u200Fred", u""}));

}  // namespace
}  // namespace vitrel::modVitrel
