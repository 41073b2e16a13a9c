// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The yardsticks of the start-up benchmark, the least a Qt Widgets program does to put a window
// on the screen: built once as an empty window and once holding a label (WITH_LABEL).
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
#ifdef WITH_LABEL
    QLabel label(QStringLiteral("Vitrel"), &window);
#endif
    window.show();
    return QApplication::exec();
}
