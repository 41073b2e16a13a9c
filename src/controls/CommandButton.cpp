// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "controls/CommandButton.h"

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

}  // namespace vitrel
