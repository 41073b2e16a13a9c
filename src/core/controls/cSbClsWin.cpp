// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/cSbClsWin.h"

#include <limits>

namespace vitrel {
namespace {

using namespace modpvSbCls;

constexpr std::int64_t kMaxNumber = std::numeric_limits<std::int32_t>::max();

/// Lets the queued messages run. Whatever they throw cannot leave a destructor, and must not
/// stop the unsubscribe halfway.
void PumpMessages() noexcept {
    try {
        ProcessPendingMessages();
    } catch (...) {
    }
}

}  // namespace

bool SbClsSubscription::SetSbCls(HWND NewhWnd, std::string_view NewKey, IpvSbClsWin* NewParent) {
    if (!IsOwnProcessWindow(NewhWnd) || !m_key.empty() || m_hWnd != 0 || !IsWindow(NewhWnd) ||
        NewParent == nullptr || NewKey.empty()) {
        return false;
    }
    const std::optional<std::int32_t> slots = ReadCount(NewhWnd, kProcCount);
    const std::intptr_t P = GetPrcAdr(ProcValue(m_proc));
    if (!slots) {
        return false;
    }
    // The last slot this procedure owns wins; otherwise the first free one, or a new one.
    std::int64_t k = 0;
    std::int64_t firstFree = 0;
    for (std::int64_t i = 1; i <= *slots; ++i) {
        const std::intptr_t owner = GetPropA(NewhWnd, PropertyName(i, kPrcAdr));
        if (owner == P) {
            k = i;
        } else if (firstFree == 0 && owner == 0) {
            firstFree = i;
        }
    }
    const bool appended = k == 0 && firstFree == 0;
    if (k == 0) {
        k = appended ? std::int64_t{*slots} + 1 : firstFree;
    }
    // Everything is read and checked before the first write, so a refusal changes nothing.
    if (k > kMaxNumber) {
        return false;
    }
    const std::optional<std::int32_t> count = ReadCount(NewhWnd, PropertyName(k, kCount));
    if (!count || *count == kMaxNumber) {
        return false;
    }
    const std::int32_t j = *count + 1;
    const std::intptr_t id = m_module.subscribers.Add(*NewParent);

    if (appended) {
        SetPropA(NewhWnd, kProcCount, static_cast<std::intptr_t>(k));
    }
    SetPropA(NewhWnd, PropertyName(k, kPrcAdr), P);
    if (j == 1) {
        const std::string endName = PropertyName(k, kEnd);
        if (GetPropA(NewhWnd, endName) == 1) {
            // The slot is draining: its procedure is still in the chain and its DefPrcPtr
            // still right, so the new subscriber cancels the pending teardown. Hooking again
            // would record this procedure as its own predecessor.
            RemovePropA(NewhWnd, endName);
        } else {
            SetPropA(NewhWnd, PropertyName(k, kDefPrcPtr), SetWindowLongA(NewhWnd, GWL_WNDPROC, P));
        }
    }
    SetPropA(NewhWnd, PropertyName(k, kCount), j);
    SetPropA(NewhWnd, PropertyName(k, kSubscriber, j), id);
    // The id is issued for this subscription alone, so it names this object as well.
    SetPropA(NewhWnd, PropertyName(k, kSubscription, j), id);

    m_key = NewKey;
    m_hWnd = NewhWnd;
    m_slot = static_cast<std::int32_t>(k);
    m_index = j;
    m_id = id;
    return true;
}

std::intptr_t SbClsSubscription::GetPrcAdr(std::intptr_t address) {
    m_module.procAddress = address;
    return address;
}

void SbClsSubscription::EndSbCls() noexcept {
    // Out of the registry first, whatever became of the window: no message reaches this
    // subscription any more, even if the window kept its properties.
    m_module.subscribers.Remove(m_id);
    if (m_hWnd == 0 || m_index == 0 || !IsWindow(m_hWnd)) {
        return;
    }
    try {
        RemovePropA(m_hWnd, PropertyName(m_slot, kSubscriber, m_index));
        RemovePropA(m_hWnd, PropertyName(m_slot, kSubscription, m_index));
        PumpMessages();

        const std::int32_t count = ReadCount(m_hWnd, PropertyName(m_slot, kCount)).value_or(0);
        bool anyLeft = false;
        for (std::int64_t i = 1; i <= count && !anyLeft; ++i) {
            anyLeft = GetPropA(m_hWnd, PropertyName(m_slot, kSubscriber, i)) != 0;
        }
        // The messages just run may have ended the slot's other subscribers and torn it down
        // already; a drain mark on a slot that is free, or another procedure's, would tear
        // down its next owner at its first message.
        const bool stillOurs =
            GetPropA(m_hWnd, PropertyName(m_slot, kPrcAdr)) == m_module.procAddress;
        if (!anyLeft && stillOurs) {
            RemovePropA(m_hWnd, PropertyName(m_slot, kCount));
            SetPropA(m_hWnd, PropertyName(m_slot, kEnd), 1);
            PumpMessages();
        }
    } catch (...) {
        // Only building a property name can throw here; the subscription is over regardless.
    }
    m_index = 0;
    m_hWnd = 0;
    m_key.clear();
}

}  // namespace vitrel
