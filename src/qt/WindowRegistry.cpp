// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/WindowRegistry.h"

#include <QVariant>

namespace vitrel {
namespace {

constexpr const char* kHandleProperty = "vitrelWindowHandle";

}  // namespace

WindowRegistry& WindowRegistry::Instance() {
    static WindowRegistry registry;
    return registry;
}

WindowHandle WindowRegistry::HandleOf(const QWidget* widget) {
    if (widget == nullptr) {
        return 0;
    }
    const QVariant known = widget->property(kHandleProperty);
    if (known.isValid()) {
        return known.value<WindowHandle>();
    }
    auto* target = const_cast<QWidget*>(widget);  // the handle is bookkeeping, not state
    const WindowHandle handle = ++m_last;
    target->setProperty(kHandleProperty, QVariant::fromValue(handle));
    m_windows.emplace(handle, target);
    QObject::connect(target, &QObject::destroyed, target,
                     [this, handle] { m_windows.erase(handle); });
    return handle;
}

QWidget* WindowRegistry::Find(WindowHandle handle) const {
    const auto found = m_windows.find(handle);
    return found != m_windows.end() ? found->second.data() : nullptr;
}

}  // namespace vitrel
