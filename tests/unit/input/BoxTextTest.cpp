// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

using fakes::FakeControl;
using fakes::FakeEnvironment;
using fakes::FakeForm;

TEST(ToNarrowTest, FoldsFullWidthFormsAndKeepsTheRest) {
    EXPECT_EQ(ToNarrow(u"\uFF11\uFF12\uFF18"), u"128");
    EXPECT_EQ(ToNarrow(u"\uFF21\uFF42\u3000\uFF04"), u"Ab $");
    EXPECT_EQ(ToNarrow(u"\u30AB"), u"\uFF76");                      // katakana KA
    EXPECT_EQ(ToNarrow(u"\u30AC"), u"\uFF76\uFF9E");                // GA takes two characters
    EXPECT_EQ(ToNarrow(u"\u3042\U0001D7D8"), u"\u3042\U0001D7D8");  // no narrow form
    EXPECT_EQ(ToNarrow(u"plain 123"), u"plain 123");
    EXPECT_EQ(ToNarrow(u""), u"");
}

class ConvertBoxTextTest : public testing::Test {
protected:
    ConvertBoxTextTest() { env.SetActiveForm(&form); }

    FakeEnvironment env;
    FakeForm form;
};

TEST_F(ConvertBoxTextTest, ActiveBoxGetsNarrowDigitsAndKeepsItsCaret) {
    FakeControl& txtR = form.AddTextBox(u"txtR");
    txtR.WithText(u"12\uFF17", 3, 0);  // the caret after the typed full-width 7
    form.Activate(&txtR);
    ConvertBoxText(env, vbNarrow);
    EXPECT_EQ(txtR.CurrentText(), u"127");
    EXPECT_EQ(txtR.CurrentSelStart(), 3);
    EXPECT_EQ(txtR.CurrentSelLength(), 0);

    txtR.WithText(u"\uFF11\uFF12\uFF13", 1, 2);
    ConvertBoxText(env, vbNarrow, &txtR);
    EXPECT_EQ(txtR.CurrentText(), u"123");
    EXPECT_EQ(txtR.CurrentSelStart(), 1);
    EXPECT_EQ(txtR.CurrentSelLength(), 2);
}

TEST_F(ConvertBoxTextTest, UnchangedTextIsNotWrittenBack) {
    // The Change handler calls it; writing back would raise Change again.
    FakeControl& txtR = form.AddTextBox(u"txtR");
    txtR.WithText(u"127", 1, 1);
    ConvertBoxText(env, vbNarrow, &txtR);
    EXPECT_EQ(txtR.TextWrites(), 0);
    EXPECT_EQ(txtR.CurrentSelStart(), 1);
}

TEST_F(ConvertBoxTextTest, WhichBoxesAreConverted) {
    struct Case {
        FakeControl& box;
        bool converted;
    };
    const Case cases[] = {
        {form.AddComboBox(0, u"combo"), true},
        {form.AddComboBox(2, u"list"), false},
        {form.AddComboBox(2, u"textCombo", u"", u"TextBoxComboBox"), true},
        {form.AddTextBox(u"other").WithStyle(std::nullopt), true},
        {form.AddComboBox(0, u"listBox", u"", u"ListBox"), false},
    };
    for (const Case& c : cases) {
        c.box.WithText(u"\uFF19");
        ConvertBoxText(env, vbNarrow, &c.box);
        EXPECT_EQ(c.box.CurrentText(), c.converted ? u"9" : u"\uFF19")
            << std::string(c.box.Name().begin(), c.box.Name().end());
    }
}

TEST_F(ConvertBoxTextTest, OtherModesAndMissingBoxesChangeNothing) {
    FakeControl& txtR = form.AddTextBox(u"txtR").WithText(u"\uFF19");
    ConvertBoxText(env, 1, &txtR);
    EXPECT_EQ(txtR.CurrentText(), u"\uFF19");
    ConvertBoxText(env, vbNarrow);  // no active control
    EXPECT_EQ(txtR.CurrentText(), u"\uFF19");
}

struct ClampCase {
    const char* label;
    std::u16string text;
    double lower;
    double upper;
    std::u16string expected;  // equal to text: left alone, caret untouched
};

class ClampNumericTextTest : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampNumericTextTest, CorrectsOnlyValuesOutOfRange) {
    const ClampCase& c = GetParam();
    FakeEnvironment env;
    FakeForm form;
    env.SetActiveForm(&form);
    FakeControl& box = form.AddTextBox(u"txtR");
    box.WithText(c.text, static_cast<int>(c.text.size()), 0);
    form.Activate(&box);

