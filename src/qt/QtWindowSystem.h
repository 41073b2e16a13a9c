// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QObject>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/windowsystem/WindowSystem.h"

class QKeyEvent;
class QWidget;

namespace vitrel {

/// The window system over Qt widgets. Every widget can have a handle (from the WindowRegistry);
/// a window's properties and procedure live here and go with its widget. The first procedure
/// of every window is OwnProcedure, which lets Qt handle the event. An application-wide event
/// filter turns the events of a window whose procedure was replaced into messages and runs them
/// through that procedure: a message the chain set to WM_NULL never reaches the widget, and a
/// key or character code the chain changed is what the widget receives. The one window class
/// is the trackbar (QtTrackbar). Needs a QApplication; one instance per process.
class QtWindowSystem final : public QObject, public WindowSystemBackend {
    Q_OBJECT

public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    /// The widget's handle; 0 for nullptr.
    [[nodiscard]] static HWND HandleOf(const QWidget* widget);
    /// The widget of a window; nullptr when the handle names none.
    [[nodiscard]] QWidget* WidgetOf(HWND hWnd);

    /// Every window's first procedure: a message from an event goes on to Qt as it arrives here;
    /// a trackbar answers its TBM_* messages.
    static LRESULT OwnProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    [[nodiscard]] WindowProperties* PropertiesOf(HWND hWnd) override;
    LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR value) override;
    [[nodiscard]] bool IsWindow(HWND hWnd) override { return Find(hWnd) != nullptr; }
    DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId) override;
    [[nodiscard]] DWORD GetCurrentProcessId() override;
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Window {
        QWidget* widget = nullptr;
        WNDPROC proc = &OwnProcedure;
        HWND owner = 0;
        WindowProperties properties;
    };
    struct Message {
        UINT uMsg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    /// A message from an event on its way through a window's procedures.
    struct Delivery {
        HWND hWnd = 0;
        int depth = 0;
        std::optional<Message> arrived;
    };

    /// The window's state, made on first use; nullptr when the handle names no window.
    Window* Find(HWND hWnd);
    void Forget(HWND hWnd);
    LRESULT Own(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    /// What reaches the window's own procedure; nullopt when the chain swallowed the message.
    std::optional<Message> Run(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    /// True when the event must not reach the widget.
    bool Translate(HWND hWnd, QWidget* widget, QEvent* event);
    bool TranslateKey(HWND hWnd, QWidget* widget, QKeyEvent* event);
    void TrackKey(const QKeyEvent& event);

    std::unordered_map<HWND, Window> m_windows;
    std::unordered_map<const QObject*, HWND> m_handles;
    /// Widgets DestroyWindow has taken, until Qt deletes them: they and theirs are no windows.
    std::unordered_set<const QObject*> m_destroyed;
    std::vector<Delivery> m_deliveries;
    int m_sendDepth = 0;
    const QEvent* m_passing = nullptr;
    std::unordered_map<int, std::int16_t> m_keys;
};

}  // namespace vitrel
