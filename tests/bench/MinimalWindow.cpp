// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The yardstick of the start-up benchmark: the least a Qt Widgets program does to put a
// window on the screen.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("Vitrel"), &window);
    window.show();
    return QApplication::exec();
}
