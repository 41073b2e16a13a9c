// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/OptionButton.h"

namespace vitrel {

OptionButton::OptionButton(IForm* form, QWidget* parent)
    : FormControl(form, parent, u"OptionButton") {
    // Tab enters a group at its selected option and leaves it from there: only the selected
    // button is in the keyboard's tab chain (the arrow keys move within the group).
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        setFocusPolicy(checked && TabStop().value_or(false) ? Qt::StrongFocus : Qt::ClickFocus);
        if (checked && Click) {
            Click();
        }
    });
}

}  // namespace vitrel
