// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

#include "qt/QtWindowSystem.h"

int main(int argc, char* argv[]) {
    // Real widgets without a display; the tests drive them with simulated input.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // One window system for the whole process, as the program has.
    vitrel::QtWindowSystem windowSystem;
    const vitrel::ScopedWindowSystem inForce(windowSystem);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