    ClampNumericText(env, c.lower, c.upper);

    EXPECT_EQ(box.CurrentText(), c.expected) << c.label;
    if (c.expected == c.text) {
        EXPECT_EQ(box.TextWrites(), 0) << c.label;
        EXPECT_EQ(box.CurrentSelStart(), static_cast<int>(c.text.size())) << c.label;
    } else {
        EXPECT_EQ(box.CurrentSelStart(), 0) << c.label;
        EXPECT_EQ(box.CurrentSelLength(), static_cast<int>(c.expected.size())) << c.label;
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Channel, ClampNumericTextTest,
    testing::Values(ClampCase{"above", u"300", 0, 255, u"255"},
                    ClampCase{"leading zero in range", u"0255", 0, 255, u"0255"},
                    ClampCase{"empty", u"", 0, 255, u""},
                    ClampCase{"fraction in range", u"12.7", 0, 255, u"12.7"},
                    ClampCase{"fraction above", u"255.5", 0, 255, u"255"},
                    ClampCase{"upper bound itself", u"255", 0, 255, u"255"},
                    ClampCase{"negative", u"-5", 0, 255, u"0"},
                    ClampCase{"minus zero is zero", u"-0", 0, 255, u"-0"},
                    ClampCase{"no number is zero", u"abc", 0, 255, u"abc"},
                    ClampCase{"number then letters", u"256abc", 0, 255, u"255"},
                    ClampCase{"blanks inside", u"1 2 3", 0, 255, u"1 2 3"},
                    ClampCase{"blanks inside above", u" 2 5 6", 0, 255, u"255"},
                    ClampCase{"exponent", u"1e3", 0, 255, u"255"},
                    ClampCase{"exponent in range", u"2.5E1", 0, 255, u"2.5E1"},
                    ClampCase{"hexadecimal", u"&HFF", 0, 255, u"&HFF"},
                    ClampCase{"hexadecimal above", u"&h100", 0, 255, u"255"},
                    ClampCase{"octal above", u"&O400", 0, 255, u"255"},
                    ClampCase{"empty below a lower bound", u"", 10, 20, u"10"},
                    ClampCase{"fractional bound", u"3", 0, 2.5, u"2.5"},
                    ClampCase{"large bound in exponent form", u"1e21", 0, 1e20, u"1E+20"},
                    ClampCase{"NaN lower counts as 0", u"-5", kNaN, 255, u"0"},
                    ClampCase{"NaN upper counts as 0", u"5", 0, kNaN, u"0"},
                    ClampCase{"full-width digits are no number", u"\uFF13\uFF10\uFF10", 1, 255,
                              u"1"}));

TEST(ClampNumericTextHugeTest, HundredThousandDigitsClampQuickly) {
    FakeEnvironment env;
    FakeForm form;
    FakeControl& box = form.AddTextBox(u"txtR");
    const auto start = std::chrono::steady_clock::now();
    box.WithText(std::u16string(100000, u'9'));
    ClampNumericText(env, 0, 255, &box);
    EXPECT_EQ(box.CurrentText(), u"255");
    box.WithText(u"-" + std::u16string(100000, u'9'));
    ClampNumericText(env, 0, 255, &box);
    EXPECT_EQ(box.CurrentText(), u"0");
    // Many zeros after the point: tiny, in range, untouched.
    const std::u16string tiny = u"0." + std::u16string(100000, u'0') + u"1";
    box.WithText(tiny);
    ClampNumericText(env, 0, 255, &box);
    EXPECT_TRUE(box.CurrentText() == tiny);
    // Digits past the kept precision still count for the scale: 3e100000 * 1e-99998.
    box.WithText(u"3" + std::u16string(100000, u'0') + u"e-99998");
    ClampNumericText(env, 0, 255, &box);
    EXPECT_EQ(box.CurrentText(), u"255");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(ClampNumericTextOtherTest, IgnoresControlsWithoutText) {
    FakeEnvironment env;
    FakeForm form;
    env.SetActiveForm(&form);
    FakeControl& check = form.AddCheckBox(u"chk");
    form.Activate(&check);
    ClampNumericText(env, 0, 255);
    FakeControl& list = form.AddComboBox(2, u"list", u"300");
    ClampNumericText(env, 0, 255, &list);  // style is not looked at
    EXPECT_EQ(list.CurrentText(), u"255");
    FakeControl& broken = form.AddTextBox(u"broken", u"300").Broken();
    ClampNumericText(env, 0, 255, &broken);
    EXPECT_EQ(broken.CurrentText(), u"300");
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
