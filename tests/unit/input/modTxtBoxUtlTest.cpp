// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/input/modTxtBoxUtl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "FakeForm.h"
#include "core/input/KeyCodes.h"

namespace vitrel::modTxtBoxUtl {
namespace {

using fakes::FakeControl;
using namespace KeyCodes;

TEST(IsTextInCharListTest, AllowsExactlyTheListedCharacters) {
    using Texts = std::vector<std::u16string_view>;
    struct Row {
        Texts list;
        Texts allowed;
        Texts rejected;
    };
    // Both ends of a range count, in either order; only "-" makes a range. An empty text is the
    // character 0, which only the empty entry allows. A surrogate pair is one character.
    const Row rows[] = {
        {{u"0-9", u"x"}, {u"0", u"9", u"128", u"x"}, {u"/", u":", u"12 8", u""}},
        {{u"9-0"}, {u"5"}, {u"a"}},
        {{u"0+9", u"0-99"}, {}, {u"5", u"+"}},
        {{u""}, {u""}, {u"a"}},
        {{u"\U0001D7D8-\U0001D7E1"}, {u"\U0001D7DA"}, {u"\xD835"}},
    };
    for (const Row& row : rows) {
        for (const std::u16string_view text : row.allowed) {
            EXPECT_TRUE(IsTextInCharList(text, row.list)) << testing::PrintToString(text);
        }
        for (const std::u16string_view text : row.rejected) {
            EXPECT_FALSE(IsTextInCharList(text, row.list)) << testing::PrintToString(text);
        }
    }
}

TEST(FilterKeyAsciiTest, ChannelBoxPassesDigitsEditingKeysAndDigitPastes) {
    fakes::FakeEnvironment env;
    const auto filter = [&env](std::int32_t key, std::u16string clipboard) {
        env.clipboard = std::move(clipboard);
        FilterKeyAscii(env, key, {u"0-9", u"\uFF10-\uFF19", u"\U0001D7D8"});
        return key;
    };
    // Digits of either width, Ctrl+C, Backspace, Tab, Ctrl+Enter, Enter; a key beyond 16 bits
    // is one character. Ctrl+V only when the whole clipboard text is allowed.
    for (const std::int32_t key : {std::int32_t{'7'}, 0xFF17, 0x1D7D8, 3, 8, 9, 10, 13}) {
        EXPECT_EQ(filter(key, u""), key);
    }
    EXPECT_EQ(filter(22, u"1\uFF12"), 22);
    for (const std::int32_t key : {std::int32_t{'a'}, 0x20, 0x2D, 24, 26, -1, 0x110000}) {
        EXPECT_EQ(filter(key, u"128"), 0) << key;
    }
    for (const std::u16string clipboard : {u"12 8", u"-5", u""}) {
        EXPECT_EQ(filter(22, clipboard), 0) << testing::PrintToString(clipboard);
    }
}

// The channel boxes with controls that are no candidates mixed in, in a collection order
// that differs from the tab order txtR, txtG, txtB.
class FormTest : public testing::Test {
protected:
    FormTest() {
        env.activeForm = &form;
        txtB.tabIndex = 6;  // first in the collection, last in tab order
        label.tabStop = std::nullopt;
        hidden.visible = false;
        noStop.tabStop = false;
        form.AddHole();
    }

    IControl* Step(std::int16_t direction, IControl* from) {
        return GetTabOrderControl(env, direction, from);
    }
    std::int32_t Press(std::int32_t key) {
        MoveFocusOnEnter(env, key);
        return key;
    }

