// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/SingleInstance.h"

#include <QStandardPaths>

namespace vitrel {

SingleInstance::SingleInstance(const QString& folder)
    : m_lock(folder + QStringLiteral("/vitrel.lock")) {
    // A lock is stale only when its process is gone, never by its age: an instance may run
    // for days.
    m_lock.setStaleLockTime(0);
    // Only a lock held by a live instance says so; a folder we cannot write in says nothing
    // either way, and then this instance counts as the only one.
    m_anotherWasRunning = !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
}

QString SingleInstance::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

}  // namespace vitrel
