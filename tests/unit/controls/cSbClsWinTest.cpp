// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/cSbClsWin.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "MemoryWindowSystem.h"

namespace vitrel {
namespace {

// Two independent copies of the service.
struct CopyA {};
struct CopyB {};
using SubA = cSbClsWin<CopyA>;
using SubB = cSbClsWin<CopyB>;
const std::intptr_t kOwn = ProcValue(&MemoryWindowSystem::OwnProcedure);
const std::intptr_t kProcA = ProcValue(&modpvSbCls::SbClsProc<CopyA>);
const std::intptr_t kProcB = ProcValue(&modpvSbCls::SbClsProc<CopyB>);
constexpr UINT kKeyDown = 0x100;

using Props = std::map<std::string, std::intptr_t, std::less<>>;
using Message = MemoryWindowSystem::Message;
using Hook = std::function<void(UINT&, WPARAM&)>;
/// Subscriber number, index, message, wParam.
using Call = std::tuple<int, std::int32_t, UINT, WPARAM>;

struct Subscriber : IpvSbClsWin {
    Subscriber(int number, std::vector<Call>& log) : number(number), log(log) {}
    void WindowProc(std::int32_t index, HWND, UINT& uMsg, WPARAM& wParam, LPARAM&) override {
        log.emplace_back(number, index, uMsg, wParam);
        hook(uMsg, wParam);
    }
    int number;
    std::vector<Call>& log;
    Hook hook = [](UINT&, WPARAM&) {};
};

class SbClsTest : public testing::Test {
protected:
    static HWND NewWindow() { return CreateWindowExA(0, "", "", 0, 0, 0, 0, 0, 0, 0, 0); }
    template <class Sub = SubA>
    static std::unique_ptr<Sub> Join(HWND w, Subscriber& subscriber, const char* key = "k") {
        auto subscription = std::make_unique<Sub>();
        EXPECT_TRUE(subscription->SetSbCls(w, key, &subscriber));
        return subscription;
    }
    /// The window's properties with each subscriber id replaced by the number of the subscriber
    /// it resolves to, and its current procedure under "wndproc".
    Props PropsOf(HWND w) {
        Props props = ws.Find(w)->properties;
        for (auto& [name, value] : props) {
            value = name.find("ClsPtr") != std::string::npos ? NumberOf(value) : value;
        }
        props.emplace("wndproc", ProcValue(ws.Find(w)->proc));
        return props;
    }
    static std::intptr_t NumberOf(std::intptr_t id) {
        IpvSbClsWin* found = modpvSbCls::State<CopyA>().subscribers.Find(id);
        found = found != nullptr ? found : modpvSbCls::State<CopyB>().subscribers.Find(id);
        return found != nullptr ? static_cast<Subscriber*>(found)->number : -1;
    }

