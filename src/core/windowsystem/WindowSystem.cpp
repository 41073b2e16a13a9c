// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/windowsystem/WindowSystem.h"

namespace vitrel {
namespace {

// The one piece of process-wide mutable state: window procedures have no context argument.
WindowSystemBackend* g_backend = nullptr;

}  // namespace

LONG_PTR ProcValue(WNDPROC proc) {
    return reinterpret_cast<LONG_PTR>(proc);
}

WNDPROC ProcFromValue(LONG_PTR value) {
    return reinterpret_cast<WNDPROC>(value);
}

void InstallWindowSystem(WindowSystemBackend& backend) {
    g_backend = &backend;
}

void UninstallWindowSystem(WindowSystemBackend& backend) {
    if (g_backend == &backend) {
        g_backend = nullptr;
    }
}

WindowSystemBackend* CurrentWindowSystem() {
    return g_backend;
}

std::intptr_t GetPropA(HWND hWnd, std::string_view name) {
    return g_backend != nullptr ? g_backend->GetPropA(hWnd, name) : 0;
}

bool SetPropA(HWND hWnd, std::string_view name, std::intptr_t value) {
    return g_backend != nullptr && g_backend->SetPropA(hWnd, name, value);
}

std::intptr_t RemovePropA(HWND hWnd, std::string_view name) {
    return g_backend != nullptr ? g_backend->RemovePropA(hWnd, name) : 0;
}

LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR value) {
    return g_backend != nullptr ? g_backend->SetWindowLongA(hWnd, index, value) : 0;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(hWnd, uMsg, wParam, lParam) : 0;
}

bool IsWindow(HWND hWnd) {
    return g_backend != nullptr && g_backend->IsWindow(hWnd);
}

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId) {
    if (g_backend != nullptr) {
        return g_backend->GetWindowThreadProcessId(hWnd, processId);
    }
    if (processId != nullptr) {
        *processId = 0;
    }
    return 0;
}

DWORD GetCurrentProcessId() {
    return g_backend != nullptr ? g_backend->GetCurrentProcessId() : 0;
}

void ProcessPendingMessages() {
    if (g_backend != nullptr) {
        g_backend->ProcessPendingMessages();
    }
}

HWND CreateWindowExA(DWORD exStyle, std::string_view className, std::string_view windowName,
                     DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance) {
    return g_backend != nullptr
               ? g_backend->CreateWindowExA(exStyle, className, windowName, style, x, y, width,
                                            height, parent, menu, instance)
               : 0;
}

bool DestroyWindow(HWND hWnd) {
    return g_backend != nullptr && g_backend->DestroyWindow(hWnd);
}

bool MoveWindow(HWND hWnd, int x, int y, int width, int height, bool repaint) {
    return g_backend != nullptr && g_backend->MoveWindow(hWnd, x, y, width, height, repaint);
}

LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return g_backend != nullptr ? g_backend->SendMessageA(hWnd, uMsg, wParam, lParam) : 0;
}

HWND SetFocus(HWND hWnd) {
    return g_backend != nullptr ? g_backend->SetFocus(hWnd) : 0;
}

std::int16_t GetKeyState(int virtKey) {
    return g_backend != nullptr ? g_backend->GetKeyState(virtKey) : std::int16_t{0};
}

std::int16_t GetAsyncKeyState(int virtKey) {
    return g_backend != nullptr ? g_backend->GetAsyncKeyState(virtKey) : std::int16_t{0};
}

std::intptr_t WindowSystemBackend::GetPropA(HWND hWnd, std::string_view name) {
    const WindowProperties* properties = PropertiesOf(hWnd);
    if (properties == nullptr) {
        return 0;
    }
    const auto found = properties->find(name);
    return found != properties->end() ? found->second : 0;
}

bool WindowSystemBackend::SetPropA(HWND hWnd, std::string_view name, std::intptr_t value) {
    WindowProperties* properties = PropertiesOf(hWnd);
    if (properties == nullptr) {
        return false;
    }
    properties->insert_or_assign(std::string(name), value);
    return true;
}

std::intptr_t WindowSystemBackend::RemovePropA(HWND hWnd, std::string_view name) {
    WindowProperties* properties = PropertiesOf(hWnd);
    if (properties == nullptr) {
        return 0;
    }
    const auto found = properties->find(name);
    if (found == properties->end()) {
        return 0;
    }
    const std::intptr_t value = found->second;
    properties->erase(found);
    return value;
}

}  // namespace vitrel
