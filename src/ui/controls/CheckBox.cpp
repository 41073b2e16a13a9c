// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/CheckBox.h"

namespace vitrel {

CheckBox::CheckBox(IForm* form, QWidget* parent) : FormControl(form, parent, u"CheckBox") {
    connect(this, &QCheckBox::stateChanged, this, [this] {
        if (Click) {
            Click();
        }
    });
}

std::int16_t CheckBox::Value() const {
    switch (checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void CheckBox::SetValue(std::int16_t value) {
    // Any value other than 0, 1 and 2 is refused by a check box; keep the state.
    switch (value) {
        case 0:
            setCheckState(Qt::Unchecked);
            break;
        case 1:
            setCheckState(Qt::Checked);
            break;
        case 2:
            setCheckState(Qt::PartiallyChecked);
            break;
        default:
            break;
    }
}

void CheckBox::nextCheckState() {
    SetValue(Value() == 1 ? 0 : 1);
}

void CheckBox::keyPressEvent(QKeyEvent* event) {
    std::int32_t typed = 0;
    if (!RaiseKeyEvents(event, typed)) {
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

}  // namespace vitrel
