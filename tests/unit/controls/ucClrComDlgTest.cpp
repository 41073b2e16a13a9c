// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/ucClrComDlg.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace vitrel {
namespace {

struct FakeDialog : IColorDialog {
    bool ChooseColor(Request& request) override { return seen.push_back(request), user(request); }
    [[nodiscard]] std::int32_t ExtendedError() const override { return error; }
    std::function<bool(Request&)> user;
    std::vector<Request> seen;
    std::int32_t error = 0;
};

TEST(ucClrComDlgTest, ShowsTheDialogAndStoresWhatDiffersFromTheDefaults) {
    FakeDialog dialog;
    ucClrComDlg control(dialog, [] { return WindowHandle{7}; });
    int cancels = 0;
    control.ErorrOccured = [&cancels](std::int32_t n, auto&&) { cancels += n == 0 ? 1 : 100; };
    dialog.user = [](auto& r) { return r.color = 0xFF, r.customColors[3] = 0x123, true; };
    control.ShowColor();
    const auto& first = dialog.seen.at(0);
    EXPECT_EQ(std::tuple(first.owner, first.flags, first.color, first.customColors[0],
                         first.customColors[1], first.customColors[15], control.Color()),
              std::tuple(7U, 1, 0xFFFFFF, 0xFFFFFF, 0xEFEFEF, 0x0F0F0F, 0xFF));
    dialog.user = [](auto&) { return false; };
    control.SethWndParent(9);
    control.ShowColor();  // cancelled while CancelError is off
    control.SetCancelError(true);
    control.ShowColor();
    dialog.error = 0x4001;  // a failing dialog is never reported
    control.ShowColor();
    EXPECT_EQ(std::tuple(dialog.seen.at(1).owner, dialog.seen.at(1).customColors[3],
                         control.Color(), cancels),
              std::tuple(9U, 0x123, 0xFF, 1));
    EXPECT_FALSE(control.Setflags(32768) || control.Setflags(-32769));
    EXPECT_TRUE(control.Setflags(-32768));
    MemoryPropertyBag bag;
    control.WriteProperties(bag);
    const MemoryPropertyBag::Entries stored{
        {"Flags", std::int16_t{-32768}}, {"Color", 0xFF}, {"CancelError", true}};
    EXPECT_EQ(bag.entries(), stored);
    // Missing entries read as their defaults, and defaults are not written back.
    const MemoryPropertyBag::Entries colorOnly{{"Color", 5}};
    control.ReadProperties(MemoryPropertyBag(colorOnly));
    MemoryPropertyBag reread;
    control.WriteProperties(reread);
    EXPECT_EQ(reread.entries(), colorOnly);
}

}  // namespace
}  // namespace vitrel
