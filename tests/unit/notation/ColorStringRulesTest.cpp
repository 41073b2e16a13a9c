// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "notation/ColorStringRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vitrel::ColorStringRules {

bool operator==(const NotationOptions& a, const NotationOptions& b) {
    return a.nameBox == b.nameBox && a.letterCase == b.letterCase && a.quotation == b.quotation;
}

std::ostream& operator<<(std::ostream& os, const NotationOptions& o) {
    constexpr const char* kCases[] = {"Upper", "Lower", "FirstUpper"};
    constexpr const char* kQuotations[] = {"Double", "Single", "None"};
    return os << "{nameBox " << o.nameBox << ", " << kCases[static_cast<int>(o.letterCase)] << ", "
              << kQuotations[static_cast<int>(o.quotation)] << "}";
}

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

namespace {

using LC = LetterCase;
using Q = Quotation;

NotationOptions Options(std::int16_t nameBox, LetterCase letterCase, Quotation quotation) {
    NotationOptions options;
    options.nameBox = nameBox;
    options.letterCase = letterCase;
    options.quotation = quotation;
    return options;
}

struct HexByteCase {
    std::int16_t channel;
    std::u16string expected;
};

class ColorChannelHexTest : public testing::TestWithParam<HexByteCase> {};

TEST_P(ColorChannelHexTest, WritesUpperCaseDigits) {
    EXPECT_EQ(ToHexByte(GetParam().channel), GetParam().expected) << GetParam().channel;
}

INSTANTIATE_TEST_SUITE_P(
    Channels, ColorChannelHexTest,
    testing::Values(HexByteCase{0, u"00"}, HexByteCase{10, u"0A"}, HexByteCase{15, u"0F"},
                    HexByteCase{16, u"10"}, HexByteCase{171, u"AB"}, HexByteCase{255, u"FF"},
                    // Outside a channel's range: the 16-bit value, two's complement if negative.
                    HexByteCase{256, u"100"}, HexByteCase{4095, u"FFF"},
                    HexByteCase{32767, u"7FFF"}, HexByteCase{-1, u"FFFF"},
                    HexByteCase{-32768, u"8000"}));

struct ComposeCase {
    Rgb colour;
    NotationOptions options;
    std::u16string expected;
};

void PrintTo(const ComposeCase& c, std::ostream* os) {
    *os << c.colour << " " << c.options;
}

class ComposeColorStringTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeColorStringTest, AppliesNameThenCaseThenQuotation) {
    EXPECT_EQ(ComposeColorString(GetParam().colour, GetParam().options), GetParam().expected);
}

constexpr Rgb kRed{255, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Red, ComposeColorStringTest,
    testing::Values(ComposeCase{kRed, Options(0, LC::Upper, Q::None), u"#FF0000"},
                    ComposeCase{kRed, Options(0, LC::Lower, Q::None), u"#ff0000"},
                    ComposeCase{kRed, Options(0, LC::FirstUpper, Q::None), u"#ff0000"},
                    ComposeCase{kRed, Options(1, LC::Upper, Q::None), u"RED"},
                    ComposeCase{kRed, Options(1, LC::Lower, Q::None), u"red"},
                    ComposeCase{kRed, Options(1, LC::FirstUpper, Q::None), u"Red"},
                    // A greyed name box does not turn names on.
                    ComposeCase{kRed, Options(2, LC::Upper, Q::None), u"#FF0000"},
                    ComposeCase{kRed, Options(0, LC::Upper, Q::Double), u"\"#FF0000\""},
                    ComposeCase{kRed, Options(0, LC::Upper, Q::Single), u"'#FF0000'"},
                    ComposeCase{kRed, Options(1, LC::Lower, Q::Single), u"'red'"},
                    ComposeCase{kRed, Options(1, LC::FirstUpper, Q::Single), u"'Red'"},
                    ComposeCase{kRed, Options(1, LC::Upper, Q::Double), u"\"RED\""}));