    fakes::FakeEnvironment env;
    fakes::FakeForm form;
    FakeControl& txtB = form.Add(u"TextBox");
    FakeControl& label = form.Add(u"Label");
    FakeControl& txtR = form.Add(u"TextBox");
    FakeControl& hidden = form.Add(u"TextBox");
    FakeControl& noStop = form.Add(u"CheckBox");
    FakeControl& txtG = form.Add(u"TextBox");
};

TEST_F(FormTest, TabOrderStepsThroughCandidatesAndWraps) {
    EXPECT_EQ(Step(1, &txtR), &txtG);
    EXPECT_EQ(Step(1, &txtG), &txtB);
    EXPECT_EQ(Step(1, &txtB), &txtR);
    EXPECT_EQ(Step(-1, &txtR), &txtB);
    EXPECT_EQ(Step(0, &hidden), &hidden);
    for (IControl* other : {&hidden, &noStop, &label}) {
        EXPECT_EQ(Step(1, other), nullptr);
    }
    txtG.tabStop = false;
    txtB.visible = false;
    EXPECT_EQ(Step(-1, &txtR), &txtR);  // a single candidate is its own neighbour
    form.Activate(&txtR);
    std::int16_t forward = 1;
    IControl* active = nullptr;
    EXPECT_EQ(GetTabOrderControl(env, forward, active), &txtR);
    EXPECT_EQ(active, &txtR);  // the active control is handed back too
    txtR.parent = nullptr;
    EXPECT_EQ(Step(1, &txtR), nullptr);
}

TEST_F(FormTest, EnterIsConsumedAndMovesOnNothingActiveIsNoError) {
    EXPECT_EQ(Press(13), 0);
    MoveFocusOnArrowKey(env, vbKeyLeft);
    ConvertBoxText(env, vbNarrow);
    ClampNumericText(env, 0, 255);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    form.Activate(&txtG);
    EXPECT_EQ(Press(13), 0);
    EXPECT_EQ(form.ActiveControl(), &txtB);
    for (const std::int32_t other : {10, 9, std::int32_t{'7'}}) {
        EXPECT_EQ(Press(other), other);
        EXPECT_EQ(form.ActiveControl(), &txtB);
    }
    env.activeForm = nullptr;
    Press(13);
    EXPECT_EQ(form.ActiveControl(), &txtB);
}

TEST_F(FormTest, KeyboardEntrySelectsAllButAClickDoesNot) {
    const auto enter = [this](FakeControl& box) {
        form.Activate(&box);
        SelectAllOnFocus(env);
        return std::pair{box.selStart, box.selLength};
    };
    EXPECT_EQ(enter(txtG.WithText(u"200", 1, 0)), std::pair(0, 3));
    // A click holds the capture on the box while it takes the focus; a capture held by another
    // window does not count. Only a "TextBox" is handled.
    env.capture = txtB.window;
    EXPECT_EQ(enter(txtB.WithText(u"56", 1, 0)), std::pair(1, 0));
    EXPECT_EQ(enter(txtR.WithText(u"7", 1, 0)), std::pair(0, 1));
    EXPECT_EQ(enter(form.Add(u"ComboBox").WithText(u"abc", 1, 0)), std::pair(1, 0));
}

TEST_F(FormTest, ArrowKeysMoveOnlyAtTheEndsWithoutSelection) {
    enum Goes { Back, Stays, On };
    constexpr std::int16_t L = vbKeyLeft, U = vbKeyUp, R = vbKeyRight, D = vbKeyDown, H = vbKeyHome;
    constexpr const char16_t *Tx = u"TextBox", *Cb = u"ComboBox", *TC = u"TextBoxComboBox";
    struct Row {
        const char16_t* className;
        int style;
        int selStart;
        int selLength;
        std::int16_t key;
        Goes goes;
    };
    // Up and Down belong to a combo box's list; a drop-down list (style 2) keeps every key.
    const Row rows[] = {
        {Tx, 0, 0, 0, L, Back},         {Tx, 0, 0, 0, U, Back},  {Tx, 0, 4, 0, R, On},
        {Tx, 0, 4, 0, D, On},           {Tx, 0, 2, 0, L, Stays}, {Tx, 0, 3, 0, R, Stays},
        {Tx, 0, 0, 0, R, Stays},        {Tx, 0, 4, 0, L, Stays}, {Tx, 0, 3, 1, R, Stays},
        {Tx, 0, 0, 2, L, Stays},        {Tx, 0, 0, 0, H, Stays}, {Cb, 0, 0, 0, L, Back},
        {Cb, 1, 4, 0, R, On},           {Cb, 0, 0, 0, U, Stays}, {Cb, 0, 4, 0, D, Stays},
        {Cb, 2, 0, 0, L, Stays},        {TC, 0, 0, 0, L, Back},  {TC, 2, 4, 0, R, Stays},
        {u"ListBox", 0, 0, 0, L, Stays}};
    for (const Row& row : rows) {
        txtG.className = row.className;
        txtG.styleValue = row.style;
        form.Activate(&txtG.WithText(u"1234", row.selStart, row.selLength));
        MoveFocusOnArrowKey(env, row.key);
        const IControl* expected = row.goes == Back ? &txtR : row.goes == On ? &txtB : &txtG;
        EXPECT_EQ(form.ActiveControl(), expected)
            << testing::PrintToString(txtG.className) << " style " << row.style << " caret "
            << row.selStart << "+" << row.selLength << " key " << row.key;
    }
}

TEST_F(FormTest, ConvertBoxTextKeepsTheSelectionAndLeavesOnlyAComboBoxListAlone) {
    FakeControl& box = form.Add(u"TextBox").WithText(u"\uFF21\u3000\uFF11\u30AC", 1, 2);
    form.Activate(&box);
    ConvertBoxText(env, vbNarrow);
    EXPECT_EQ(box.text, u"A 1\uFF76\uFF9E");  // GA takes two characters
    EXPECT_EQ(box.selStart, 1);
    EXPECT_EQ(box.selLength, 2);
    // Writing back an unchanged text would raise Change, and so this conversion, again.
    ConvertBoxText(env, vbNarrow);
    EXPECT_EQ(box.textWrites, 1);
    box.WithText(u"\uFF19");
    ConvertBoxText(env, 1, &box);  // no other mode is known
    EXPECT_EQ(box.text, u"\uFF19");
    for (const auto& [className, style, converted] :
         {std::tuple{u"ComboBox", 0, true}, std::tuple{u"ComboBox", 2, false},
          std::tuple{u"TextBoxComboBox", 2, true}, std::tuple{u"ListBox", 0, false}}) {
        FakeControl& other = form.Add(className, style).WithText(u"\uFF19");
        ConvertBoxText(env, vbNarrow, &other);
        EXPECT_EQ(other.text, converted ? u"9" : u"\uFF19") << style;
    }
}

TEST_F(FormTest, ClampNumericTextCorrectsAndSelectsOnlyValuesThatChange) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const std::u16string zeros(1 << 20, u'0');
    const std::u16string huge(1 << 20, u'9');
    const std::u16string tiny = u"0." + zeros + u"1";
    const std::u16string tinyPower = u"1e-99999999999999999999";
    const std::u16string hugePower = u"0.01e99999999999999999999";
    const std::u16string exact = u"3" + zeros + u"e-1048574";  // 300
    struct Row {
        std::u16string text;
        double lower;
        double upper;
        std::u16string expected;  // equal to text: left alone, caret untouched
    };
    // Blanks inside a number are skipped, trailing junk is ignored, "&H" and "&O" read as whole
    // numbers; no number, a second sign and "inf" read as 0, and so does a full-width digit: a
    // number ends at the first character outside ASCII. A NaN bound counts as 0. Numbers beyond
    // a double's range are infinite or 0 by their sign and size.
    const Row rows[] = {
        {u"300", 0, 255, u"255"},       {u"0255", 0, 255, u"0255"},   {u"", 0, 255, u""},
        {u"12.7", 0, 255, u"12.7"},     {u"-5", 0, 255, u"0"},        {u"256abc", 0, 255, u"255"},
        {u"1 2 3", 0, 255, u"1 2 3"},   {u" 2 5\t6", 0, 255, u"255"}, {u"1e3", 0, 255, u"255"},
        {u"1 D 3", 0, 255, u"255"},     {u"1.5.9", 0, 1, u"1"},       {u".5e1", 0, 4, u"4"},
        {u"&HFF", 0, 255, u"&HFF"},     {u"&h100", 0, 255, u"255"},   {u"&O400", 0, 255, u"255"},
        {u"&O9", 1, 255, u"1"},         {u"+-5", 1, 255, u"1"},       {u"inf", 1, 255, u"1"},
        {u"", 10, 20, u"10"},           {u"3", 0, 2.5, u"2.5"},       {u"1e21", 0, 1e20, u"1E+20"},
        {u"-5", kNaN, 255, u"0"},       {u"5", 0, kNaN, u"0"},        {u"\uFF13 9", 1, 5, u"1"},
        {u"-1e400", 0, 255, u"0"},      {huge, 0, 255, u"255"},       {tiny, 0, 255, tiny},
        {tinyPower, 0, 255, tinyPower}, {hugePower, 0, 255, u"255"},  {exact, 0, 255, u"255"}};
    FakeControl& label = form.Add(u"Label").WithText(u"300");
    ClampNumericText(env, 0, 255, &label);
    EXPECT_EQ(label.text, u"300");
    FakeControl& box = form.Add(u"ComboBox", 2);  // the style is not looked at
    form.Activate(&box);
    for (const Row& row : rows) {
        const int end = static_cast<int>(row.text.size());
        ClampNumericText(env, row.lower, row.upper, &box.WithText(row.text, end, 0));
        const std::string label = testing::PrintToString(row.text.substr(0, 20));
        EXPECT_TRUE(box.text == row.expected) << label;
        const bool changed = row.expected != row.text;
        EXPECT_EQ(box.selStart, changed ? 0 : end) << label;
        EXPECT_EQ(box.selLength, changed ? static_cast<int>(row.expected.size()) : 0) << label;
    }
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
