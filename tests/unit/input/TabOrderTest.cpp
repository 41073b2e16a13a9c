// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

using fakes::FakeControl;
using fakes::FakeEnvironment;
using fakes::FakeForm;

// Rows (i, key) so that the pairing of the columns can be checked after sorting.
TabOrderTable RowsFor(const std::vector<std::int16_t>& keys) {
    TabOrderTable table;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        table.push_back({static_cast<std::int16_t>(i), keys[i]});
    }
    return table;
}

void ExpectSortedLike(TabOrderTable table, TabOrderTable sorted) {
    auto byKeyThenIndex = [](const auto& a, const auto& b) {
        return a[1] != b[1] ? a[1] < b[1] : a[0] < b[0];
    };
    ASSERT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                               [](const auto& a, const auto& b) { return a[1] < b[1]; }));
    // Same rows, each row kept whole.
    std::sort(table.begin(), table.end(), byKeyThenIndex);
    std::sort(sorted.begin(), sorted.end(), byKeyThenIndex);
    EXPECT_EQ(sorted, table);
}

TEST(SortTabOrderTableTest, SortsRandomPermutationsWithRowsKeptWhole) {
    std::mt19937 generator(20260401);
    FakeEnvironment env;
    for (int round = 0; round < 400; ++round) {
        const int size = 1 + round % 40;
        std::vector<std::int16_t> keys(static_cast<std::size_t>(size));
        std::iota(keys.begin(), keys.end(), static_cast<std::int16_t>(-size / 2));
        std::shuffle(keys.begin(), keys.end(), generator);
        TabOrderTable table = RowsFor(keys);
        SortTabOrderTable(env, table, 0, size - 1);
        ExpectSortedLike(RowsFor(keys), table);
    }
}

TEST(SortTabOrderTableTest, ToleratesEqualKeysAndRandomAtTheEdges) {
    // Equal tab indexes do not occur on a form, but the sort must still end and sort.
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> few(0, 3);
    const std::vector<double> edges = {0.0, std::nextafter(1.0, 0.0)};
    for (double r : edges) {
        FakeEnvironment env;
        env.ScriptRnd({r});
        for (int size : {3, 4, 17, 300}) {
            std::vector<std::int16_t> keys(static_cast<std::size_t>(size));
            std::generate(keys.begin(), keys.end(),
                          [&] { return static_cast<std::int16_t>(few(generator)); });
            TabOrderTable table = RowsFor(keys);
            SortTabOrderTable(env, table, 0, size - 1);
            ExpectSortedLike(RowsFor(keys), table);
        }
        TabOrderTable same = RowsFor(std::vector<std::int16_t>(300, 5));
        SortTabOrderTable(env, same, 0, 299);
        ExpectSortedLike(RowsFor(std::vector<std::int16_t>(300, 5)), same);
    }
}

TEST(SortTabOrderTableTest, SortsOnlyTheGivenRows) {
    FakeEnvironment env;
    TabOrderTable table = RowsFor({9, 5, 3, 1, 0});
    SortTabOrderTable(env, table, 1, 3);
    EXPECT_EQ(table, (TabOrderTable{{0, 9}, {3, 1}, {2, 3}, {1, 5}, {4, 0}}));

    // Rows outside the table are refused rather than touched.
    TabOrderTable untouched = RowsFor({2, 1});
    SortTabOrderTable(env, untouched, 0, 5);
    SortTabOrderTable(env, untouched, -1, 1);
    EXPECT_EQ(untouched, RowsFor({2, 1}));
}

TEST(SortTabOrderTableTest, TwoRowsNeedNoPivot) {
    FakeEnvironment env;
    TabOrderTable table = RowsFor({4, 2});
    SortTabOrderTable(env, table, 0, 1);
    EXPECT_EQ(table, (TabOrderTable{{1, 2}, {0, 4}}));
    EXPECT_EQ(env.RndCalls(), 0);
}

