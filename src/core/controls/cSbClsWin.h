// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/controls/IpvSbClsWin.h"
#include "core/controls/modpvSbCls.h"
#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

/// One subscription: one subscriber on one window. It holds no reference to the subscriber;
/// the window's properties name it by a registry id. The subscription ends when the object is
/// destroyed, and only then, so a subscriber must destroy its subscriptions before itself.
class SbClsSubscription {
public:
    SbClsSubscription(const SbClsSubscription&) = delete;
    SbClsSubscription& operator=(const SbClsSubscription&) = delete;

    /// Puts this copy's SbClsProc in front of the window's procedure (once per window) and adds
    /// NewParent to its subscribers. False, with nothing changed, when the window is another
    /// process's or no window, NewKey is empty, NewParent is missing, this object has
    /// subscribed before, or a slot or subscriber number would pass 2,147,483,647.
    bool SetSbCls(HWND NewhWnd, std::string_view NewKey, IpvSbClsWin* NewParent);
    /// The key given to SetSbCls; empty when not subscribed.
    [[nodiscard]] const std::string& Key() const { return m_key; }

protected:
    SbClsSubscription(modpvSbCls::ModuleState& module, WNDPROC proc)
        : m_module(module), m_proc(proc) {}
    ~SbClsSubscription() { EndSbCls(); }

private:
    /// Records the address as this copy's procedure address and returns it.
    std::intptr_t GetPrcAdr(std::intptr_t address);
    void EndSbCls() noexcept;

    modpvSbCls::ModuleState& m_module;
    WNDPROC m_proc;

    HWND m_hWnd = 0;
    std::string m_key;
    std::int32_t m_slot = 0;
    std::int32_t m_index = 0;
    std::intptr_t m_id = 0;
};

/// A subscription to the copy of the service that Tag names.
template <class Tag = modpvSbCls::ProgramSbCls>
class cSbClsWin final : public SbClsSubscription {
public:
    cSbClsWin() : SbClsSubscription(modpvSbCls::State<Tag>(), &modpvSbCls::SbClsProc<Tag>) {}
};

}  // namespace vitrel
