// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtWindowSystem.h"

#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "core/controls/cSbClsWin.h"
#include "core/windowsystem/Trackbar.h"

namespace vitrel {
namespace {

using Messages = std::vector<std::pair<UINT, WPARAM>>;

/// Remembers the keys that reach it.
class KeyTarget final : public QWidget {
public:
    std::vector<int> keys;
    QString text;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        keys.push_back(event->key());
        text += event->text();
    }
};

/// Records key messages; swallows them or rewrites the key code on request.
struct Watcher final : IpvSbClsWin {
    Messages seen;
    bool swallow = false;
    WPARAM rewriteTo = 0;
    void WindowProc(std::int32_t, HWND, UINT& uMsg, WPARAM& wParam, LPARAM&) override {
        if (uMsg == WM_KEYDOWN || uMsg == WM_CHAR) {
            seen.emplace_back(uMsg, wParam);
            if (swallow) {
                uMsg = WM_NULL;
            } else if (rewriteTo != 0 && uMsg == WM_KEYDOWN) {
                wParam = rewriteTo;
            }
        }
    }
};

Messages g_scrolls;
LPARAM g_scroller = 0;

LRESULT ParentProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_HSCROLL || uMsg == WM_VSCROLL) {
        g_scrolls.emplace_back(uMsg, wParam);
        g_scroller = lParam;
    }
    return QtWindowSystem::OwnProcedure(hWnd, uMsg, wParam, lParam);
}

using Seen = std::tuple<UINT, WPARAM, LPARAM>;
std::vector<Seen> g_seen;

LRESULT Recorder(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            g_seen.push_back({uMsg, wParam, lParam});
            break;
        case WM_KEYDOWN:  // asks the window while its key is on the way, as a handler would
            g_seen.push_back({uMsg, wParam, SendMessageA(hWnd, TBM_GETPOS, 0, 0)});
            break;
        default:
            break;
    }
    return QtWindowSystem::OwnProcedure(hWnd, uMsg, wParam, lParam);
}

class QtWindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Buttons other tests left down in the simulated mouse would make every press a chord.
        QWidget anywhere;
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseRelease(&anywhere, button);
        }
    }

    static void Show(QWidget& widget) {
        widget.show();
        widget.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    }

    /// The process's window system, which the test program put in force.
    QtWindowSystem& m_system = dynamic_cast<QtWindowSystem&>(*CurrentWindowSystem());
};

TEST_F(QtWindowSystemTest, SubclassingSeesSwallowsAndRewritesTheKeysOfARealWidget) {
    auto target = std::make_unique<KeyTarget>();
    Show(*target);
    const HWND hWnd = QtWindowSystem::HandleOf(target.get());
    Watcher watcher;
    auto subscription = std::make_unique<cSbClsWin<>>();
    ASSERT_TRUE(subscription->SetSbCls(hWnd, "Test", &watcher));

    QTest::keyClick(target.get(), Qt::Key_A);
    EXPECT_EQ(watcher.seen, (Messages{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}}));
    EXPECT_EQ(target->text, "a");
    watcher.swallow = true;
    QTest::keyClick(target.get(), Qt::Key_B);
    EXPECT_EQ(target->keys, std::vector<int>{Qt::Key_A});
    watcher.swallow = false;
    watcher.rewriteTo = VK_RIGHT;
    QTest::keyClick(target.get(), Qt::Key_Left);
    EXPECT_EQ(target->keys.back(), Qt::Key_Right);

    // Unsubscribed, the next message passes untouched and puts the widget's own procedure back.
    subscription.reset();
    const std::size_t seen = watcher.seen.size();
    QTest::keyClick(target.get(), Qt::Key_Left);
    EXPECT_EQ(watcher.seen.size(), seen);
    EXPECT_EQ(target->keys.back(), Qt::Key_Left);
    const LONG_PTR own = ProcValue(&QtWindowSystem::OwnProcedure);
    EXPECT_EQ(SetWindowLongA(hWnd, GWL_WNDPROC, own), own);

    ASSERT_TRUE(SetPropA(hWnd, "Mark", 7));
    target.reset();
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(GetPropA(hWnd, "Mark"), 0);
}

TEST_F(QtWindowSystemTest, FocusAndMouseEventsArriveAsMessages) {
    QWidget form;
    auto* first = new KeyTarget;
    auto* second = new KeyTarget;
    first->setParent(&form);
    second->setParent(&form);
    first->setGeometry(0, 0, 50, 50);
    Show(form);
    const HWND hFirst = QtWindowSystem::HandleOf(first);
    const HWND hSecond = QtWindowSystem::HandleOf(second);
    SetWindowLongA(hFirst, GWL_WNDPROC, ProcValue(&Recorder));
    g_seen.clear();
    SetFocus(hFirst);
    EXPECT_EQ(SetFocus(hSecond), hFirst);
    QTest::mouseClick(first, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 7));
    const LPARAM at = 7 << 16 | 5;
    EXPECT_EQ(g_seen, (std::vector<Seen>{{WM_SETFOCUS, 0, 0},
                                         {WM_KILLFOCUS, hSecond, 0},
                                         {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at},
                                         {WM_LBUTTONUP, MK_SHIFT, at}}));
}

