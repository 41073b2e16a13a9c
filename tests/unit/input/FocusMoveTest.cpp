// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

using fakes::FakeControl;

constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kUp = 38;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kDown = 40;

TEST(SortTabOrderTableTest, SortsByTabIndexKeepingRowsWhole) {
    std::mt19937 generator(20260401);
    fakes::FakeEnvironment env;
    const auto byKeyThenIndex = [](const auto& a, const auto& b) {
        return a[1] != b[1] ? a[1] < b[1] : a[0] < b[0];
    };
    for (int round = 0; round < 300; ++round) {
        // Every other round draws from few keys, so that equal keys occur as well.
        std::uniform_int_distribution<int> keys(-20, round % 2 == 0 ? 20 : -17);
        TabOrderTable table;
        for (int i = 0; i <= round % 40; ++i) {
            table.push_back(
                {static_cast<std::int16_t>(i), static_cast<std::int16_t>(keys(generator))});
        }
        TabOrderTable expected = table;
        std::sort(expected.begin(), expected.end(), byKeyThenIndex);
        SortTabOrderTable(env, table, 0, static_cast<int>(table.size()) - 1);
        ASSERT_TRUE(std::is_sorted(table.begin(), table.end(),
                                   [](const auto& a, const auto& b) { return a[1] < b[1]; }));
        std::sort(table.begin(), table.end(), byKeyThenIndex);  // the same rows, kept whole
        EXPECT_EQ(table, expected) << "round " << round;
    }
}

TEST(SortTabOrderTableTest, SortsOnlyTheGivenRows) {
    fakes::FakeEnvironment env;
    TabOrderTable table = {{0, 9}, {1, 5}, {2, 3}, {3, 1}, {4, 0}};
    SortTabOrderTable(env, table, 1, 3);
    EXPECT_EQ(table, (TabOrderTable{{0, 9}, {3, 1}, {2, 3}, {1, 5}, {4, 0}}));
}

TEST(FindTabIndexRowTest, FindsEveryKeyAndNothingBetween) {
    for (const int size : {0, 1, 2, 7, 64}) {
        TabOrderTable table;
        for (int i = 0; i < size; ++i) {
            table.push_back({static_cast<std::int16_t>(i), static_cast<std::int16_t>(3 * i - 5)});
        }
        for (int i = 0; i < size; ++i) {
            EXPECT_EQ(FindTabIndexRow(table, table[i][1]), i);
            EXPECT_EQ(FindTabIndexRow(table, static_cast<std::int16_t>(table[i][1] + 1)), -1);
        }
        EXPECT_EQ(FindTabIndexRow(table, -6), -1);
    }
}

// Collection order differs from tab order; controls that are no candidates are mixed in.
class TabOrderTest : public testing::Test {
protected:
    TabOrderTest() {
        env.activeForm = &form;
        third.tabIndex = 5;
        label.tabIndex = 1;
        label.tabStop = std::nullopt;
        first.tabIndex = 0;
        hidden.visible = false;
        noStop.tabStop = false;
        second.tabIndex = 2;
        form.AddHole();
        broken.broken = true;
    }

    IControl* Step(std::int16_t direction, IControl* from) {
        return GetTabOrderControl(env, direction, from);
    }

    fakes::FakeEnvironment env;
    fakes::FakeForm form;
    FakeControl& third = form.AddTextBox();
    FakeControl& label = form.Add(u"Label");
    FakeControl& first = form.AddTextBox();
    FakeControl& hidden = form.AddTextBox();      // tab index 3
    FakeControl& noStop = form.Add(u"CheckBox");  // 4
    FakeControl& second = form.Add(u"CheckBox");
    FakeControl& broken = form.AddTextBox();
};

TEST_F(TabOrderTest, StepsThroughCandidatesAndWraps) {
    EXPECT_EQ(Step(1, &first), &second);
    EXPECT_EQ(Step(1, &second), &third);
    EXPECT_EQ(Step(1, &third), &first);
    EXPECT_EQ(Step(-1, &first), &third);
    EXPECT_EQ(Step(-1, &third), &second);
    EXPECT_EQ(Step(0, &hidden), &hidden);
    for (IControl* other : {&hidden, &noStop, &label, &broken}) {
        EXPECT_EQ(Step(1, other), nullptr);
    }
    first.parent = nullptr;
    EXPECT_EQ(Step(1, &first), nullptr);
    EXPECT_NO_THROW(SetFocusSafe(&broken));
}

TEST_F(TabOrderTest, SingleCandidateIsItsOwnNeighbourAndTheActiveOneIsHandedBack) {
    second.tabStop = false;
    third.visible = false;
    EXPECT_EQ(Step(-1, &first), &first);
    form.Activate(&first);
    std::int16_t direction = 1;
    IControl* control = nullptr;
    EXPECT_EQ(GetTabOrderControl(env, direction, control), &first);
    EXPECT_EQ(control, &first);
}

