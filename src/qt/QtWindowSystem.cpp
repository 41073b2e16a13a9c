// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtWindowSystem.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

#include "core/windowsystem/Trackbar.h"
#include "qt/QtKeys.h"
#include "qt/QtTrackbar.h"
#include "qt/WindowRegistry.h"

namespace vitrel {
namespace {

/// True when the widget is the ancestor or lies under it, across window boundaries too.
bool Within(const QWidget* widget, const QObject* ancestor) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == ancestor) {
            return true;
        }
    }
    return false;
}

bool SameClass(std::string_view a, std::string_view b) {
    // Window class names are compared without regard to case.
    return QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QLatin1String(b.data(), static_cast<qsizetype>(b.size())),
                        Qt::CaseInsensitive) == 0;
}

}  // namespace

QtWindowSystem::QtWindowSystem() {
    // Application-wide, so that key state also follows the keys other widgets receive.
    QCoreApplication::instance()->installEventFilter(this);
}

QtWindowSystem::~QtWindowSystem() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

HWND QtWindowSystem::HandleOf(const QWidget* widget) {
    return WindowRegistry::Instance().HandleOf(widget);
}

QWidget* QtWindowSystem::WidgetOf(HWND hWnd) {
    const Window* window = Find(hWnd);
    return window != nullptr ? window->widget : nullptr;
}

QtWindowSystem::Window* QtWindowSystem::Find(HWND hWnd) {
    const auto found = m_windows.find(hWnd);
    if (found != m_windows.end()) {
        return &found->second;
    }
    QWidget* widget = hWnd != 0 ? WindowRegistry::Instance().Find(hWnd) : nullptr;
    if (widget == nullptr) {
        return nullptr;
    }
    for (const QObject* taken : m_destroyed) {
        if (Within(widget, taken)) {
            return nullptr;
        }
    }
    Window& window = m_windows[hWnd];
    window.widget = widget;
    m_handles[widget] = hWnd;
    connect(widget, &QObject::destroyed, this, [this, hWnd] { Forget(hWnd); });
    return &window;
}

void QtWindowSystem::Forget(HWND hWnd) {
    const auto found = m_windows.find(hWnd);
    if (found != m_windows.end()) {
        m_handles.erase(found->second.widget);
        m_windows.erase(found);
    }
}

LRESULT QtWindowSystem::OwnProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* system = dynamic_cast<QtWindowSystem*>(CurrentWindowSystem());
    return system != nullptr ? system->Own(hWnd, uMsg, wParam, lParam) : 0;
}

LRESULT QtWindowSystem::Own(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The message of the event being translated for this window, unless a procedure sent
    // another one meanwhile (that one comes at a deeper send level).
    if (!m_deliveries.empty()) {
        Delivery& delivery = m_deliveries.back();
        if (delivery.hWnd == hWnd && delivery.depth == m_sendDepth && !delivery.arrived) {
            delivery.arrived = Message{uMsg, wParam, lParam};
            return 0;
        }
    }
    if (auto* trackbar = qobject_cast<QtTrackbar*>(WidgetOf(hWnd))) {
        return trackbar->Answer(uMsg, wParam, lParam);
    }
    return 0;
}

std::optional<QtWindowSystem::Message> QtWindowSystem::Run(HWND hWnd, UINT uMsg, WPARAM wParam,
                                                           LPARAM lParam) {
    const Window* window = Find(hWnd);
    if (window == nullptr) {
        return Message{uMsg, wParam, lParam};
    }
    const WNDPROC proc = window->proc;
    m_deliveries.push_back({hWnd, m_sendDepth, std::nullopt});
    const std::size_t mine = m_deliveries.size() - 1;
    CallWindowProcA(proc, hWnd, uMsg, wParam, lParam);
    const std::optional<Message> arrived = m_deliveries[mine].arrived;
    m_deliveries.pop_back();
    if (!arrived || arrived->uMsg == WM_NULL) {
        return std::nullopt;
    }
    return arrived;
}

bool QtWindowSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event == m_passing) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        TrackKey(*static_cast<QKeyEvent*>(event));
    } else if (type == QEvent::ApplicationStateChange &&
               static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
                   Qt::ApplicationActive) {
        // Keys released while another program has the keyboard are never seen here.
        for (auto& [key, state] : m_keys) {
            state = static_cast<std::int16_t>(state & 1);
        }
    }
    const auto found = m_handles.find(watched);
    if (found == m_handles.end()) {
        return false;
    }
    const HWND hWnd = found->second;
    const Window* window = Find(hWnd);
    if (window == nullptr || window->proc == &OwnProcedure) {
        return false;  // nobody to ask: Qt handles the event as it is
    }
    return Translate(hWnd, window->widget, event);
}

