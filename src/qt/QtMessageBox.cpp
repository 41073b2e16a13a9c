// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace vitrel {

IMessageBox::Result QtMessageBox::Show(const std::u16string& text, const std::u16string& title,
                                       Buttons buttons, Icon icon) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(QString::fromStdU16String(text));
    box.setWindowTitle(QString::fromStdU16String(title));
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    box.setStandardButtons(buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok);
    return box.exec() == QMessageBox::Cancel ? Result::Cancel : Result::Ok;
}

}  // namespace vitrel
