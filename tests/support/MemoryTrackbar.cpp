// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "MemoryTrackbar.h"

#include <algorithm>
#include <utility>

namespace vitrel {
namespace {

MemoryTrackbar* g_trackbars = nullptr;

std::int32_t Clamp(std::int64_t value, const MemoryTrackbar::State& state) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, state.min, state.max));
}

std::int32_t Low32(LPARAM value) {
    return static_cast<std::int32_t>(value);
}

}  // namespace

MemoryTrackbar::MemoryTrackbar(MemoryWindowSystem& system) : m_system(system) {
    g_trackbars = this;
    m_system.RegisterClassProcedure(TRACKBAR_CLASS, &Procedure);
}

MemoryTrackbar::~MemoryTrackbar() {
    m_system.RegisterClassProcedure(TRACKBAR_CLASS, nullptr);
    if (g_trackbars == this) {
        g_trackbars = nullptr;
    }
}

MemoryTrackbar::State* MemoryTrackbar::Find(HWND hWnd) {
    const MemoryWindowSystem::Window* window = m_system.Find(hWnd);
    if (window == nullptr || window->className != TRACKBAR_CLASS) {
        return nullptr;
    }
    return &m_states[hWnd];
}

void MemoryTrackbar::Drag(HWND hWnd, std::initializer_list<std::int32_t> positions) {
    State* state = Find(hWnd);
    if (state == nullptr) {
        return;
    }
    for (const std::int32_t position : positions) {
        state->pos = Clamp(position, *state);
        Notify(hWnd, TB_THUMBTRACK, state->pos);
    }
    Notify(hWnd, TB_THUMBPOSITION, state->pos);
    Notify(hWnd, TB_ENDTRACK, 0);
}

void MemoryTrackbar::Notify(HWND hWnd, int code, std::int32_t pos) {
    const MemoryWindowSystem::Window* window = m_system.Find(hWnd);
    if (window == nullptr) {
        return;
    }
    const UINT message = (window->style & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
    const WPARAM wParam =
        static_cast<WPARAM>(code & 0xFFFF) | (static_cast<WPARAM>(pos & 0xFFFF) << 16);
    SendMessageA(window->parent, message, wParam, static_cast<LPARAM>(hWnd));
}

void MemoryTrackbar::Step(HWND hWnd, State& state, std::int64_t delta, int code) {
    state.pos = Clamp(std::int64_t{state.pos} + delta, state);
    Notify(hWnd, code, 0);
}

LRESULT MemoryTrackbar::Procedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    State* state = g_trackbars != nullptr ? g_trackbars->Find(hWnd) : nullptr;
    if (state == nullptr) {
        return MemoryWindowSystem::OwnProcedure(hWnd, uMsg, wParam, lParam);
    }
    const auto previous = [](std::int32_t& field, std::int32_t value) {
        return static_cast<LRESULT>(std::exchange(field, value));
    };
    switch (uMsg) {
        case TBM_GETPOS:
            return state->pos;
        case TBM_GETRANGEMIN:
            return state->min;
        case TBM_GETRANGEMAX:
            return state->max;
        case TBM_SETPOS:
            state->pos = Clamp(Low32(lParam), *state);
            return 0;
        case TBM_SETRANGEMIN:
            state->min = Low32(lParam);
            state->pos = std::max(state->pos, state->min);
            return 0;
        case TBM_SETRANGEMAX:
            state->max = Low32(lParam);
            state->pos = std::min(state->pos, state->max);
            return 0;
        case TBM_SETSELSTART:
            state->selStart = Low32(lParam);
            return 0;
        case TBM_SETSELEND:
            state->selEnd = Low32(lParam);
            return 0;
        case TBM_GETSELSTART:
            return state->selStart;
        case TBM_GETSELEND:
            return state->selEnd;
        case TBM_CLEARSEL:
            state->selStart = 0;
            state->selEnd = 0;
            return 0;
        case TBM_GETNUMTICS: {
            const MemoryWindowSystem::Window* window = g_trackbars->m_system.Find(hWnd);
            if ((window->style & TBS_NOTICKS) != 0 || state->ticFreq <= 0) {
                return 0;
            }
            // The two ends, and a tick every ticFreq between them.
            const std::int64_t range = std::int64_t{state->max} - state->min;
            std::int64_t inner = range / state->ticFreq;
            if (inner > 0 && range % state->ticFreq == 0) {
                --inner;
            }
            return static_cast<LRESULT>(std::max<std::int64_t>(inner, 0) + 2);
        }
        case TBM_SETTICFREQ:
            state->ticFreq = static_cast<std::int32_t>(wParam);
            return 0;
        case TBM_SETPAGESIZE:
            return previous(state->pageSize, Low32(lParam));
        case TBM_GETPAGESIZE:
            return state->pageSize;
        case TBM_SETLINESIZE:
            return previous(state->lineSize, Low32(lParam));
        case TBM_GETLINESIZE:
            return state->lineSize;
        case TBM_GETTOOLTIPS: {
            const MemoryWindowSystem::Window* window = g_trackbars->m_system.Find(hWnd);
            if ((window->style & TBS_TOOLTIPS) == 0) {
                return 0;
            }
            if (!g_trackbars->m_system.IsWindow(state->tooltips)) {
                state->tooltips = g_trackbars->m_system.CreateWindowExA(0, TOOLTIPS_CLASS, "", 0, 0,
                                                                        0, 0, 0, 0, 0, 0);
            }
            return static_cast<LRESULT>(state->tooltips);
        }
        case TBM_SETTIPSIDE:
            return std::exchange(state->tipSide, static_cast<int>(wParam));
        case WM_KEYDOWN:
            switch (static_cast<int>(wParam)) {
                case VK_LEFT:
                case VK_UP:
                    g_trackbars->Step(hWnd, *state, -std::int64_t{state->lineSize}, TB_LINEUP);
                    return 0;
                case VK_RIGHT:
                case VK_DOWN:
                    g_trackbars->Step(hWnd, *state, state->lineSize, TB_LINEDOWN);
                    return 0;
                case VK_PRIOR:
                    g_trackbars->Step(hWnd, *state, -std::int64_t{state->pageSize}, TB_PAGEUP);
                    return 0;
                case VK_NEXT:
                    g_trackbars->Step(hWnd, *state, state->pageSize, TB_PAGEDOWN);
                    return 0;
                default:
                    break;
            }
            break;
        case WM_KEYUP:
            switch (static_cast<int>(wParam)) {
                case VK_LEFT:
                case VK_UP:
                case VK_RIGHT:
                case VK_DOWN:
                case VK_PRIOR:
                case VK_NEXT:
                    g_trackbars->Notify(hWnd, TB_ENDTRACK, 0);
                    return 0;
                default:
                    break;
            }
            break;
        default:
            break;
    }
    return MemoryWindowSystem::OwnProcedure(hWnd, uMsg, wParam, lParam);
}

}  // namespace vitrel
