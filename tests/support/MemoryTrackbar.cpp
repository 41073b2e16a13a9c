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
        case TBM_CLEARSEL:
            state->selStart = 0;
            state->selEnd = 0;
            return 0;
        case TBM_SETLINESIZE:
            return previous(state->lineSize, Low32(lParam));
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
