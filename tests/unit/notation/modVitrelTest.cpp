// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/notation/modVitrel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace vitrel::modVitrel {
namespace {

using namespace std::string_literals;
using Pairs = std::pair<std::u16string, std::u16string>[];

TEST(modVitrelTest, HexToColorNameGivesTheNameTheColourKeeps) {
    // Names that fill their data without a NUL come out whole.
    for (const auto& [text, name] : Pairs{{u"   #ff0000  ", u"RED"},
                                          {u"#00FFFF", u"CYAN"},
                                          {u"#ff00ff", u"MAGENTA"},
                                          {u"#000000", u"BLACK"},
                                          {u"#000080", u"NAVY"},
                                          {u"#FAFAD2", u"LIGHTGOLDENRODYELLOW"}}) {
        EXPECT_EQ(HexToColorName(text), name) << testing::PrintToString(text);
    }
    // Only plain spaces are trimmed; units outside ASCII never match, not even by their low byte.
    for (const std::u16string& text :
         {u"#123456"s, u"FF0000"s, u"#FF00000"s, u"#GGGGGG"s, u"\t#ff0000"s, u"#ff0000\r\n"s,
          u"\u3000#ff0000"s, u"#\u0146F0000"s, u"#FF\000000"s}) {
        EXPECT_EQ(HexToColorName(text), u"") << testing::PrintToString(text);
    }
}

TEST(modVitrelTest, ColorNameToHexReadsTheProgramsOwnSpellingsInAnyCase) {
    for (const auto& [name, colour] : Pairs{{u"  Aqua  ", u"#00FFFF"},
                                            {u"fuchia", u"#FF00FF"},
                                            {u"Cornflower", u"#6495ED"},
                                            {u"LightGrey", u"#D3D3D3"},
                                            {u"DarkSeaGreen", u"#8FBC8B"}}) {
        EXPECT_EQ(ColorNameToHex(name), colour) << testing::PrintToString(name);
    }
    for (const std::u16string& text :
         {u"fuchsia"s, u"cornflowerblue"s, u"LightGray"s, u""s, u"alice blue"s, u"#F0F8FF"s,
          u"red\t"s, u"\u3000red"s, u"\u0152ED"s, u"red\0"s}) {
        EXPECT_EQ(ColorNameToHex(text), u"") << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace vitrel::modVitrel