TEST(FindTabIndexRowTest, FindsEveryKeyAndNothingBetween) {
    for (std::size_t size : {0U, 1U, 2U, 7U, 64U}) {
        TabOrderTable table;
        for (std::size_t i = 0; i < size; ++i) {
            table.push_back({static_cast<std::int16_t>(i), static_cast<std::int16_t>(3 * i - 5)});
        }
        for (std::size_t i = 0; i < size; ++i) {
            EXPECT_EQ(FindTabIndexRow(table, table[i][1]), static_cast<int>(i));
            EXPECT_EQ(FindTabIndexRow(table, static_cast<std::int16_t>(table[i][1] + 1)), -1);
        }
        EXPECT_EQ(FindTabIndexRow(table, -6), -1);
        EXPECT_EQ(FindTabIndexRow(table, 32767), -1);
    }
}

// A form whose collection order differs from its tab order, with controls that are no
// candidates mixed in.
class TabOrderFormTest : public testing::Test {
protected:
    TabOrderFormTest()
        : third(form.AddTextBox(u"third").WithTabIndex(6)),
          label(form.AddLabel(u"label").WithTabIndex(1)),
          first(form.AddTextBox(u"first").WithTabIndex(0)),
          hidden(form.AddTextBox(u"hidden").WithTabIndex(3).WithVisible(false)),
          noStop(form.AddCheckBox(u"noStop").WithTabIndex(4).WithTabStop(false)),
          second(form.AddCheckBox(u"second").WithTabIndex(2)),
          broken(form.AddTextBox(u"broken").WithTabIndex(5).Broken()),
          menu(form.AddBare(u"Menu", u"menu")) {
        form.AddNullEntry();
        env.SetActiveForm(&form);
    }

    IControl* Step(std::int16_t direction, FakeControl& from) {
        IControl* control = &from;
        return GetTabOrderControl(env, direction, control);
    }

    FakeEnvironment env;
    FakeForm form;
    FakeControl& third;
    FakeControl& label;
    FakeControl& first;
    FakeControl& hidden;
    FakeControl& noStop;
    FakeControl& second;
    FakeControl& broken;
    FakeControl& menu;
};

TEST_F(TabOrderFormTest, StepsThroughCandidatesAndWraps) {
    EXPECT_EQ(Step(1, first), &second);
    EXPECT_EQ(Step(1, second), &third);
    EXPECT_EQ(Step(1, third), &first);
    EXPECT_EQ(Step(-1, first), &third);
    EXPECT_EQ(Step(-1, third), &second);
    EXPECT_EQ(Step(-1, second), &first);
}

TEST_F(TabOrderFormTest, ControlThatIsNoCandidateGoesNowhere) {
    EXPECT_EQ(Step(1, hidden), nullptr);
    EXPECT_EQ(Step(1, noStop), nullptr);
    EXPECT_EQ(Step(-1, label), nullptr);
    EXPECT_EQ(Step(1, broken), nullptr);
    EXPECT_EQ(Step(1, menu), nullptr);
}

TEST_F(TabOrderFormTest, DirectionZeroReturnsTheControlItself) {
    EXPECT_EQ(Step(0, hidden), &hidden);
}

TEST_F(TabOrderFormTest, EmptyControlMeansTheActiveOneAndIsHandedBack) {
    form.Activate(&second);
    std::int16_t direction = 1;
    IControl* control = nullptr;
    EXPECT_EQ(GetTabOrderControl(env, direction, control), &third);
    EXPECT_EQ(control, &second);

    form.Activate(nullptr);
    control = nullptr;
    EXPECT_EQ(GetTabOrderControl(env, direction, control), nullptr);
    EXPECT_EQ(control, nullptr);

    env.SetActiveForm(nullptr);
    EXPECT_EQ(GetTabOrderControl(env, direction, control), nullptr);
}

TEST_F(TabOrderFormTest, ControlOutsideAFormGoesNowhere) {
    first.WithParent(nullptr);
    EXPECT_EQ(Step(1, first), nullptr);
}

TEST_F(TabOrderFormTest, SingleCandidateIsItsOwnNeighbour) {
    second.WithTabStop(false);
    third.WithVisible(false);
    EXPECT_EQ(Step(1, first), &first);
    EXPECT_EQ(Step(-1, first), &first);
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
