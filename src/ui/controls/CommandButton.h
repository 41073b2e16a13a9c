// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPushButton>

#include "ui/controls/FormControl.h"

namespace vitrel {

/// A push button raising Click; Space and Enter click the focused button. A click moves the focus
/// to it first, which ends the editing of the text box that had it.
class CommandButton : public FormControl<QPushButton> {
public:
    CommandButton(IForm* form, QWidget* parent);

    std::function<void()> Click;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vitrel
