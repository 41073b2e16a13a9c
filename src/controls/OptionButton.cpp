// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "controls/OptionButton.h"

namespace vitrel {

OptionButton::OptionButton(IForm* form, QWidget* parent)
    : FormControl(form, parent, u"OptionButton") {
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && Click) {
            Click();
        }
    });
}

}  // namespace vitrel