TEST_F(QtWindowSystemTest, TrackbarAnswersItsMessagesAndTellsUserMovesToItsParent) {
    QWidget form;
    form.resize(300, 60);
    const HWND parent = QtWindowSystem::HandleOf(&form);
    const DWORD style = WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | TBS_TOOLTIPS | TBS_ENABLESELRANGE;
    const HWND bar =
        CreateWindowExA(0, "msctls_trackbar32", "", style, 0, 0, 300, 40, parent, 0, 0);
    auto* slider = qobject_cast<QSlider*>(m_system.WidgetOf(bar));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
    const HWND upright =
        CreateWindowExA(0, "msctls_trackbar32", "", WS_CHILD | TBS_VERT | TBS_BOTH | WS_DISABLED, 0,
                        40, 20, 20, parent, 0, 0);
    const auto* vertical = qobject_cast<QSlider*>(m_system.WidgetOf(upright));
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->orientation(), Qt::Vertical);
    EXPECT_EQ(vertical->tickPosition(), QSlider::TicksBothSides);
    EXPECT_FALSE(vertical->isEnabled());

    // Positions clamped to the range; page and line sizes answer the previous ones; ticks at
    // 51 ... 204 and both ends.
    const std::tuple<UINT, WPARAM, LPARAM, LRESULT> cases[] = {
        {TBM_SETRANGEMIN, 1, 0, 0},   {TBM_SETRANGEMAX, 1, 255, 0},
        {TBM_SETPOS, 1, 300, 0},      {TBM_GETPOS, 0, 0, 255},
        {TBM_SETPAGESIZE, 0, 16, 20}, {TBM_SETLINESIZE, 0, 4, 1},
        {TBM_SETTICFREQ, 51, 0, 0},   {TBM_GETNUMTICS, 0, 0, 6},
        {TBM_SETSELSTART, 1, 10, 0},  {TBM_SETSELEND, 1, 20, 0},
        {TBM_GETSELSTART, 0, 0, 10},  {TBM_GETSELEND, 0, 0, 20},
        {TBM_CLEARSEL, 1, 0, 0},      {TBM_GETSELEND, 0, 0, 0},
        {TBM_SETPOS, 1, 3, 0},        {TBM_SETTIPSIDE, TBTS_BOTTOM, 0, TBTS_TOP}};
    for (const auto& [uMsg, wParam, lParam, result] : cases) {
        EXPECT_EQ(SendMessageA(bar, uMsg, wParam, lParam), result) << std::hex << uMsg;
    }
    const auto tip = static_cast<HWND>(SendMessageA(bar, TBM_GETTOOLTIPS, 0, 0));
    EXPECT_TRUE(IsWindow(tip));

    SetWindowLongA(parent, GWL_WNDPROC, ProcValue(&ParentProcedure));
    SetWindowLongA(bar, GWL_WNDPROC, ProcValue(&Recorder));
    Show(form);
    g_seen.clear();
    QTest::keyPress(slider, Qt::Key_Right);
    EXPECT_EQ(g_seen, (std::vector<Seen>{{WM_KEYDOWN, VK_RIGHT, 3}}));
    EXPECT_LT(GetKeyState(VK_RIGHT), 0);
    QTest::keyRelease(slider, Qt::Key_Right);
    EXPECT_GE(GetKeyState(VK_RIGHT), 0);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(290, 20));  // the channel past the thumb
    EXPECT_EQ(g_scrolls, (Messages{{WM_HSCROLL, TB_LINEDOWN},
                                   {WM_HSCROLL, TB_ENDTRACK},
                                   {WM_HSCROLL, TB_PAGEDOWN},
                                   {WM_HSCROLL, TB_ENDTRACK}}));
    EXPECT_EQ(static_cast<HWND>(g_scroller), bar);
    EXPECT_EQ(slider->value(), 3 + 4 + 16);

    // Dragging the thumb from the minimum: tracking with the position, then the end.
    g_scrolls.clear();
    SendMessageA(bar, TBM_SETPOS, 1, 0);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(7, 15));
    QTest::mouseMove(slider, QPoint(150, 15));
    const auto* label = qobject_cast<QLabel*>(m_system.WidgetOf(tip));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QString::number(slider->value()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(150, 15));
    EXPECT_FALSE(label->isVisible());
    const WPARAM dragged = static_cast<WPARAM>(slider->value()) << 16;
    EXPECT_GT(slider->value(), 100);
    EXPECT_EQ(g_scrolls, (Messages{{WM_HSCROLL, dragged | TB_THUMBTRACK},
                                   {WM_HSCROLL, dragged | TB_THUMBPOSITION},
                                   {WM_HSCROLL, TB_ENDTRACK}}));

    EXPECT_TRUE(DestroyWindow(bar));
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_FALSE(IsWindow(tip));
}

}  // namespace
}  // namespace vitrel
