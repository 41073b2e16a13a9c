// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/ucSlider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "MemoryTrackbar.h"

namespace vitrel {
namespace {

using Value = IPropertyBag::Value;
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::uint32_t kIconPixel = 0x80FF8000;
const Picture kIcon(1, 2, {kIconPixel, 0xFF000000});

/// The form and the control window around one slider; records notifications and message boxes.
struct Container final : ISliderContainer, IMessageBox {
    explicit Container(bool userMode) : userMode(userMode) {}
    void PropertyChanged(std::string_view name) override { changes.emplace_back(name); }
    bool UserMode() const override { return userMode; }
    HWND ContainerHwnd() const override { return form; }
    HWND hWnd() const override { return window; }
    HINSTANCE Instance() const override { return 0; }
    double ScaleWidth() const override { return width / 15.0; }
    double ScaleHeight() const override { return height / 15.0; }
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    void SetSize(std::int32_t w, std::int32_t h) override {
        width = w;
        height = h;
        if (slider != nullptr) {
            slider->UserControl_Resize();
        }
    }
    std::int16_t TwipsPerPixelX() const override { return 15; }
    std::int16_t TwipsPerPixelY() const override { return 15; }
    std::int16_t BorderStyle() const override { return border; }
    void SetBorderStyle(std::int16_t value) override { border = value; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    Picture MouseIcon() const override { return icon; }
    void SetMouseIcon(const Picture& value) override { icon = value; }
    std::int16_t MousePointer() const override { return pointer; }
    void SetMousePointer(std::int16_t value) override { pointer = value; }
    std::int16_t OLEDropMode() const override { return dropMode; }
    void SetOLEDropMode(std::int16_t value) override { dropMode = value; }
    void Refresh() override {}
    void OLEDrag() override {}
    std::int32_t CommandHeight(int index) const override { return 20 + index; }
    void SetCommandTop(int index, std::int32_t top) override { commandTops.at(index) = top; }
    IMessageBox& MessageBox() override { return *this; }
    void SendKeys(std::u16string_view keys) override { sent += keys; }
    Result Show(const std::u16string& text, const std::u16string&, Buttons, Icon) override {
        shown.push_back(text);
        return Result::Ok;
    }

    bool userMode;
    HWND form = CreateWindowExA(0, "Form", "", 0, 0, 0, 0, 0, 0, 0, 0);
    HWND window = CreateWindowExA(0, "UserControl", "", 0, 0, 0, 200, 30, form, 0, 0);
    std::int32_t width = 200 * 15;
    std::int32_t height = 30 * 15;
    Picture icon;
    std::int16_t border = 1, pointer = 0, dropMode = 0;
    bool enabled = true;
    std::array<std::int32_t, 2> commandTops{};
    std::vector<std::string> changes;
    std::vector<std::u16string> shown;
    std::u16string sent;
    ucSlider* slider = nullptr;
};

class ucSliderTest : public testing::Test {
protected:
    std::unique_ptr<ucSlider> NewSlider(Container& container, const IPropertyBag* bag = nullptr) {
        auto slider = std::make_unique<ucSlider>(container);
        container.slider = slider.get();
        bag != nullptr ? slider->ReadProperties(*bag) : slider->InitProperties();
        slider->Scroll = [this] { events += "S"; };
        slider->Change = [this] { events += "C"; };
        return slider;
    }
    MemoryTrackbar::State& Bar(const ucSlider& slider) { return *bars.Find(slider.Trackbar()); }

