// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QLockFile>
#include <QString>

namespace vitrel {

/// Whether another instance of the program was running when this one started. The first
/// instance holds a lock file for its whole run; the lock of an instance that crashed names a
/// process that is gone, and the next instance takes it over.
class SingleInstance {
public:
    /// Takes the lock in `folder`: by default the user's runtime folder, private to the user
    /// and emptied when the user logs out.
    explicit SingleInstance(const QString& folder = DefaultFolder());

    [[nodiscard]] bool AnotherWasRunning() const { return m_anotherWasRunning; }

    [[nodiscard]] static QString DefaultFolder();

private:
    QLockFile m_lock;
    bool m_anotherWasRunning = false;
};

}  // namespace vitrel
