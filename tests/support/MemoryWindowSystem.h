// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

/// A window system held in memory, for running window-procedure logic without a display. Every
/// window has one property map and one procedure slot; its first procedure is OwnProcedure,
/// which records what reaches it. Handles are never reused, and a window's properties go with
/// it when it is destroyed.
class MemoryWindowSystem final : public WindowSystemBackend {
public:
    static constexpr DWORD kProcessId = 4100;
    static constexpr DWORD kThreadId = 4101;

    struct Message {
        HWND hWnd = 0;
        UINT uMsg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool operator==(const Message&) const = default;
    };

    struct Window {
        std::string className;
        DWORD style = 0;
        HWND parent = 0;
        HWND owner = 0;
        int width = 0;
        int height = 0;
        /// Another value makes the window another process's.
        DWORD processId = kProcessId;
        WNDPROC proc = &OwnProcedure;
        WindowProperties properties;
        /// The messages that reached OwnProcedure, and what it answers.
        std::vector<Message> received;
        LRESULT reply = 0;
    };

    /// Every window's first procedure: records the message in the window and returns its reply.
    static LRESULT OwnProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    /// nullptr when the handle names no window.
    [[nodiscard]] Window* Find(HWND hWnd);
    /// Queues a message for ProcessPendingMessages.
    void Post(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void SetKey(int virtKey, bool down, bool toggled = false);
    /// Windows of the class created from now on start with proc instead of OwnProcedure; a
    /// null proc takes the class back.
    void RegisterClassProcedure(std::string_view className, WNDPROC proc);
    [[nodiscard]] HWND Focus() const { return m_focus; }

    [[nodiscard]] WindowProperties* PropertiesOf(HWND hWnd) override;
    LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR value) override;
    [[nodiscard]] bool IsWindow(HWND hWnd) override { return Find(hWnd) != nullptr; }
    DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId) override;
    [[nodiscard]] DWORD GetCurrentProcessId() override { return kProcessId; }
    void ProcessPendingMessages() override;
    HWND CreateWindowExA(DWORD exStyle, std::string_view className, std::string_view windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                         HINSTANCE instance) override;
    bool DestroyWindow(HWND hWnd) override;
    bool MoveWindow(HWND hWnd, int x, int y, int width, int height, bool repaint) override;
    LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    HWND SetFocus(HWND hWnd) override;
    [[nodiscard]] std::int16_t GetKeyState(int virtKey) override;
    [[nodiscard]] std::int16_t GetAsyncKeyState(int virtKey) override;

private:
    std::unordered_map<HWND, Window> m_windows;
    HWND m_last = 0;
    std::deque<Message> m_queue;
    HWND m_focus = 0;
    std::map<int, std::int16_t> m_keys;
    std::map<std::string, WNDPROC, std::less<>> m_classProcedures;
};

}  // namespace vitrel
