// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <initializer_list>
#include <unordered_map>

#include "MemoryWindowSystem.h"
#include "core/windowsystem/Trackbar.h"

namespace vitrel {

/// The trackbar class for the in-memory window system: answers the TBM_* messages the slider
/// tests look at (ticks and tooltips are the real trackbar's tests'), moves by
/// line and page on the arrow and page keys, and tells its parent of every move by
/// WM_HSCROLL or WM_VSCROLL as the real control does. Messages it does not handle reach
/// MemoryWindowSystem::OwnProcedure, which records them. One instance at a time is in force.
class MemoryTrackbar {
public:
    struct State {
        std::int32_t min = 0;
        std::int32_t max = 100;
        std::int32_t pos = 0;
        std::int32_t selStart = 0;
        std::int32_t selEnd = 0;
        std::int32_t lineSize = 1;
        int tipSide = TBTS_TOP;
    };

    explicit MemoryTrackbar(MemoryWindowSystem& system);
    ~MemoryTrackbar();
    MemoryTrackbar(const MemoryTrackbar&) = delete;
    MemoryTrackbar& operator=(const MemoryTrackbar&) = delete;

    /// The state of a trackbar window, created with the defaults at first use; nullptr when
    /// the handle names no trackbar.
    [[nodiscard]] State* Find(HWND hWnd);
    /// Drags the thumb through the positions and lets go, as a user would.
    void Drag(HWND hWnd, std::initializer_list<std::int32_t> positions);

    static LRESULT Procedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    void Notify(HWND hWnd, int code, std::int32_t pos);
    void Step(HWND hWnd, State& state, std::int64_t delta, int code);

    MemoryWindowSystem& m_system;
    std::unordered_map<HWND, State> m_states;
};

}  // namespace vitrel
