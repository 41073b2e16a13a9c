// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QRadioButton>

#include "ui/controls/FormControl.h"

namespace vitrel {

/// An option button; the buttons inside one container form a group of which exactly one is
/// selected. Click is raised whenever it becomes selected, by the user or by the program.
class OptionButton : public FormControl<QRadioButton> {
public:
    OptionButton(IForm* form, QWidget* parent);

    std::function<void()> Click;

    [[nodiscard]] bool Value() const { return isChecked(); }
    void SetValue(bool value) { setChecked(value); }
};

}  // namespace vitrel