INSTANTIATE_TEST_SUITE_P(
    OtherColours, ComposeColorStringTest,
    testing::Values(
        // No name: the name box changes nothing.
        ComposeCase{{171, 205, 239}, Options(1, LC::Upper, Q::None), u"#ABCDEF"},
        ComposeCase{{171, 205, 239}, Options(1, LC::Lower, Q::None), u"#abcdef"},
        ComposeCase{{171, 205, 239}, Options(1, LC::FirstUpper, Q::None), u"#abcdef"},
        ComposeCase{{0, 255, 255}, Options(1, LC::Upper, Q::None), u"CYAN"},
        ComposeCase{{255, 0, 255}, Options(1, LC::Lower, Q::None), u"magenta"},
        ComposeCase{{0, 0, 0}, Options(1, LC::Upper, Q::None), u"BLACK"},
        ComposeCase{{0, 0, 0}, Options(1, LC::Lower, Q::None), u"black"},
        ComposeCase{{0, 0, 0}, Options(1, LC::FirstUpper, Q::None), u"Black"},
        ComposeCase{{10, 11, 12}, Options(0, LC::Upper, Q::None), u"#0A0B0C"},
        ComposeCase{{10, 11, 12}, Options(0, LC::Lower, Q::None), u"#0a0b0c"},
        ComposeCase{{240, 248, 255}, Options(1, LC::FirstUpper, Q::None), u"Aliceblue"},
        ComposeCase{{0, 0, 128}, Options(1, LC::FirstUpper, Q::Single), u"'Navy'"},
        ComposeCase{
            {250, 250, 210}, Options(1, LC::Upper, Q::Double), u"\"LIGHTGOLDENRODYELLOW\""}));

struct StripCase {
    std::u16string text;
    std::u16string expected;
    Quotation selected;
};

void PrintTo(const StripCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.text);
}

class StripQuotationTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripQuotationTest, TurnsMarksIntoSpacesAndTrims) {
    Quotation selected = Quotation::None;
    if (GetParam().selected == Quotation::None) {
        selected = Quotation::Double;  // so that selecting None is seen
    }
    EXPECT_EQ(StripQuotation(GetParam().text, &selected), GetParam().expected);
    EXPECT_EQ(selected, GetParam().selected);
    EXPECT_EQ(StripQuotation(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StripQuotationTest,
    testing::Values(StripCase{u"\"#FF0000\"", u"#FF0000", Q::Double},
                    StripCase{u"'red'", u"red", Q::Single}, StripCase{u"  red  ", u"red", Q::None},
                    StripCase{u"", u"", Q::None},
                    // The double quote wins; the inner mark leaves a space.
                    StripCase{u"\"it's\"", u"it s", Q::Double},
                    StripCase{u"'say \"red\"'", u"say  red", Q::Double},
                    StripCase{u"R\"ED", u"R ED", Q::Double},
                    StripCase{u" \" ' \" ", u"", Q::Double}, StripCase{u"''", u"", Q::Single},
                    StripCase{u"\"red", u"red", Q::Double},
                    // Only spaces are trimmed.
                    StripCase{u"\t'red'\t", u"\t red \t", Q::Single},
                    StripCase{u"\u3000\"red\"\u3000", u"\u3000 red \u3000", Q::Double}));

struct PasteCase {
    std::u16string text;
    NotationOptions before;
    NotationOptions after;
    std::optional<Rgb> colour;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.text) << " onto " << c.before;
}

class PasteTextTest : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteTextTest, AdoptsTheNotationAndReadsTheColour) {
    const auto& c = GetParam();
    const PasteOutcome outcome = PasteText(c.text, c.before);
    EXPECT_EQ(outcome.options, c.after);
    EXPECT_EQ(outcome.colour, c.colour);
    // The Edit menu must offer paste exactly when the paste would take a colour.
    EXPECT_EQ(CanPasteText(c.text), c.colour.has_value());
}

constexpr Rgb kAbcdef{171, 205, 239};

INSTANTIATE_TEST_SUITE_P(
    DigitForm, PasteTextTest,
    testing::Values(
        PasteCase{u"  #FF0000  ", Options(0, LC::Lower, Q::Double), Options(0, LC::Upper, Q::None),
                  kRed},
        PasteCase{u"#ff0000", Options(1, LC::Upper, Q::None), Options(1, LC::Lower, Q::None), kRed},
        // Any upper-case letter wins.
        PasteCase{u"#Ff0000", Options(0, LC::Lower, Q::None), Options(0, LC::Upper, Q::None), kRed},
        PasteCase{u"#fF0000", Options(0, LC::Lower, Q::None), Options(0, LC::Upper, Q::None), kRed},
        PasteCase{u"#0a0B0c", Options(0, LC::Lower, Q::None), Options(0, LC::Upper, Q::None),
                  Rgb{10, 11, 12}},
        PasteCase{u"' #00ff00 '", Options(0, LC::Upper, Q::None), Options(0, LC::Lower, Q::Single),
                  Rgb{0, 255, 0}},
        // No letters: the case stays.
        PasteCase{u"#000000", Options(0, LC::Lower, Q::Single), Options(0, LC::Lower, Q::None),
                  Rgb{0, 0, 0}},
        // First upper stays while the name box is ticked or greyed, whatever the digits' case.
        PasteCase{u"#abcdef", Options(1, LC::FirstUpper, Q::None),
                  Options(1, LC::FirstUpper, Q::None), kAbcdef},
        PasteCase{u"#ABCDEF", Options(1, LC::FirstUpper, Q::None),
                  Options(1, LC::FirstUpper, Q::None), kAbcdef},
        PasteCase{u"#abcdef", Options(2, LC::FirstUpper, Q::None),
                  Options(2, LC::FirstUpper, Q::None), kAbcdef},
        PasteCase{u"#abcdef", Options(0, LC::FirstUpper, Q::None), Options(0, LC::Lower, Q::None),
                  kAbcdef}));

