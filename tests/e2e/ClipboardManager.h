// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <thread>

namespace vitrel::e2e {

/// A minimal desktop clipboard manager on an X display, on a thread and connection of its
/// own. It owns the CLIPBOARD_MANAGER selection; when a program that owns CLIPBOARD asks it
/// to SAVE_TARGETS (as Qt does when it exits), it fetches the clipboard's text from that
/// program, takes CLIPBOARD itself, serves the saved text to later readers, and only then
/// answers, so that the program may end. Only text is kept; no INCR transfers, no MULTIPLE.
class ClipboardManager {
public:
    /// Connects to `display` and owns CLIPBOARD_MANAGER once this returns; throws when the
    /// display cannot be reached or the selection is already owned.
    explicit ClipboardManager(const QString& display);
    ~ClipboardManager();
    ClipboardManager(const ClipboardManager&) = delete;
    ClipboardManager& operator=(const ClipboardManager&) = delete;

    /// The UTF-8 text saved at the last completed handover, or nothing before one.
    [[nodiscard]] std::optional<QByteArray> SavedText() const;

private:
    struct Impl;

    std::unique_ptr<Impl> m_impl;
    std::jthread m_thread;  // after m_impl: stopped before the connection it uses goes
};

}  // namespace vitrel::e2e
