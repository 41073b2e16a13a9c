// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/modpvSbCls.h"

#include <limits>

namespace vitrel::modpvSbCls {
namespace {

constexpr std::int64_t kMaxNumber = std::numeric_limits<std::int32_t>::max();

// Shared by every copy's registry, so that no id ever names subscribers of two copies.
std::intptr_t g_lastId = 0;

/// A failing step is skipped and the procedure goes on with the next one: nothing may leave a
/// window procedure.
template <class Step>
void ResumeNext(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

/// The first slot on the window that this procedure owns; 0 for none.
std::int32_t FindOwnSlot(HWND hWnd, std::int32_t slots, std::intptr_t self) {
    for (std::int64_t i = 1; i <= slots; ++i) {
        const std::intptr_t owner = GetPropA(hWnd, PropertyName(i, kPrcAdr));
        if (owner != 0 && owner == self) {
            return static_cast<std::int32_t>(i);
        }
    }
    return 0;
}

/// Frees slot k, whose last subscriber has left. previous is the procedure it forwards to.
void TearDown(HWND hWnd, std::intptr_t self, std::int32_t k, std::int32_t slots,
              std::intptr_t previous) {
    bool replaced = false;
    bool others = false;
    for (std::int64_t i = 1; i <= slots; ++i) {
        ResumeNext([&] {
            // A slot installed on top of this procedure now forwards straight past it.
            const std::string defName = PropertyName(i, kDefPrcPtr);
            const std::intptr_t def = GetPropA(hWnd, defName);
            if (def != 0 && def == self) {
                SetPropA(hWnd, defName, previous);
                replaced = true;
            }
            const std::intptr_t owner = GetPropA(hWnd, PropertyName(i, kPrcAdr));
            if (owner != 0 && owner != self) {
                others = true;
            }
        });
    }
    ResumeNext([&] { RemovePropA(hWnd, PropertyName(k, kEnd)); });
    ResumeNext([&] { RemovePropA(hWnd, PropertyName(k, kDefPrcPtr)); });
    ResumeNext([&] { RemovePropA(hWnd, PropertyName(k, kPrcAdr)); });
    if (!others) {
        ResumeNext([&] { RemovePropA(hWnd, kProcCount); });
    }
    if (previous != 0 && !replaced) {
        // This procedure was at the head of the chain.
        SetWindowLongA(hWnd, GWL_WNDPROC, previous);
    }
}

}  // namespace

std::intptr_t SubscriberRegistry::Add(IpvSbClsWin& subscriber) {
    const std::intptr_t id = ++g_lastId;
    m_live.emplace(id, &subscriber);
    return id;
}

void SubscriberRegistry::Remove(std::intptr_t id) {
    m_live.erase(id);
}

IpvSbClsWin* SubscriberRegistry::Find(std::intptr_t id) const {
    const auto found = m_live.find(id);
    return found != m_live.end() ? found->second : nullptr;
}

LRESULT Dispatch(ModuleState& module, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept {
    const std::intptr_t self = module.procAddress;
    std::int32_t slots = 0;
    std::int32_t k = 0;
    ResumeNext([&] {
        slots = ReadCount(hWnd, kProcCount).value_or(0);
        k = FindOwnSlot(hWnd, slots, self);
    });
    if (k == 0) {
        // No slot tells where to hand the message on.
        return 0;
    }

    std::int32_t subscribers = 0;
    ResumeNext([&] { subscribers = ReadCount(hWnd, PropertyName(k, kCount)).value_or(0); });
    for (std::int64_t j = 1; j <= subscribers; ++j) {
        // Each subscriber is looked up afresh: an earlier one may have ended it.
        ResumeNext([&] {
            const std::intptr_t id = GetPropA(hWnd, PropertyName(k, kSubscriber, j));
            if (IpvSbClsWin* subscriber = module.subscribers.Find(id)) {
                subscriber->WindowProc(static_cast<std::int32_t>(j), hWnd, uMsg, wParam, lParam);
            }
        });
    }

    std::intptr_t previous = 0;
    std::intptr_t ending = 0;
    ResumeNext([&] { previous = GetPropA(hWnd, PropertyName(k, kDefPrcPtr)); });
    ResumeNext([&] { ending = GetPropA(hWnd, PropertyName(k, kEnd)); });
    if (ending == 1) {
        ResumeNext([&] { TearDown(hWnd, self, k, slots, previous); });
    }

    LRESULT result = 0;
    if (previous != 0) {
        ResumeNext(
            [&] { result = CallWindowProcA(ProcFromValue(previous), hWnd, uMsg, wParam, lParam); });
    }
    return result;
}

bool IsOwnProcessWindow(HWND hWnd) {
    DWORD processId = 0;
    return GetWindowThreadProcessId(hWnd, &processId) != 0 && processId == GetCurrentProcessId();
}

std::string PropertyName(std::int64_t slot, std::string_view base, std::int64_t index) {
    std::string name = std::to_string(slot);
    name += base;
    if (index != 0) {
        name += std::to_string(index);
    }
    return name;
}

std::optional<std::int32_t> ReadCount(HWND hWnd, std::string_view name) {
    const std::intptr_t value = GetPropA(hWnd, name);
    if (value < 0 || value > kMaxNumber) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace vitrel::modpvSbCls