    MemoryWindowSystem ws;
    ScopedWindowSystem scope{ws};
    MemoryTrackbar bars{ws};
    Container user{true};
    std::string events;
};

TEST_F(ucSliderTest, EachPropertyIsStoredInItsOwnFormAndLoadsBack) {
    struct Row {
        std::function<void(ucSlider&)> set;
        MemoryPropertyBag::Entries stored;
    };
    const std::vector<Row> rows{
        {[](ucSlider& s) { s.SetBorderStyle(0); }, {{"BorderStyle", std::int16_t{0}}}},
        {[](ucSlider& s) { s.SetTickStyle(2); }, {{"TickStyle", 8}}},
        {[](ucSlider& s) { s.SetTickStyle(7); }, {}},
        // The tip goes to the left side of a vertical slider.
        {[](ucSlider& s) { s.SetOrientation(1); },
         {{"Orientation", 2}, {"TextPosition", std::int16_t{1}}}},
        {[](ucSlider& s) { s.SetTickFrequency(32); }, {{"TickFrequency", 32}}},
        {[](ucSlider& s) { s.SetMax(255); }, {{"Max", 255}}},
        {[](ucSlider& s) { s.SetMin(-3); }, {{"Min", -3}}},
        {[](ucSlider& s) { s.SetValue(4); }, {{"Value", 4}, {"SelStart", 4}}},
        {[](ucSlider& s) { s.SetEnabled(false); }, {{"Enabled", 134217728}}},
        {[](ucSlider& s) { s.SetLargeChange(7); }, {{"LargeChange", 7}}},
        {[](ucSlider& s) { s.SetSmallChange(2); }, {{"SmallChange", 2}}},
        {[](ucSlider& s) {
             s.SetSelectRange(true);
             s.SetSelStart(3);
             s.SetSelLength(4);
         },
         {{"SelectRange", 32}, {"SelStart", 3}, {"SelLength", 4}}},
        {[](ucSlider& s) { s.SetTextPosition(1); }, {{"TextPosition", std::int16_t{2}}}},
        {[](ucSlider& s) { s.SetMouseIcon(Picture(2, 2, {kIconPixel})); }, {}},  // damaged: none
        {[](ucSlider& s) { s.SetMouseIcon(kIcon); }, {{"MouseIcon", kIcon}}},
        {[](ucSlider& s) { s.SetMousePointer(3); }, {{"MousePointer", std::int16_t{3}}}},
        {[](ucSlider& s) { s.SetOLEDropMode(1); }, {{"OLEDropMode", std::int16_t{1}}}},
    };
    auto combined = NewSlider(user);
    for (const Row& row : rows) {
        Container container(true);
        auto slider = NewSlider(container);
        row.set(*slider);
        row.set(*slider);  // an entry is replaced, never added twice
        MemoryPropertyBag bag;
        slider->WriteProperties(bag);
        EXPECT_EQ(bag.entries(), row.stored) << (row.stored.empty() ? "" : row.stored[0].first);
        Container reloaded(true);
        MemoryPropertyBag again;
        NewSlider(reloaded, &bag)->WriteProperties(again);
        EXPECT_EQ(again.entries(), row.stored);
        EXPECT_EQ(std::count(reloaded.changes.begin(), reloaded.changes.end(), "MouseIcon"), 1);
        row.set(*combined);
    }
    MemoryPropertyBag bag;
    combined->WriteProperties(bag);
    std::vector<std::string> order;
    for (const auto& entry : bag.entries()) {
        order.push_back(entry.first);
    }
    EXPECT_EQ(order, (std::vector<std::string>{
                         "BorderStyle", "Orientation", "TickFrequency", "Max", "Min", "Value",
                         "Enabled", "LargeChange", "SmallChange", "SelectRange", "SelStart",
                         "SelLength", "TextPosition", "MouseIcon", "MousePointer", "OLEDropMode"}));
    EXPECT_EQ(events, "");
}

TEST_F(ucSliderTest, ValuesFromCodeAreClampedAndRaiseNoEvent) {
    auto slider = NewSlider(user);
    slider->SetMax(255);
    slider->SetValue(300);
    EXPECT_EQ(Bar(*slider).pos, 255);
    slider->SetValue(-5);
    EXPECT_EQ(slider->Value(), 0);
    slider->SetValue(9);
    EXPECT_EQ(slider->SelStart(), 9);
    EXPECT_EQ(user.changes.back(), "Value");
    EXPECT_FALSE(slider->SetSelLength(3));  // no range selection: told even at run time
    EXPECT_EQ(user.shown, std::vector<std::u16string>{u"ﾌﾟﾛﾊﾟﾃｨの値が不正です。"});
    EXPECT_EQ(slider->SelLength(), 0);
    EXPECT_FALSE(slider->SetSelStart(256));  // silently at run time
    EXPECT_EQ(user.shown.size(), 1U);
    slider->SetMin(10);
    slider->SetMax(5);
    EXPECT_EQ(slider->Max(), 10);
    EXPECT_EQ(slider->Value(), 10);
    EXPECT_EQ(events, "");
}

TEST_F(ucSliderTest, UserMovesRaiseEventsThroughTheChain) {
    auto slider = NewSlider(user);
    bars.Drag(slider->Trackbar(), {3, 4});
    EXPECT_EQ(events, "SSSSC");  // two moves, the last position, the end of the drag
    EXPECT_EQ(slider->Value(), 4);

    // A handler's changed key is the one the trackbar acts on.
    std::vector<std::int16_t> keys;
    slider->KeyDown = [&](std::int16_t& code, std::int16_t& shift) {
        keys.insert(keys.end(), {code, shift});
        code = VK_LEFT;
    };
    ws.SetKey(VK_CONTROL, true);
    events.clear();
    SendMessageA(slider->Trackbar(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(keys, (std::vector<std::int16_t>{VK_RIGHT, 2}));
    EXPECT_EQ(slider->Value(), 3);
    EXPECT_EQ(events, "S");

    std::vector<float> mouse;
    const auto record = [&](std::int16_t& b, std::int16_t& s, float& x, float& y) {
        mouse.insert(mouse.end(), {float(b), float(s), x, y});
    };
    slider->MouseDown = record;
    slider->MouseUp = record;
    slider->Click = [&] { mouse.push_back(-1); };
    const LPARAM at = (2 << 16) | 0xFFFF;  // x -1, y 2
    SendMessageA(slider->Trackbar(), WM_LBUTTONDOWN, MK_LBUTTON | MK_MBUTTON, at);
    SendMessageA(slider->Trackbar(), WM_LBUTTONUP, MK_MBUTTON, at);
    EXPECT_EQ(mouse, (std::vector<float>{5, 2, -15, 30, 4, 2, -15, 30, -1}));

    // The user's position is the stored one, which a rebuild (disabling) re-applies.
    slider->SetEnabled(false);
    EXPECT_EQ(slider->Value(), 3);
}

TEST_F(ucSliderTest, HeldArrowStepsOnFocusLossAndKeepsTheFocus) {
    auto slider = NewSlider(user);
    const HWND other = CreateWindowExA(0, "Edit", "", 0, 0, 0, 0, 0, user.form, 0, 0);
    slider->SetSmallChange(3);
    slider->SetValue(9);
    SetFocus(slider->Trackbar());
    ws.SetKey(VK_RIGHT, true);
    SetFocus(other);
    EXPECT_EQ(slider->Value(), 10);  // capped at Max
    EXPECT_EQ(ws.Focus(), slider->Trackbar());
    EXPECT_EQ(events, "SC");

    // A step past the 32-bit range is refused: no move, no event, the focus leaves.
    ws.SetKey(VK_RIGHT, false);
    ws.SetKey(VK_LEFT, true);
    slider->SetSmallChange(std::numeric_limits<std::int32_t>::min());
    SetFocus(other);
    EXPECT_EQ(slider->Value(), 10);
    EXPECT_EQ(ws.Focus(), other);
    EXPECT_EQ(events, "SC");

    ws.SetKey(VK_LEFT, false);
    ws.SetKey(VK_TAB, true);
    SetFocus(slider->Trackbar());
    SetFocus(other);
    EXPECT_EQ(user.sent, u"\t");
}

TEST_F(ucSliderTest, DisabledOrDesignTimeSliderListensToNothing) {
    Container design(false);
    for (Container* container : {&user, &design}) {
        auto slider = NewSlider(*container);
        if (container == &user) {
            slider->SetEnabled(false);
            EXPECT_NE(ws.Find(slider->Trackbar())->style & WS_DISABLED, 0U);
        }
        SendMessageA(container->window, WM_NULL, 0, 0);  // the control window's slot drains
        EXPECT_TRUE(ws.Find(container->window)->properties.empty());
        EXPECT_EQ(ws.Find(container->window)->proc, &MemoryWindowSystem::OwnProcedure);
        EXPECT_TRUE(ws.Find(slider->Trackbar())->properties.empty());
        bars.Drag(slider->Trackbar(), {5});
        EXPECT_EQ(events, "");
    }
    MemoryPropertyBag disabled({{"Enabled", 134217728}});
    auto loaded = NewSlider(user, &disabled);
    EXPECT_FALSE(loaded->Enabled());
    bars.Drag(loaded->Trackbar(), {5});
    EXPECT_EQ(events, "");
}

TEST_F(ucSliderTest, SelectionEndPastThe32BitRangeIsRefused) {
    auto slider = NewSlider(user);
    slider->SetMax(kMaxInt);
    slider->SetSelectRange(true);
    ASSERT_TRUE(slider->SetSelStart(kMaxInt - 1));
    ASSERT_TRUE(slider->SetSelLength(1));
    EXPECT_FALSE(slider->SetSelLength(kMaxInt));
    EXPECT_EQ(slider->SelLength(), 1);
    EXPECT_EQ(Bar(*slider).selEnd, kMaxInt);
}

TEST_F(ucSliderTest, OrientationSwapsTheSizeAndThicknessIsCapped) {
    auto slider = NewSlider(user);
    slider->SetTextPosition(1);
    slider->SetOrientation(1);
    EXPECT_EQ(Bar(*slider).tipSide, TBTS_RIGHT);
    EXPECT_EQ(slider->TextPosition(), 1);
    EXPECT_EQ(std::make_pair(user.width, user.height), std::make_pair(30 * 15, 200 * 15));
    const auto* trackbar = ws.Find(slider->Trackbar());
    EXPECT_EQ(std::vector({trackbar->width, trackbar->height}), std::vector({30, 200}));
    EXPECT_EQ(trackbar->style & TBS_VERT, TBS_VERT);
    user.SetSize(60 * 15, 200 * 15);
    EXPECT_EQ(user.width, 42 * 15);
    EXPECT_EQ(user.commandTops, (std::array<std::int32_t, 2>{-40, -42}));
}

}  // namespace
}  // namespace vitrel
