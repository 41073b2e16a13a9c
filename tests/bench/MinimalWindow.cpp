// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The yardsticks of the start-up benchmark, the least a Qt Widgets program does to put a window
// on the screen: built once as an empty window, once holding a label (WITH_LABEL), and once
// holding a label in Japanese in the installed gothic at 9 points, the main window's size
// (WITH_GOTHIC_LABEL): the floor for any window with Japanese text.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
#ifdef WITH_LABEL
    QLabel label(QStringLiteral("Vitrel"), &window);
#endif
#ifdef WITH_GOTHIC_LABEL
    QFont gothic(QStringLiteral("IPAPGothic"));
    gothic.setPointSize(9);
    window.setFont(gothic);
    window.resize(473, 202);
    QLabel label(QStringLiteral("ﾋﾞﾄﾚﾙ [HP作成支援ﾂｰﾙ]"), &window);
#endif
    window.show();
    return QApplication::exec();
}
