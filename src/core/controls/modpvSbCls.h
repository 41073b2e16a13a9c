// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/controls/IpvSbClsWin.h"
#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

/// The window-subclassing service's shared window procedure. It keeps no bookkeeping of its own:
/// everything lives in the subclassed window's properties, where each copy of the service finds
/// its own entries by its procedure's address. So several copies (one per Tag) can chain on one
/// window and unhook in any order.
namespace modpvSbCls {

/// The copy the program uses; a second copy needs only a tag type of its own.
struct ProgramSbCls {};

/// Subscribers by the ids that window properties hold in their place, so a property never
/// keeps a subscriber alive and an ended subscription can never be reached through one. Ids
/// are unique across every copy and never reused.
class SubscriberRegistry {
public:
    [[nodiscard]] std::intptr_t Add(IpvSbClsWin& subscriber);
    void Remove(std::intptr_t id);
    /// nullptr for an id that names no live subscription.
    [[nodiscard]] IpvSbClsWin* Find(std::intptr_t id) const;

private:
    std::unordered_map<std::intptr_t, IpvSbClsWin*> m_live;
};

/// What one copy of the service keeps in memory: the address its SbClsProc recorded when it
/// last subscribed, and its subscribers.
struct ModuleState {
    std::intptr_t procAddress = 0;
    SubscriberRegistry subscribers;
};

template <class Tag>
ModuleState& State() {
    static ModuleState state;
    return state;
}

/// Offers the message to the subscribers of this copy's slot, tears the slot down when its last
/// subscriber has left, and hands the message on to the previous procedure. Nothing a
/// subscriber throws leaves it.
LRESULT Dispatch(ModuleState& module, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept;

/// The window procedure installed on subclassed windows.
template <class Tag>
LRESULT SbClsProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) noexcept {
    return Dispatch(State<Tag>(), hWnd, uMsg, wParam, lParam);
}

/// True when the window belongs to the calling process.
[[nodiscard]] bool IsOwnProcessWindow(HWND hWnd);

// Property names and the 32-bit signed numbers in them, shared with cSbClsWin.
inline constexpr std::string_view kProcCount = "SbClsProcCount";
inline constexpr std::string_view kPrcAdr = "SbClsPrcAdr";
inline constexpr std::string_view kDefPrcPtr = "DefPrcPtr";
inline constexpr std::string_view kCount = "SbClsCount";
inline constexpr std::string_view kSubscriber = "cSbClsPtr";
inline constexpr std::string_view kSubscription = "chdClsPtr";
inline constexpr std::string_view kEnd = "SbClsEnd";

/// slot + base, or slot + base + index when index is nonzero.
[[nodiscard]] std::string PropertyName(std::int64_t slot, std::string_view base,
                                       std::int64_t index = 0);
/// A slot count or a subscriber count read from a property; nullopt when it is outside
/// 0..2,147,483,647.
[[nodiscard]] std::optional<std::int32_t> ReadCount(HWND hWnd, std::string_view name);

}  // namespace modpvSbCls
}  // namespace vitrel
