// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

using fakes::FakeControl;

TEST(ToNarrowTest, FoldsFullWidthFormsAndKeepsTheRest) {
    EXPECT_EQ(ToNarrow(u"\uFF21\uFF42\u3000\uFF04\uFF11"), u"Ab $1");
    EXPECT_EQ(ToNarrow(u"\u30AC"), u"\uFF76\uFF9E");                // GA takes two characters
    EXPECT_EQ(ToNarrow(u"\u3042\U0001D7D8"), u"\u3042\U0001D7D8");  // no narrow form
}

class BoxTest : public testing::Test {
protected:
    BoxTest() { env.activeForm = &form; }

    fakes::FakeEnvironment env;
    fakes::FakeForm form;
};

TEST_F(BoxTest, ConvertBoxTextKeepsTheSelection) {
    FakeControl& box = form.AddTextBox().WithText(u"\uFF11\uFF12\uFF13", 1, 2);
    form.Activate(&box);
    ConvertBoxText(env, vbNarrow);
    EXPECT_EQ(box.text, u"123");
    EXPECT_EQ(box.selStart, 1);
    EXPECT_EQ(box.selLength, 2);

    box.WithText(u"\uFF19");
    ConvertBoxText(env, 1, &box);  // no other mode is known
    EXPECT_EQ(box.text, u"\uFF19");
    // Writing back an unchanged text would raise Change, and so this conversion, again.
    box.WithText(u"127");
    const int writes = box.textWrites;
    ConvertBoxText(env, vbNarrow);
    EXPECT_EQ(box.textWrites, writes);
}

TEST_F(BoxTest, ConvertBoxTextLeavesOnlyAComboBoxListAlone) {
    struct Row {
        FakeControl& box;
        bool converted;
    };
    const Row rows[] = {
        {form.AddComboBox(0), true},
        {form.AddComboBox(2), false},
        {form.AddComboBox(2, u"TextBoxComboBox"), true},
        {form.AddComboBox(0, u"ListBox"), false},
    };
    for (const Row& row : rows) {
        row.box.WithText(u"\uFF19");
        ConvertBoxText(env, vbNarrow, &row.box);
        EXPECT_EQ(row.box.text, row.converted ? u"9" : u"\uFF19")
            << testing::PrintToString(row.box.className) << " " << *row.box.styleValue;
    }
}

TEST_F(BoxTest, ClampNumericTextCorrectsAndSelectsOnlyValuesThatChange) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        std::u16string text;
        double lower;
        double upper;
        std::u16string expected;  // equal to text: left alone, caret untouched
    };
    // Blanks inside a number are skipped, "&H" and "&O" read as whole numbers; a NaN bound
    // counts as 0; full-width digits are no number, and no number reads as 0.
    const Row rows[] = {{u"300", 0, 255, u"255"},     {u"0255", 0, 255, u"0255"},
                        {u"", 0, 255, u""},           {u"12.7", 0, 255, u"12.7"},
                        {u"-5", 0, 255, u"0"},        {u"256abc", 0, 255, u"255"},
                        {u"1 2 3", 0, 255, u"1 2 3"}, {u" 2 5 6", 0, 255, u"255"},
                        {u"1e3", 0, 255, u"255"},     {u"&HFF", 0, 255, u"&HFF"},
                        {u"&h100", 0, 255, u"255"},   {u"&O400", 0, 255, u"255"},
                        {u"", 10, 20, u"10"},         {u"3", 0, 2.5, u"2.5"},
                        {u"1e21", 0, 1e20, u"1E+20"}, {u"-5", kNaN, 255, u"0"},
                        {u"5", 0, kNaN, u"0"},        {u"\uFF13\uFF10\uFF10", 1, 255, u"1"}};
    FakeControl& box = form.AddTextBox();
    form.Activate(&box);
    for (const Row& row : rows) {
        const int end = static_cast<int>(row.text.size());
        box.WithText(row.text, end, 0);
        ClampNumericText(env, row.lower, row.upper);
        const std::string label = testing::PrintToString(row.text);
        EXPECT_EQ(box.text, row.expected) << label;
        const bool changed = row.expected != row.text;
        EXPECT_EQ(box.selStart, changed ? 0 : end) << label;
        EXPECT_EQ(box.selLength, changed ? static_cast<int>(row.expected.size()) : 0) << label;
    }
}

TEST_F(BoxTest, ClampNumericTextIgnoresStyleAndCopesWithHugeNumbers) {
    FakeControl& list = form.AddComboBox(2).WithText(u"300");  // the style is not looked at
    ClampNumericText(env, 0, 255, &list);
    EXPECT_EQ(list.text, u"255");
    FakeControl& unreadable = form.AddTextBox(u"300");
    unreadable.broken = true;
    EXPECT_NO_THROW(ClampNumericText(env, 0, 255, &unreadable));

    const auto start = std::chrono::steady_clock::now();
    FakeControl& box = form.AddTextBox(std::u16string(100000, u'9'));
    ClampNumericText(env, 0, 255, &box);
    EXPECT_EQ(box.text, u"255");
    // Digits past the kept precision still count for the scale: 3e100000 * 1e-99998.
    box.WithText(u"3" + std::u16string(100000, u'0') + u"e-99998");
    ClampNumericText(env, 0, 255, &box);
    EXPECT_EQ(box.text, u"255");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
