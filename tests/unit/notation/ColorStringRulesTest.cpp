// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/notation/ColorStringRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace vitrel::ColorStringRules {
namespace {

using namespace std::string_literals;
using enum LetterCase;
using enum Quotation;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kAbcdef{171, 205, 239};

TEST(ComposeColorStringTest, AppliesNameThenCaseThenQuotation) {
    struct Row {
        Rgb colour;
        NotationOptions options;
        std::u16string expected;
    };
    // A greyed name box (2) turns no name on; a colour without a name keeps its digits.
    const Row rows[] = {
        {kRed, {0, Upper, None}, u"#FF0000"},      {kRed, {0, Lower, None}, u"#ff0000"},
        {kRed, {0, FirstUpper, None}, u"#ff0000"}, {kRed, {1, Upper, None}, u"RED"},
        {kRed, {1, Lower, None}, u"red"},          {kRed, {1, FirstUpper, None}, u"Red"},
        {kRed, {2, Upper, None}, u"#FF0000"},      {kRed, {0, Upper, Double}, u"\"#FF0000\""},
        {kRed, {1, Lower, Single}, u"'red'"},      {kAbcdef, {1, FirstUpper, None}, u"#abcdef"}};
    for (const Row& row : rows) {
        EXPECT_EQ(ComposeColorString(row.colour, row.options), row.expected)
            << testing::PrintToString(row.expected);
    }
}

TEST(StripQuotationTest, TurnsMarksIntoSpacesAndTrimsOnlySpaces) {
    struct Row {
        std::u16string text;
        std::u16string bare;
        Quotation selected;
    };
    // The double quote wins; a mark inside leaves a space; marks need not be paired.
    const Row rows[] = {{u"'say \"red\"'", u"say  red", Double},
                        {u"\"red", u"red", Double},
                        {u"\t'red'\t", u"\t red \t", Single}};
    for (const Row& row : rows) {
        Quotation selected = row.selected == None ? Double : None;
        EXPECT_EQ(StripQuotation(row.text, &selected), row.bare)
            << testing::PrintToString(row.text);
        EXPECT_EQ(selected, row.selected) << testing::PrintToString(row.text);
    }
}

TEST(PasteTextTest, AdoptsTheNotationBeforeJudgingAndReadsTheColour) {
    struct Row {
        std::u16string text;
        NotationOptions before;
        NotationOptions after;
        std::optional<Rgb> colour;
    };
    const std::u16string padding(1 << 20, u' ');
    const Row rows[] = {
        {u"  #FF0000  ", {0, Lower, Double}, {0, Upper, None}, kRed},
        {u"#ff0000", {1, Upper, None}, {1, Lower, None}, kRed},
        {u"#fF0000", {0, Lower, None}, {0, Upper, None}, kRed},  // any upper wins
        {u"' #0a0B0c '", {0, Lower, None}, {0, Upper, Single}, Rgb{10, 11, 12}},
        {u"#000000", {0, Lower, Single}, {0, Lower, None}, Rgb{0, 0, 0}},
        // First upper stays while the name box is ticked or greyed.
        {u"#ABCDEF", {1, FirstUpper, None}, {1, FirstUpper, None}, kAbcdef},
        {u"#abcdef", {2, FirstUpper, None}, {2, FirstUpper, None}, kAbcdef},
        {u"#abcdef", {0, FirstUpper, None}, {0, Lower, None}, kAbcdef},
        {u"\"Red\"", {0, Upper, None}, {1, FirstUpper, Double}, kRed},
        {u"RED", {0, Lower, Double}, {1, Upper, None}, kRed},
        {u"rED", {2, Upper, None}, {1, Lower, None}, kRed},
        {u"aqua", {0, Upper, None}, {1, Lower, None}, Rgb{0, 255, 255}},
        {padding + u"'Navy'" + padding, {}, {1, FirstUpper, Single}, Rgb{0, 0, 128}},
        // Rejected texts: the options still follow what was seen.
        {u"fuchsia", {0, Upper, Double}, {0, Upper, None}, std::nullopt},
        {u"#GGGGGG", {0, Lower, None}, {0, Upper, None}, std::nullopt},
        {u"#FFF", {0, Lower, None}, {0, Lower, None}, std::nullopt},
        {u"#FF0000\t", {0, Lower, None}, {0, Lower, None}, std::nullopt},
        {u"", {1, FirstUpper, Double}, {1, FirstUpper, None}, std::nullopt},
        {u"#FF\000000"s, {0, Lower, None}, {0, Upper, None}, std::nullopt},  // a NUL inside
    };
    for (const Row& row : rows) {
        const PasteOutcome outcome = PasteText(row.text, row.before);
        const std::string label = testing::PrintToString(row.text.substr(0, 30));
        EXPECT_TRUE(outcome.options == row.after) << label;
        EXPECT_TRUE(outcome.colour == row.colour) << label;
        // The Edit menu offers paste exactly when the paste would take a colour.
        EXPECT_EQ(CanPasteText(row.text), row.colour.has_value()) << label;
    }
}

}  // namespace
}  // namespace vitrel::ColorStringRules