INSTANTIATE_TEST_SUITE_P(
    NameForm, PasteTextTest,
    testing::Values(
        PasteCase{u"\"Red\"", Options(0, LC::Upper, Q::None), Options(1, LC::FirstUpper, Q::Double),
                  kRed},
        PasteCase{u"RED", Options(0, LC::Lower, Q::Double), Options(1, LC::Upper, Q::None), kRed},
        PasteCase{u"red", Options(2, LC::Upper, Q::None), Options(1, LC::Lower, Q::None), kRed},
        PasteCase{u"rED", Options(0, LC::Upper, Q::None), Options(1, LC::Lower, Q::None), kRed},
        PasteCase{u"aqua", Options(0, LC::Upper, Q::None), Options(1, LC::Lower, Q::None),
                  Rgb{0, 255, 255}},
        PasteCase{u"'Aliceblue'", Options(0, LC::Upper, Q::None),
                  Options(1, LC::FirstUpper, Q::Single), Rgb{240, 248, 255}},
        PasteCase{u" ' LightGrey ' ", Options(0, LC::Upper, Q::None),
                  Options(1, LC::FirstUpper, Q::Single), Rgb{211, 211, 211}},
        PasteCase{u"cornflower", Options(0, LC::Upper, Q::None), Options(1, LC::Lower, Q::None),
                  Rgb{100, 149, 237}},
        // An unpaired mark still counts.
        PasteCase{u"\"red", Options(0, LC::Upper, Q::None), Options(1, LC::Lower, Q::Double),
                  kRed}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, PasteTextTest,
    testing::Values(
        // The quotation follows the text even though the paste fails.
        PasteCase{u"fuchsia", Options(0, LC::Upper, Q::Double), Options(0, LC::Upper, Q::None),
                  std::nullopt},
        PasteCase{u"LightGray", Options(0, LC::Upper, Q::None), Options(0, LC::Upper, Q::None),
                  std::nullopt},
        // Letters were seen and G is upper case.
        PasteCase{u"#GGGGGG", Options(0, LC::Lower, Q::None), Options(0, LC::Upper, Q::None),
                  std::nullopt},
        PasteCase{u"#+F0000", Options(0, LC::Lower, Q::None), Options(0, LC::Upper, Q::None),
                  std::nullopt},
        PasteCase{u"#12 456", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        PasteCase{u"#FFF", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        PasteCase{u"255,0,0", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        PasteCase{u"0xFF0000", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        // Only spaces are trimmed: line ends and tabs stay and spoil both forms.
        PasteCase{u"#FF0000\r\n", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        PasteCase{u"#FF0000\t", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        PasteCase{u"red\t", Options(0, LC::Upper, Q::None), Options(0, LC::Upper, Q::None),
                  std::nullopt},
        PasteCase{u"\u3000red\u3000", Options(0, LC::Upper, Q::None),
                  Options(0, LC::Upper, Q::None), std::nullopt},
        // A mark inside the text becomes a space.
        PasteCase{u"R\"ED", Options(0, LC::Upper, Q::None), Options(0, LC::Upper, Q::Double),
                  std::nullopt},
        PasteCase{u"", Options(1, LC::FirstUpper, Q::Double), Options(1, LC::FirstUpper, Q::None),
                  std::nullopt},
        PasteCase{u"\"'\"", Options(1, LC::FirstUpper, Q::None),
                  Options(1, LC::FirstUpper, Q::Double), std::nullopt},
        // Look-alikes of ASCII: full-width "#" and digits, a right-to-left mark, a NUL.
        PasteCase{u"\uFF03FF0000", Options(0, LC::Lower, Q::None), Options(0, LC::Lower, Q::None),
                  std::nullopt},
        PasteCase{u"#\uFF26\uFF260000", Options(0, LC::Lower, Q::None),
                  Options(0, LC::Lower, Q::None), std::nullopt},
        PasteCase{u"\u200Fred", Options(0, LC::Upper, Q::None), Options(0, LC::Upper, Q::None),
                  std::nullopt},
        PasteCase{std::u16string(u"#FF\0"
                                 u"000",
                                 7),
                  Options(0, LC::Lower, Q::None), Options(0, LC::Upper, Q::None), std::nullopt},
        PasteCase{std::u16string(u"red\0", 4), Options(0, LC::Upper, Q::None),
                  Options(0, LC::Upper, Q::None), std::nullopt},
        PasteCase{std::u16string{u'#', char16_t{0xD800}, u'0', u'0', u'0', u'0', u'0'},
                  Options(0, LC::Upper, Q::None), Options(0, LC::Upper, Q::None), std::nullopt}));

TEST(AdoptNotationTest, TakesTheTextAsGiven) {
    // Callers pass stripped text; a leading space is simply not an upper-case letter.
    NotationOptions options = Options(0, LC::Upper, Q::Single);
    AdoptNotation(u" RED", options);
    EXPECT_EQ(options, Options(1, LC::Lower, Q::Single));

    // The digit form is looked at only when it is exactly seven characters long.
    options = Options(0, LC::Upper, Q::None);
    AdoptNotation(u"#abcdef ", options);
    EXPECT_EQ(options, Options(0, LC::Upper, Q::None));
}

TEST(PasteTextTest, PastedSynonymIsCopiedUnderTheNameItsColourKeeps) {
    const PasteOutcome pasted = PasteText(u"aqua", Options(0, LC::Upper, Q::None));
    ASSERT_TRUE(pasted.colour.has_value());
    EXPECT_EQ(ComposeColorString(*pasted.colour, pasted.options), u"cyan");

    const PasteOutcome fuchia = PasteText(u"'FUCHIA'", Options(0, LC::Lower, Q::None));
    ASSERT_TRUE(fuchia.colour.has_value());
    EXPECT_EQ(ComposeColorString(*fuchia.colour, fuchia.options), u"'MAGENTA'");
}

TEST(PasteTextTest, EveryComposedStringPastesBackAsWritten) {
    const std::vector<Rgb> colours = {kRed,          {0, 0, 0},     {10, 11, 12}, kAbcdef,
                                      {0, 255, 255}, {255, 0, 255}, {1, 2, 3},    {250, 250, 210}};
    for (const Rgb& colour : colours) {
        for (std::int16_t nameBox = 0; nameBox <= 2; ++nameBox) {
            for (LC letterCase : {LC::Upper, LC::Lower, LC::FirstUpper}) {
                for (Q quotation : {Q::Double, Q::Single, Q::None}) {
                    const NotationOptions options = Options(nameBox, letterCase, quotation);
                    const std::u16string text = ComposeColorString(colour, options);
                    SCOPED_TRACE(testing::PrintToString(text));
                    const PasteOutcome outcome = PasteText(text, Options(0, LC::Upper, Q::None));
                    EXPECT_EQ(outcome.colour, colour);
                    EXPECT_EQ(outcome.options.quotation, quotation);
                    // The adopted options write the same string again.
                    const PasteOutcome again = PasteText(text, options);
                    EXPECT_EQ(ComposeColorString(colour, again.options), text);
                }
            }
        }
    }
}

TEST(PasteTextTest, MegabyteTextsAreHandled) {
    const std::u16string padding(1 << 21, u' ');
    const PasteOutcome padded = PasteText(padding + u"\"red\"" + padding, {});
    EXPECT_EQ(padded.colour, kRed);
    EXPECT_EQ(padded.options.quotation, Q::Double);

    const std::u16string marks(1 << 21, u'\'');
    EXPECT_FALSE(PasteText(marks, {}).colour.has_value());
    EXPECT_FALSE(CanPasteText(marks + u"x" + marks));

    std::u16string hashes(1 << 21, u'#');
    EXPECT_FALSE(CanPasteText(hashes));
    EXPECT_EQ(ReadColorString(hashes), std::nullopt);
}

}  // namespace
}  // namespace vitrel::ColorStringRules
