// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPointer>
#include <QWidget>
#include <unordered_map>

#include "core/input/IControl.h"

namespace vitrel {

/// Hands out window handles for widgets. A handle is never given out twice, and once its
/// widget is destroyed it names no window any more, so a stale handle can never reach a new
/// widget that happens to live at the old address. Process-wide: the window system it stands
/// for is.
class WindowRegistry {
public:
    static WindowRegistry& Instance();

    /// The widget's handle, given out on first use; 0 for nullptr.
    WindowHandle HandleOf(const QWidget* widget);
    /// The widget a handle names; nullptr when it names none or its widget is gone.
    [[nodiscard]] QWidget* Find(WindowHandle handle) const;

private:
    WindowRegistry() = default;

    std::unordered_map<WindowHandle, QPointer<QWidget>> m_windows;
    WindowHandle m_last = 0;
};

}  // namespace vitrel
