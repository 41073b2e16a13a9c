// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "notation/ColorStringRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace vitrel::ColorStringRules {

bool operator==(const NotationOptions& a, const NotationOptions& b) {
    return a.nameBox == b.nameBox && a.letterCase == b.letterCase && a.quotation == b.quotation;
}

std::ostream& operator<<(std::ostream& os, const NotationOptions& o) {
    return os << "{nameBox " << o.nameBox << ", case " << static_cast<int>(o.letterCase)
              << ", quotation " << static_cast<int>(o.quotation) << "}";
}

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

namespace {

using LC = LetterCase;
using Q = Quotation;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kAbcdef{171, 205, 239};

TEST(ToHexByteTest, WritesTwoUpperCaseDigitsOrTheWhole16BitPattern) {
    const std::pair<std::int16_t, std::u16string> rows[] = {
        {0, u"00"}, {10, u"0A"}, {16, u"10"}, {255, u"FF"}, {256, u"100"}, {-1, u"FFFF"}};
    for (const auto& [channel, digits] : rows) {
        EXPECT_EQ(ToHexByte(channel), digits) << channel;
    }
}

TEST(ComposeColorStringTest, AppliesNameThenCaseThenQuotation) {
    struct Row {
        Rgb colour;
        NotationOptions options;
        std::u16string expected;
    };
    // A greyed name box (2) turns no name on; a colour without a name keeps its digits.
    const Row rows[] = {{kRed, {0, LC::Upper, Q::None}, u"#FF0000"},
                        {kRed, {0, LC::Lower, Q::None}, u"#ff0000"},
                        {kRed, {0, LC::FirstUpper, Q::None}, u"#ff0000"},
                        {kRed, {1, LC::Upper, Q::None}, u"RED"},
                        {kRed, {1, LC::Lower, Q::None}, u"red"},
                        {kRed, {1, LC::FirstUpper, Q::None}, u"Red"},
                        {kRed, {2, LC::Upper, Q::None}, u"#FF0000"},
                        {kRed, {0, LC::Upper, Q::Double}, u"\"#FF0000\""},
                        {kRed, {1, LC::Lower, Q::Single}, u"'red'"},
                        {kAbcdef, {1, LC::Upper, Q::None}, u"#ABCDEF"},
                        {kAbcdef, {1, LC::FirstUpper, Q::None}, u"#abcdef"},
                        {{0, 255, 255}, {1, LC::Upper, Q::None}, u"CYAN"},
                        {{255, 0, 255}, {1, LC::Lower, Q::None}, u"magenta"},
                        {{10, 11, 12}, {0, LC::Lower, Q::None}, u"#0a0b0c"},
                        {{240, 248, 255}, {1, LC::FirstUpper, Q::None}, u"Aliceblue"},
                        {{250, 250, 210}, {1, LC::Upper, Q::Double}, u"\"LIGHTGOLDENRODYELLOW\""}};
    for (const Row& row : rows) {
        EXPECT_EQ(ComposeColorString(row.colour, row.options), row.expected)
            << row.colour << " " << row.options;
    }
}

TEST(StripQuotationTest, TurnsMarksIntoSpacesAndTrimsOnlySpaces) {
    struct Row {
        std::u16string text;
        std::u16string bare;
        Quotation selected;
    };
    // The double quote wins; a mark inside leaves a space; marks need not be paired.
    const Row rows[] = {{u"\"#FF0000\"", u"#FF0000", Q::Double},
                        {u"'red'", u"red", Q::Single},
                        {u"  red  ", u"red", Q::None},
                        {u"\"it's\"", u"it s", Q::Double},
                        {u"'say \"red\"'", u"say  red", Q::Double},
                        {u" \" ' \" ", u"", Q::Double},
                        {u"\"red", u"red", Q::Double},
                        {u"\t'red'\t", u"\t red \t", Q::Single}};
    for (const Row& row : rows) {
        Quotation selected = row.selected == Q::None ? Q::Double : Q::None;
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
    const std::u16string nul(1, u'\0');
    const Row rows[] = {
        {u"  #FF0000  ", {0, LC::Lower, Q::Double}, {0, LC::Upper, Q::None}, kRed},
        {u"#ff0000", {1, LC::Upper, Q::None}, {1, LC::Lower, Q::None}, kRed},
        {u"#fF0000", {0, LC::Lower, Q::None}, {0, LC::Upper, Q::None}, kRed},  // any upper wins
        {u"' #0a0B0c '", {0, LC::Lower, Q::None}, {0, LC::Upper, Q::Single}, Rgb{10, 11, 12}},
        {u"#000000", {0, LC::Lower, Q::Single}, {0, LC::Lower, Q::None}, Rgb{0, 0, 0}},
        // First upper stays while the name box is ticked or greyed.
        {u"#ABCDEF", {1, LC::FirstUpper, Q::None}, {1, LC::FirstUpper, Q::None}, kAbcdef},
        {u"#abcdef", {2, LC::FirstUpper, Q::None}, {2, LC::FirstUpper, Q::None}, kAbcdef},
        {u"#abcdef", {0, LC::FirstUpper, Q::None}, {0, LC::Lower, Q::None}, kAbcdef},
        {u"\"Red\"", {0, LC::Upper, Q::None}, {1, LC::FirstUpper, Q::Double}, kRed},
        {u"RED", {0, LC::Lower, Q::Double}, {1, LC::Upper, Q::None}, kRed},
        {u"rED", {2, LC::Upper, Q::None}, {1, LC::Lower, Q::None}, kRed},
        {u"'Navy'", {0, LC::Upper, Q::None}, {1, LC::FirstUpper, Q::Single}, Rgb{0, 0, 128}},
        // Rejected texts: the options still follow what was seen.
        {u"fuchsia", {0, LC::Upper, Q::Double}, {0, LC::Upper, Q::None}, std::nullopt},
        {u"#GGGGGG", {0, LC::Lower, Q::None}, {0, LC::Upper, Q::None}, std::nullopt},
        {u"#12 456", {0, LC::Lower, Q::None}, {0, LC::Lower, Q::None}, std::nullopt},
        {u"#FFF", {0, LC::Lower, Q::None}, {0, LC::Lower, Q::None}, std::nullopt},
        {u"#FF0000\t", {0, LC::Lower, Q::None}, {0, LC::Lower, Q::None}, std::nullopt},
        {u"red\t", {0, LC::Upper, Q::None}, {0, LC::Upper, Q::None}, std::nullopt},
        {u"R\"ED", {0, LC::Upper, Q::None}, {0, LC::Upper, Q::Double}, std::nullopt},
        {u"", {1, LC::FirstUpper, Q::Double}, {1, LC::FirstUpper, Q::None}, std::nullopt},
        {u"#FF" + nul + u"000", {0, LC::Lower, Q::None}, {0, LC::Upper, Q::None}, std::nullopt},
    };
    for (const Row& row : rows) {
        const PasteOutcome outcome = PasteText(row.text, row.before);
        const std::string label = testing::PrintToString(row.text);
        EXPECT_EQ(outcome.options, row.after) << label;
        EXPECT_EQ(outcome.colour, row.colour) << label;
        // The Edit menu offers paste exactly when the paste would take a colour.
        EXPECT_EQ(CanPasteText(row.text), row.colour.has_value()) << label;
    }
}

TEST(PasteTextTest, EveryComposedStringPastesBackAsWritten) {
    for (const Rgb colour : {kRed, kAbcdef, Rgb{0, 0, 0}, Rgb{10, 11, 12}, Rgb{250, 250, 210}}) {
        for (std::int16_t nameBox = 0; nameBox <= 2; ++nameBox) {
            for (const LC letterCase : {LC::Upper, LC::Lower, LC::FirstUpper}) {
                for (const Q quotation : {Q::Double, Q::Single, Q::None}) {
                    const NotationOptions options{nameBox, letterCase, quotation};
                    const std::u16string text = ComposeColorString(colour, options);
                    SCOPED_TRACE(testing::PrintToString(text));
                    const PasteOutcome outcome = PasteText(text, {0, LC::Upper, Q::None});
                    EXPECT_EQ(outcome.colour, colour);
                    EXPECT_EQ(outcome.options.quotation, quotation);
                    // The adopted options write the same string again.
                    EXPECT_EQ(ComposeColorString(colour, PasteText(text, options).options), text);
                }
            }
        }
    }
}

TEST(PasteTextTest, PastedSynonymIsCopiedUnderTheNameItsColourKeeps) {
    const PasteOutcome aqua = PasteText(u"aqua", {0, LC::Upper, Q::None});
    ASSERT_TRUE(aqua.colour.has_value());
    EXPECT_EQ(ComposeColorString(*aqua.colour, aqua.options), u"cyan");
}

TEST(PasteTextTest, MegabyteTextsAreHandled) {
    const std::u16string padding(1 << 21, u' ');
    const PasteOutcome padded = PasteText(padding + u"\"red\"" + padding, {});
    EXPECT_EQ(padded.colour, kRed);
    EXPECT_FALSE(CanPasteText(std::u16string(1 << 21, u'\'') + u"x"));
}

}  // namespace
}  // namespace vitrel::ColorStringRules