bool QtWindowSystem::Translate(HWND hWnd, QWidget* widget, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return TranslateKey(hWnd, widget, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:  // Qt does not say where the focus came from
            return !Run(hWnd, WM_SETFOCUS, 0, 0);
        case QEvent::FocusOut:
            return !Run(hWnd, WM_KILLFOCUS, HandleOf(QApplication::focusWidget()), 0);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            break;
        default:
            return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool down =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    UINT uMsg = WM_MOUSEMOVE;
    if (event->type() != QEvent::MouseMove) {
        // A trackbar takes no double clicks: the second press is a press like the first.
        switch (mouse->button()) {
            case Qt::LeftButton:
                uMsg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
                break;
            case Qt::RightButton:
                uMsg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
                break;
            case Qt::MiddleButton:
                uMsg = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
                break;
            default:
                return false;
        }
    }
    const Qt::MouseButtons buttons = mouse->buttons();
    const WPARAM flags = (buttons & Qt::LeftButton ? MK_LBUTTON : 0) |
                         (buttons & Qt::RightButton ? MK_RBUTTON : 0) |
                         (buttons & Qt::MiddleButton ? MK_MBUTTON : 0) |
                         (mouse->modifiers() & Qt::ShiftModifier ? MK_SHIFT : 0) |
                         (mouse->modifiers() & Qt::ControlModifier ? MK_CONTROL : 0);
    const QPoint at = mouse->position().toPoint();
    const LPARAM point = static_cast<LPARAM>((static_cast<std::uint32_t>(at.y()) & 0xFFFFU) << 16 |
                                             (static_cast<std::uint32_t>(at.x()) & 0xFFFFU));
    if (down && !widget->isActiveWindow()) {
        Run(hWnd, WM_MOUSEACTIVATE, HandleOf(widget->window()),
            static_cast<LPARAM>(uMsg) << 16 | HTCLIENT);
    }
    return !Run(hWnd, uMsg, flags, point);
}

bool QtWindowSystem::TranslateKey(HWND hWnd, QWidget* widget, QKeyEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    // Repeat count 1; bit 30: the key was down before; bit 31: it is being released.
    LPARAM flags = 1;
    if (!press) {
        flags |= LPARAM{3} << 30;
    } else if (event->isAutoRepeat()) {
        flags |= LPARAM{1} << 30;
    }
    int key = event->key();
    QString text = event->text();
    bool changed = false;
    bool swallowed = false;
    const int vk = QtKeys::VirtualKey(key);
    if (vk != 0) {
        const auto message =
            Run(hWnd, press ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk), flags);
        if (!message) {
            swallowed = true;
        } else if (message->wParam != static_cast<WPARAM>(vk)) {
            key = QtKeys::QtKey(static_cast<int>(message->wParam & 0xFFFFU));
            changed = true;
        }
    }
    // The character is offered even when its key was swallowed, as the keystroke was typed.
    if (press && text.size() == 1) {
        const WPARAM typed = text.at(0).unicode();
        const auto message = Run(hWnd, WM_CHAR, typed, flags);
        if (!message) {
            text.clear();
            changed = true;
        } else if (message->wParam != typed) {
            text = QString(QChar(static_cast<char16_t>(message->wParam & 0xFFFFU)));
            changed = true;
        }
    }
    if (swallowed || !changed) {
        return swallowed;
    }
    if (key == 0 && text.isEmpty()) {
        return true;  // nothing is left of the keystroke
    }
    QKeyEvent replaced(event->type(), key, event->modifiers(), event->nativeScanCode(),
                       event->nativeVirtualKey(), event->nativeModifiers(), text,
                       event->isAutoRepeat(), event->count());
    const QEvent* outer = std::exchange(m_passing, &replaced);
    QCoreApplication::sendEvent(widget, &replaced);
    m_passing = outer;
    return true;
}

void QtWindowSystem::TrackKey(const QKeyEvent& event) {
    const int vk = QtKeys::VirtualKey(event.key());
    if (vk == 0) {
        return;
    }
    // A key event travels to the parents when ignored: only the first press of a key counts.
    int state = m_keys[vk];
    if (event.type() == QEvent::KeyPress) {
        if ((state & kKeyDown) == 0) {
            state = (state ^ 1) | kKeyDown;
        }
    } else if (!event.isAutoRepeat()) {
        state &= 1;
    }
    m_keys[vk] = static_cast<std::int16_t>(state);
}

WindowProperties* QtWindowSystem::PropertiesOf(HWND hWnd) {
    Window* window = Find(hWnd);
    return window != nullptr ? &window->properties : nullptr;
}