// The three channel boxes of the main window followed by a check box.
class ChannelFormTest : public testing::Test {
protected:
    ChannelFormTest() {
        env.activeForm = &form;
        for (FakeControl* box : {&txtR, &txtG, &txtB}) {
            box->onGotFocus = [this] { SelectAllOnFocus(env); };
        }
    }

    std::int32_t Press(std::int32_t key) {
        MoveFocusOnEnter(env, key);
        return key;
    }

    fakes::FakeEnvironment env;
    fakes::FakeForm form;
    FakeControl& txtR = form.AddTextBox(u"12");
    FakeControl& txtG = form.AddTextBox(u"34");
    FakeControl& txtB = form.AddTextBox(u"56");
    FakeControl& check = form.Add(u"CheckBox");
};

TEST_F(ChannelFormTest, EnterIsConsumedAndMovesOnWrappingAtTheEnd) {
    form.Activate(&txtG);
    EXPECT_EQ(Press(13), 0);
    EXPECT_EQ(form.ActiveControl(), &txtB);
    form.Activate(&check);
    Press(13);
    EXPECT_EQ(form.ActiveControl(), &txtR);
    for (const std::int32_t other : {10, 9, std::int32_t{'7'}}) {
        EXPECT_EQ(Press(other), other);
        EXPECT_EQ(form.ActiveControl(), &txtR);
    }
    txtG.enabled = false;  // a target that refuses leaves the focus where it is
    Press(13);
    EXPECT_EQ(form.ActiveControl(), &txtR);
}

TEST_F(ChannelFormTest, NothingActiveIsNoError) {
    EXPECT_EQ(Press(13), 0);
    MoveFocusOnArrowKey(env, kLeft);
    SelectAllOnFocus(env);
    ConvertBoxText(env, vbNarrow);
    ClampNumericText(env, 0, 255);
    env.activeForm = nullptr;
    Press(13);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(ChannelFormTest, KeyboardEntrySelectsAllButAClickDoesNot) {
    txtG.WithText(u"200", 1, 0);
    ASSERT_TRUE(txtG.SetFocus());
    EXPECT_EQ(txtG.selStart, 0);
    EXPECT_EQ(txtG.selLength, 3);

    txtB.WithText(u"56", 1, 0);
    env.capture = txtB.window;  // a click holds the capture on the box while it takes the focus
    ASSERT_TRUE(txtB.SetFocus());
    EXPECT_EQ(txtB.selStart, 1);
    EXPECT_EQ(txtB.selLength, 0);

    // A capture held by some other window does not stop it.
    txtR.WithText(u"7", 1, 0);
    ASSERT_TRUE(txtR.SetFocus());
    EXPECT_EQ(txtR.selLength, 1);

    FakeControl& combo = form.AddComboBox(0).WithText(u"abc", 1, 0);
    ASSERT_TRUE(combo.SetFocus());
    SelectAllOnFocus(env);
    EXPECT_EQ(combo.selLength, 0);
}

TEST_F(ChannelFormTest, ArrowKeysMoveOnlyAtTheEndsWithoutSelection) {
    enum Goes { Back, Stays, On };
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
        {u"TextBox", 0, 0, 0, kLeft, Back},         {u"TextBox", 0, 0, 0, kUp, Back},
        {u"TextBox", 0, 4, 0, kRight, On},          {u"TextBox", 0, 4, 0, kDown, On},
        {u"TextBox", 0, 2, 0, kLeft, Stays},        {u"TextBox", 0, 3, 0, kRight, Stays},
        {u"TextBox", 0, 0, 0, kRight, Stays},       {u"TextBox", 0, 4, 0, kLeft, Stays},
        {u"TextBox", 0, 3, 1, kRight, Stays},       {u"TextBox", 0, 0, 2, kLeft, Stays},
        {u"TextBox", 0, 0, 0, 36, Stays},           {u"ComboBox", 0, 0, 0, kLeft, Back},
        {u"ComboBox", 1, 4, 0, kRight, On},         {u"ComboBox", 0, 0, 0, kUp, Stays},
        {u"ComboBox", 0, 4, 0, kDown, Stays},       {u"ComboBox", 2, 0, 0, kLeft, Stays},
        {u"TextBoxComboBox", 0, 0, 0, kLeft, Back}, {u"TextBoxComboBox", 2, 4, 0, kRight, Stays},
        {u"ListBox", 0, 0, 0, kLeft, Stays}};
    for (const Row& row : rows) {
        txtG.className = row.className;
        txtG.styleValue = row.style;
        txtG.WithText(u"1234", row.selStart, row.selLength);
        form.Activate(&txtG);
        MoveFocusOnArrowKey(env, row.key);
        const IControl* expected = row.goes == Back ? &txtR : row.goes == On ? &txtB : &txtG;
        EXPECT_EQ(form.ActiveControl(), expected)
            << testing::PrintToString(txtG.className) << " style " << row.style << " caret "
            << row.selStart << "+" << row.selLength << " key " << row.key;
    }
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
