// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "MemoryWindowSystem.h"

namespace vitrel {

LRESULT MemoryWindowSystem::OwnProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* system = dynamic_cast<MemoryWindowSystem*>(CurrentWindowSystem());
    Window* window = system != nullptr ? system->Find(hWnd) : nullptr;
    if (window == nullptr) {
        return 0;
    }
    window->received.push_back({hWnd, uMsg, wParam, lParam});
    return window->reply;
}

MemoryWindowSystem::Window* MemoryWindowSystem::Find(HWND hWnd) {
    const auto found = m_windows.find(hWnd);
    return found != m_windows.end() ? &found->second : nullptr;
}

void MemoryWindowSystem::Post(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    m_queue.push_back({hWnd, uMsg, wParam, lParam});
}

void MemoryWindowSystem::SetKey(int virtKey, bool down, bool toggled) {
    m_keys[virtKey] = static_cast<std::int16_t>((down ? kKeyDown : 0) | (toggled ? 1 : 0));
}

void MemoryWindowSystem::RegisterClassProcedure(std::string_view className, WNDPROC proc) {
    if (proc != nullptr) {
        m_classProcedures.insert_or_assign(std::string(className), proc);
    } else if (const auto found = m_classProcedures.find(className);
               found != m_classProcedures.end()) {
        m_classProcedures.erase(found);
    }
}

WindowProperties* MemoryWindowSystem::PropertiesOf(HWND hWnd) {
    Window* window = Find(hWnd);
    return window != nullptr ? &window->properties : nullptr;
}

LONG_PTR MemoryWindowSystem::SetWindowLongA(HWND hWnd, int index, LONG_PTR value) {
    Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    LONG_PTR previous = 0;
    if (index == GWL_WNDPROC) {
        previous = ProcValue(window->proc);
        window->proc = ProcFromValue(value);
    } else if (index == GWL_HWNDPARENT) {
        previous = static_cast<LONG_PTR>(window->owner);
        window->owner = static_cast<HWND>(value);
    }
    return previous;
}

DWORD MemoryWindowSystem::GetWindowThreadProcessId(HWND hWnd, DWORD* processId) {
    const Window* window = Find(hWnd);
    if (processId != nullptr) {
        *processId = window != nullptr ? window->processId : 0;
    }
    return window != nullptr ? kThreadId : 0;
}

void MemoryWindowSystem::ProcessPendingMessages() {
    // What a handler posts meanwhile is run too; a message for a window that is gone is dropped.
    while (!m_queue.empty()) {
        const Message message = m_queue.front();
        m_queue.pop_front();
        SendMessageA(message.hWnd, message.uMsg, message.wParam, message.lParam);
    }
}

HWND MemoryWindowSystem::CreateWindowExA(DWORD /*exStyle*/, std::string_view className,
                                         std::string_view /*windowName*/, DWORD style, int /*x*/,
                                         int /*y*/, int width, int height, HWND parent,
                                         HMENU /*menu*/, HINSTANCE /*instance*/) {
    if (parent != 0 && Find(parent) == nullptr) {
        return 0;
    }
    const HWND hWnd = ++m_last;
    Window& window = m_windows[hWnd];
    window.className = className;
    window.style = style;
    window.parent = parent;
    window.width = width;
    window.height = height;
    if (const auto found = m_classProcedures.find(className); found != m_classProcedures.end()) {
        window.proc = found->second;
    }
    return hWnd;
}

bool MemoryWindowSystem::DestroyWindow(HWND hWnd) {
    if (m_windows.erase(hWnd) == 0) {
        return false;
    }
    if (m_focus == hWnd) {
        m_focus = 0;
    }
    std::vector<HWND> children;
    for (const auto& [child, window] : m_windows) {
        if (window.parent == hWnd) {
            children.push_back(child);
        }
    }
    for (const HWND child : children) {
        DestroyWindow(child);
    }
    return true;
}

bool MemoryWindowSystem::MoveWindow(HWND hWnd, int /*x*/, int /*y*/, int width, int height,
                                    bool /*repaint*/) {
    Window* window = Find(hWnd);
    if (window == nullptr) {
        return false;
    }
    window->width = width;
    window->height = height;
    return true;
}

LRESULT MemoryWindowSystem::SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const Window* window = Find(hWnd);
    return window != nullptr ? CallWindowProcA(window->proc, hWnd, uMsg, wParam, lParam) : 0;
}

HWND MemoryWindowSystem::SetFocus(HWND hWnd) {
    if (hWnd != 0 && Find(hWnd) == nullptr) {
        return 0;
    }
    const HWND previous = m_focus;
    if (previous == hWnd) {
        return previous;
    }
    m_focus = hWnd;
    SendMessageA(previous, WM_KILLFOCUS, hWnd, 0);
    SendMessageA(hWnd, WM_SETFOCUS, previous, 0);
    return previous;
}

std::int16_t MemoryWindowSystem::GetKeyState(int virtKey) {
    const auto found = m_keys.find(virtKey);
    return found != m_keys.end() ? found->second : std::int16_t{0};
}

std::int16_t MemoryWindowSystem::GetAsyncKeyState(int virtKey) {
    return static_cast<std::int16_t>(GetKeyState(virtKey) & kKeyDown);
}

}  // namespace vitrel