LONG_PTR QtWindowSystem::SetWindowLongA(HWND hWnd, int index, LONG_PTR value) {
    Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    if (index == GWL_WNDPROC && value != 0) {  // a window always has a procedure
        return ProcValue(std::exchange(window->proc, ProcFromValue(value)));
    }
    if (index == GWL_HWNDPARENT) {
        return static_cast<LONG_PTR>(std::exchange(window->owner, static_cast<HWND>(value)));
    }
    return 0;
}

DWORD QtWindowSystem::GetWindowThreadProcessId(HWND hWnd, DWORD* processId) {
    // Widgets live on the GUI thread, the process's first, whose id is the process id.
    const DWORD id = Find(hWnd) != nullptr ? GetCurrentProcessId() : 0;
    if (processId != nullptr) {
        *processId = id;
    }
    return id;
}

DWORD QtWindowSystem::GetCurrentProcessId() {
    return static_cast<DWORD>(QCoreApplication::applicationPid());
}

void QtWindowSystem::ProcessPendingMessages() {
    // The messages waiting are the events posted to the windows whose procedure was replaced.
    // Running every event of the program instead would let any posted work run inside
    // whatever ends a subscription, a window's destructor included.
    std::vector<QPointer<QWidget>> subclassed;
    for (const auto& [handle, window] : m_windows) {
        if (window.proc != &OwnProcedure) {
            subclassed.emplace_back(window.widget);
        }
    }
    for (const QPointer<QWidget>& widget : subclassed) {
        if (widget != nullptr) {
            QCoreApplication::sendPostedEvents(widget);
        }
    }
}

HWND QtWindowSystem::CreateWindowExA(DWORD /*exStyle*/, std::string_view className,
                                     std::string_view /*windowName*/, DWORD style, int x, int y,
                                     int width, int height, HWND parent, HMENU /*menu*/,
                                     HINSTANCE /*instance*/) {
    QWidget* parentWidget = WidgetOf(parent);
    if (!SameClass(className, TRACKBAR_CLASS) || parentWidget == nullptr) {
        return 0;
    }
    auto* trackbar = new QtTrackbar(style, parentWidget);
    trackbar->setGeometry(x, y, width, height);
    return HandleOf(trackbar);
}

bool QtWindowSystem::DestroyWindow(HWND hWnd) {
    QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr) {
        return false;
    }
    // The widget may be inside one of its own event handlers: Qt deletes it later, but from
    // now on neither it nor anything under it is a window.
    m_destroyed.insert(widget);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_destroyed.erase(widget); });
    std::vector<HWND> gone;
    for (const auto& [handle, window] : m_windows) {
        if (Within(window.widget, widget)) {
            gone.push_back(handle);
        }
    }
    for (const HWND handle : gone) {
        Forget(handle);
    }
    widget->hide();
    widget->deleteLater();
    return true;
}

bool QtWindowSystem::MoveWindow(HWND hWnd, int x, int y, int width, int height, bool repaint) {
    QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr) {
        return false;
    }
    widget->setGeometry(x, y, width, height);
    if (repaint) {
        widget->update();
    }
    return true;
}

LRESULT QtWindowSystem::SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    const WNDPROC proc = window->proc;
    ++m_sendDepth;
    const LRESULT result = CallWindowProcA(proc, hWnd, uMsg, wParam, lParam);
    --m_sendDepth;
    return result;
}

HWND QtWindowSystem::SetFocus(HWND hWnd) {
    QWidget* widget = WidgetOf(hWnd);
    if (hWnd != 0 && widget == nullptr) {
        return 0;
    }
    QWidget* focused = QApplication::focusWidget();
    const HWND previous = HandleOf(focused);
    if (widget != nullptr) {
        widget->setFocus(Qt::OtherFocusReason);
    } else if (focused != nullptr) {
        focused->clearFocus();
    }
    return previous;
}

std::int16_t QtWindowSystem::GetKeyState(int virtKey) {
    const auto found = m_keys.find(virtKey);
    return found != m_keys.end() ? found->second : std::int16_t{0};
}

std::int16_t QtWindowSystem::GetAsyncKeyState(int virtKey) {
    bool down = (GetKeyState(virtKey) & kKeyDown) != 0;
    // Modifiers held down before the program had the keyboard show only in the modifier state
    // of the input events. The state of the event being handled: asking the X server instead
    // costs a round trip for each key, three for every mouse message.
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    down = down || (virtKey == VK_SHIFT && (modifiers & Qt::ShiftModifier)) ||
           (virtKey == VK_CONTROL && (modifiers & Qt::ControlModifier)) ||
           (virtKey == VK_MENU && (modifiers & Qt::AltModifier));
    return static_cast<std::int16_t>(down ? kKeyDown : 0);
}

}  // namespace vitrel