    MemoryWindowSystem ws;
    ScopedWindowSystem installed{ws};
    std::vector<Call> log;
    Subscriber s1{1, log}, s2{2, log}, s3{3, log};
    HWND h = NewWindow();
};

TEST_F(SbClsTest, SubscribersJoinAndLeaveAndTheLastOneUnhooksAtTheNextMessage) {
    const Props first{{"SbClsProcCount", 1}, {"1SbClsPrcAdr", kProcA}, {"1DefPrcPtr", kOwn},
                      {"1SbClsCount", 1},    {"1cSbClsPtr1", 1},       {"1chdClsPtr1", 1},
                      {"wndproc", kProcA}};
    const Props secondAndThird{
        {"SbClsProcCount", 1}, {"1SbClsPrcAdr", kProcA}, {"1DefPrcPtr", kOwn},
        {"1SbClsCount", 3},    {"1cSbClsPtr2", 2},       {"1chdClsPtr2", 2},
        {"1cSbClsPtr3", 3},    {"1chdClsPtr3", 3},       {"wndproc", kProcA}};
    Props draining{{"SbClsProcCount", 1}, {"1SbClsPrcAdr", kProcA}, {"1DefPrcPtr", kOwn}};
    draining.insert({{"1SbClsEnd", 1}, {"wndproc", kProcA}});
    auto a1 = Join(h, s1, "Slider");
    EXPECT_EQ(PropsOf(h), first);
    auto a2 = Join(h, s2, "UserControl");
    a1.reset();
    auto a3 = Join(h, s3, "Slider");
    EXPECT_EQ(a3->Key(), "Slider");
    EXPECT_EQ(PropsOf(h), secondAndThird);
    ws.Find(h)->reply = 77;
    EXPECT_EQ(SendMessageA(h, kKeyDown, 5, 0), 77);
    EXPECT_EQ(log, (std::vector<Call>{{2, 2, kKeyDown, 5}, {3, 3, kKeyDown, 5}}));

    a2.reset();
    a3.reset();
    EXPECT_EQ(PropsOf(h), draining);
    EXPECT_EQ(SendMessageA(h, kKeyDown, 6, 7), 77);
    EXPECT_EQ(PropsOf(h), (Props{{"wndproc", kOwn}}));
    EXPECT_EQ(ws.Find(h)->received,
              (std::vector<Message>{{h, kKeyDown, 5, 0}, {h, kKeyDown, 6, 7}}));
}

TEST_F(SbClsTest, TwoCopiesChainAndUnhookInEitherOrder) {
    const Props onlyA{{"SbClsProcCount", 2}, {"1SbClsPrcAdr", kProcA}, {"1DefPrcPtr", kOwn},
                      {"1SbClsCount", 1},    {"1cSbClsPtr1", 1},       {"1chdClsPtr1", 1},
                      {"wndproc", kProcA}};
    const Props onlyB{{"SbClsProcCount", 2}, {"2SbClsPrcAdr", kProcB}, {"2DefPrcPtr", kOwn},
                      {"2SbClsCount", 1},    {"2cSbClsPtr1", 2},       {"2chdClsPtr1", 2},
                      {"wndproc", kProcB}};
    for (const bool aLeavesFirst : {true, false}) {
        const HWND w = NewWindow();
        auto a = Join(w, s1);
        auto b = Join<SubB>(w, s2);
        EXPECT_EQ(PropsOf(w).at("2DefPrcPtr"), kProcA);
        aLeavesFirst ? a.reset() : b.reset();
        SendMessageA(w, kKeyDown, 1, 0);
        EXPECT_EQ(PropsOf(w), aLeavesFirst ? onlyB : onlyA) << aLeavesFirst;
        a.reset();
        b.reset();
        SendMessageA(w, kKeyDown, 2, 0);
        EXPECT_EQ(PropsOf(w), (Props{{"wndproc", kOwn}}));
        EXPECT_EQ(ws.Find(w)->received.size(), 2U);
    }
}

TEST_F(SbClsTest, WhatASubscriberDoesToAMessageIsWhatLaterOnesAndThePreviousProcedureGet) {
    auto a1 = Join(h, s1);
    auto a2 = Join(h, s2);
    const std::tuple<Hook, UINT, WPARAM> cases[] = {
        {[](UINT&, WPARAM& wParam) { wParam = 9; }, kKeyDown, 9},
        {[](UINT& uMsg, WPARAM&) { uMsg = WM_NULL; }, WM_NULL, 5},
        {[](UINT&, WPARAM&) { throw std::runtime_error("subscriber failed"); }, kKeyDown, 5},
    };
    for (const auto& [hook, uMsg, wParam] : cases) {
        s1.hook = hook;
        SendMessageA(h, kKeyDown, 5, 0);
        EXPECT_EQ(log.back(), (Call{2, 2, uMsg, wParam}));
        EXPECT_EQ(ws.Find(h)->received.back(), (Message{h, uMsg, wParam, 0}));
    }
}

TEST_F(SbClsTest, RefusedSubscriptionsAndLeavingADestroyedWindowChangeNothing) {
    const HWND other = NewWindow(), crowded = NewWindow();
    ws.Find(other)->processId = MemoryWindowSystem::kProcessId + 1;
    SubA fresh;
    auto taken = Join(NewWindow(), s1);
    auto full = Join(crowded, s1);
    SetPropA(crowded, "1SbClsCount", 2147483647);  // no next subscriber index
    const std::tuple<HWND, std::string, Subscriber*, SbClsSubscription*> cases[] = {
        {other, "k", &s1, &fresh},
        {h, "", &s1, &fresh},
        {h, "k", nullptr, &fresh},
        {h, "k", &s1, taken.get()},
        {crowded, "k", &s2, &fresh}};
    for (const auto& [w, key, parent, object] : cases) {
        const Props before = PropsOf(w);
        EXPECT_FALSE(object->SetSbCls(w, key, parent));
        EXPECT_EQ(PropsOf(w), before);
    }
    ws.Post(h, kKeyDown, 1, 0);
    DestroyWindow(crowded);
    full.reset();  // lets no message run
    EXPECT_TRUE(ws.Find(h)->received.empty());
}

TEST_F(SbClsTest, JoiningADrainingSlotCancelsItsTeardown) {
    for (const bool otherCopyOnTop : {false, true}) {
        const HWND w = NewWindow();
        auto a = Join(w, s1);
        auto b = otherCopyOnTop ? Join<SubB>(w, s2) : nullptr;
        a.reset();  // slot 1 drains; no message comes before the next subscriber
        a = Join(w, s3);
        const Props props = PropsOf(w);
        ASSERT_EQ(std::tuple(props.at("1DefPrcPtr"), props.count("1SbClsEnd"), props.at("wndproc")),
                  std::tuple(kOwn, 0U, otherCopyOnTop ? kProcB : kProcA));
        SendMessageA(w, kKeyDown, 4, 0);
        EXPECT_EQ(log.back(), (Call{3, 1, kKeyDown, 4}));
        EXPECT_EQ(ws.Find(w)->received.size(), 1U);
    }
}

TEST_F(SbClsTest, ASlotTornDownWhileItsLastSubscriberLeavesIsNotMarkedAgain) {
    auto a1 = Join(h, s1);
    auto a2 = Join(h, s2);
    s2.hook = [&a2](UINT&, WPARAM&) { a2.reset(); };
    ws.Post(h, kKeyDown, 1, 0);
    a1.reset();  // runs the queued message, in which the slot empties and is torn down
    EXPECT_EQ(PropsOf(h), (Props{{"wndproc", kOwn}}));
}

}  // namespace
}  // namespace vitrel
