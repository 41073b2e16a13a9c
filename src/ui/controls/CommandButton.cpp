// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/CommandButton.h"

namespace vitrel {

CommandButton::CommandButton(IForm* form, QWidget* parent)
    : FormControl(form, parent, u"CommandButton") {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) {
            Click();
        }
    });
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // Enter clicks the focused button, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace vitrel
