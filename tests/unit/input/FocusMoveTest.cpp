// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

using fakes::FakeControl;
using fakes::FakeEnvironment;
using fakes::FakeForm;

constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kUp = 38;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kDown = 40;
constexpr std::int16_t kHome = 36;

// The three channel boxes of the main window followed by a check box.
class ChannelFormTest : public testing::Test {
protected:
    ChannelFormTest()
        : txtR(form.AddTextBox(u"txtR", u"12")),
          txtG(form.AddTextBox(u"txtG", u"34")),
          txtB(form.AddTextBox(u"txtB", u"56")),
          chkName(form.AddCheckBox(u"chkName")) {
        env.SetActiveForm(&form);
        for (FakeControl* box : {&txtR, &txtG, &txtB}) {
            box->OnGotFocus([this] { SelectAllOnFocus(env); });
        }
    }

    FakeEnvironment env;
    FakeForm form;
    FakeControl& txtR;
    FakeControl& txtG;
    FakeControl& txtB;
    FakeControl& chkName;
};

TEST_F(ChannelFormTest, EnterIsConsumedAndMovesOnWrappingAtTheEnd) {
    form.Activate(&txtG);
    std::int32_t key = 13;
    MoveFocusOnEnter(env, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(form.Active(), &txtB);

    form.Activate(&chkName);
    key = 13;
    MoveFocusOnEnter(env, key);
    EXPECT_EQ(form.Active(), &txtR);
}

TEST_F(ChannelFormTest, OtherKeysAreNotEnter) {
    form.Activate(&txtR);
    for (std::int32_t other : {10, 9, static_cast<std::int32_t>('7')}) {
        std::int32_t key = other;
        MoveFocusOnEnter(env, key);
        EXPECT_EQ(key, other);
        EXPECT_EQ(form.Active(), &txtR);
    }
}

TEST_F(ChannelFormTest, TargetThatRefusesKeepsTheFocusWhereItIs) {
    txtG.WithEnabled(false);
    form.Activate(&txtR);
    std::int32_t key = 13;
    MoveFocusOnEnter(env, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(form.Active(), &txtR);
}

TEST_F(ChannelFormTest, NothingActiveIsNoError) {
    std::int32_t key = 13;
    MoveFocusOnEnter(env, key);
    MoveFocusOnArrowKey(env, kLeft);
    SelectAllOnFocus(env);
    EXPECT_EQ(form.Active(), nullptr);
    EXPECT_EQ(key, 0);
}

TEST_F(ChannelFormTest, LeftAtTheStartOfTheFirstBoxGoesToTheLast) {
    form.Activate(&txtR);
    txtR.WithText(u"12", 0, 0);
    MoveFocusOnArrowKey(env, kLeft);
    EXPECT_EQ(form.Active(), &chkName);
}

TEST_F(ChannelFormTest, KeyboardEntrySelectsAllButAClickDoesNot) {
    txtG.WithText(u"200", 1, 0);
    ASSERT_TRUE(env.TabInto(txtG));
    EXPECT_EQ(txtG.CurrentSelStart(), 0);
    EXPECT_EQ(txtG.CurrentSelLength(), 3);

    txtB.WithText(u"56", 1, 0);
    ASSERT_TRUE(env.ClickInto(txtB));
    EXPECT_EQ(form.Active(), &txtB);
    EXPECT_EQ(txtB.CurrentSelStart(), 1);
    EXPECT_EQ(txtB.CurrentSelLength(), 0);

    // A capture held by some other window does not stop it.
    txtR.WithText(u"7", 1, 0);
    env.SetCapture(chkName.Window());
    ASSERT_TRUE(env.TabInto(txtR));
    EXPECT_EQ(txtR.CurrentSelLength(), 1);
}

TEST(SelectAllOnFocusTest, OnlyPlainTextBoxes) {
    FakeEnvironment env;
    FakeForm form;
    env.SetActiveForm(&form);
    FakeControl& combo = form.AddComboBox(0, u"cbo", u"abc");
    combo.WithText(u"abc", 1, 0);
    form.Activate(&combo);
    SelectAllOnFocus(env);
    EXPECT_EQ(combo.CurrentSelLength(), 0);
}

// A box between two others; which of them gets the focus, if any.
enum class Goes { Back, Stays, On };

struct ArrowCase {
    const char* label;
    std::u16string className;
    int style;
    int selStart;
    int selLength;
    std::int16_t key;
    Goes goes;
};

class ArrowKeyTest : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowKeyTest, MovesOnlyAtTheEndsWithoutSelection) {
    const ArrowCase& c = GetParam();
    FakeEnvironment env;
    FakeForm form;
    env.SetActiveForm(&form);
    FakeControl& before = form.AddTextBox(u"before");
    FakeControl& box = c.className == u"TextBox"
                           ? form.AddTextBox(u"box")
                           : form.AddComboBox(c.style, u"box", u"", c.className);
    FakeControl& after = form.AddTextBox(u"after");
    box.WithText(u"1234", c.selStart, c.selLength);
    form.Activate(&box);

    MoveFocusOnArrowKey(env, c.key);

    const FakeControl* expected = c.goes == Goes::Back ? &before
                                  : c.goes == Goes::On ? &after
                                                       : &box;
    EXPECT_EQ(form.Active(), expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ArrowKeyTest,
    testing::Values(
        ArrowCase{"left at start", u"TextBox", 0, 0, 0, kLeft, Goes::Back},
        ArrowCase{"up at start", u"TextBox", 0, 0, 0, kUp, Goes::Back},
        ArrowCase{"right at end", u"TextBox", 0, 4, 0, kRight, Goes::On},
        ArrowCase{"down at end", u"TextBox", 0, 4, 0, kDown, Goes::On},
        ArrowCase{"left inside", u"TextBox", 0, 2, 0, kLeft, Goes::Stays},
        ArrowCase{"right inside", u"TextBox", 0, 2, 0, kRight, Goes::Stays},
        ArrowCase{"right at start", u"TextBox", 0, 0, 0, kRight, Goes::Stays},
        ArrowCase{"left at end", u"TextBox", 0, 4, 0, kLeft, Goes::Stays},
        ArrowCase{"right at end with selection", u"TextBox", 0, 3, 1, kRight, Goes::Stays},
        ArrowCase{"left at start with selection", u"TextBox", 0, 0, 2, kLeft, Goes::Stays},
        ArrowCase{"other key", u"TextBox", 0, 0, 0, kHome, Goes::Stays},
        ArrowCase{"combo left at start", u"ComboBox", 0, 0, 0, kLeft, Goes::Back},
        ArrowCase{"combo right at end", u"ComboBox", 1, 4, 0, kRight, Goes::On},
        ArrowCase{"combo up is its own", u"ComboBox", 0, 0, 0, kUp, Goes::Stays},
        ArrowCase{"combo down is its own", u"ComboBox", 0, 4, 0, kDown, Goes::Stays},
        ArrowCase{"drop-down list left", u"ComboBox", 2, 0, 0, kLeft, Goes::Stays},
        ArrowCase{"drop-down list right", u"ComboBox", 2, 4, 0, kRight, Goes::Stays},
        ArrowCase{"text combo left", u"TextBoxComboBox", 0, 0, 0, kLeft, Goes::Back},
        ArrowCase{"text combo down", u"TextBoxComboBox", 0, 4, 0, kDown, Goes::Stays},
        ArrowCase{"text combo style 2", u"TextBoxComboBox", 2, 4, 0, kRight, Goes::Stays},
        ArrowCase{"unknown class", u"ListBox", 0, 0, 0, kLeft, Goes::Stays}));

TEST(SetFocusSafeTest, EmptyAndRefusingTargetsAreQuiet) {
    FakeForm form;
    FakeControl& hidden = form.AddTextBox(u"hidden").WithVisible(false);
    FakeControl& broken = form.AddTextBox(u"broken").Broken();
    SetFocusSafe(nullptr);
    SetFocusSafe(&hidden);
    SetFocusSafe(&broken);
    EXPECT_EQ(form.Active(), nullptr);
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
