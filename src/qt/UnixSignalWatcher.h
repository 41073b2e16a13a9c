// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vitrel {

/// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that the program ends through
/// its ordinary shutdown (settings stored) instead of being killed mid-way.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(std::function<void()> onTerminate, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    /// Holds the signals back until a watcher exists (call first thing in main, before any
    /// thread is started, so that every thread inherits it).
    static void BlockSignals();

private:
    void HandleSignal();

    std::function<void()> m_onTerminate;
    QSocketNotifier* m_notifier = nullptr;
    int m_fds[2] = {-1, -1};
};

}  // namespace vitrel
