// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace vitrel {

// The window system the subclassing service and the slider are written against: windows named
// by handles, named pointer-sized properties on each window, and window procedures without a
// context argument. Because a procedure cannot say which window system it belongs to, one
// backend is in force for the whole process: the program installs the Qt one, tests an
// in-memory one.

using HWND = std::uintptr_t;  ///< 0 names no window; the same values as WindowHandle
using HMENU = std::uintptr_t;
using HINSTANCE = std::uintptr_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

inline constexpr int GWL_WNDPROC = -4;
inline constexpr int GWL_HWNDPARENT = -8;

/// The bit of GetKeyState and GetAsyncKeyState that is set while the key is down.
inline constexpr int kKeyDown = 0x8000;

inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;

/// A procedure as the pointer-sized value that SetWindowLongA and window properties carry, and
/// back; 0 is no procedure.
LONG_PTR ProcValue(WNDPROC proc);
WNDPROC ProcFromValue(LONG_PTR value);

/// A window's named properties, as every backend keeps them.
using WindowProperties = std::map<std::string, std::intptr_t, std::less<>>;

/// One window system. The free functions below forward to the backend in force.
class WindowSystemBackend {
public:
    virtual ~WindowSystemBackend() = default;

    /// The window's properties; nullptr when the handle names no window.
    [[nodiscard]] virtual WindowProperties* PropertiesOf(HWND hWnd) = 0;
    // Every backend keeps the properties alike: 0 (false) when the window or the entry is
    // missing.
    [[nodiscard]] std::intptr_t GetPropA(HWND hWnd, std::string_view name);
    bool SetPropA(HWND hWnd, std::string_view name, std::intptr_t value);
    std::intptr_t RemovePropA(HWND hWnd, std::string_view name);
    /// GWL_WNDPROC installs a procedure, GWL_HWNDPARENT sets the owner; returns the previous
    /// value, 0 when the window or the index is unknown.
    virtual LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR value) = 0;
    [[nodiscard]] virtual bool IsWindow(HWND hWnd) = 0;
    /// The thread that owns the window (0 for no window); its process goes to processId.
    virtual DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId) = 0;
    [[nodiscard]] virtual DWORD GetCurrentProcessId() = 0;
    /// Runs every message waiting in the queue through its window's current procedure.
    virtual void ProcessPendingMessages() = 0;
    virtual HWND CreateWindowExA(DWORD exStyle, std::string_view className,
                                 std::string_view windowName, DWORD style, int x, int y, int width,
                                 int height, HWND parent, HMENU menu, HINSTANCE instance) = 0;
    virtual bool DestroyWindow(HWND hWnd) = 0;
    virtual bool MoveWindow(HWND hWnd, int x, int y, int width, int height, bool repaint) = 0;
    virtual LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;
    /// Returns the window that had the focus; 0 when hWnd is no window.
    virtual HWND SetFocus(HWND hWnd) = 0;
    /// Bit 15 set while the key is down; bit 0 its toggle state (GetKeyState only).
    [[nodiscard]] virtual std::int16_t GetKeyState(int virtKey) = 0;
    [[nodiscard]] virtual std::int16_t GetAsyncKeyState(int virtKey) = 0;
};

/// Puts the backend in force, replacing any other.
void InstallWindowSystem(WindowSystemBackend& backend);
/// Takes the backend out of force if it is the one in force; afterwards no handle names a
/// window.
void UninstallWindowSystem(WindowSystemBackend& backend);
/// The backend in force, nullptr when none is.
[[nodiscard]] WindowSystemBackend* CurrentWindowSystem();

/// Keeps a backend in force for its own lifetime.
class ScopedWindowSystem {
public:
    explicit ScopedWindowSystem(WindowSystemBackend& backend) : m_backend(backend) {
        InstallWindowSystem(backend);
    }
    ~ScopedWindowSystem() { UninstallWindowSystem(m_backend); }
    ScopedWindowSystem(const ScopedWindowSystem&) = delete;
    ScopedWindowSystem& operator=(const ScopedWindowSystem&) = delete;

private:
    WindowSystemBackend& m_backend;
};

// Without a backend in force these answer as for a handle that names no window.
[[nodiscard]] std::intptr_t GetPropA(HWND hWnd, std::string_view name);
bool SetPropA(HWND hWnd, std::string_view name, std::intptr_t value);
std::intptr_t RemovePropA(HWND hWnd, std::string_view name);
LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR value);
/// Runs proc on the message; 0 for no procedure.
LRESULT CallWindowProcA(WNDPROC proc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
[[nodiscard]] bool IsWindow(HWND hWnd);
DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId);
[[nodiscard]] DWORD GetCurrentProcessId();
void ProcessPendingMessages();
HWND CreateWindowExA(DWORD exStyle, std::string_view className, std::string_view windowName,
                     DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance);
bool DestroyWindow(HWND hWnd);
bool MoveWindow(HWND hWnd, int x, int y, int width, int height, bool repaint);
LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
HWND SetFocus(HWND hWnd);
[[nodiscard]] std::int16_t GetKeyState(int virtKey);
[[nodiscard]] std::int16_t GetAsyncKeyState(int virtKey);

}  // namespace vitrel
