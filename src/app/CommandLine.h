// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QString>
#include <QStringList>

namespace vitrel {

/// What the command line asks for. Read before anything else: --help and --version need no
/// display and touch neither the settings nor the single-instance lock.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    /// The text to print: the usage, the version, or the error.
    QString text;

    /// Exit statuses beside 0 (normal end) and 1 (no display, or the settings not stored).
    static constexpr int UsageError = 2;

    /// Qt's own options (`-platform`, `-display`, `-session` ...) are accepted and left to Qt.
    static CommandLine Parse(const QStringList& arguments);
};

}  // namespace vitrel
