// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QCheckBox>

#include "ui/controls/FormControl.h"

namespace vitrel {

/// A check box with the values 0 (unchecked), 1 (checked) and 2 (grey). Click is raised
/// whenever the value changes, by the user or by the program; a click on a grey box checks it.
class CheckBox : public FormControl<QCheckBox> {
public:
    CheckBox(IForm* form, QWidget* parent);

    std::function<void()> Click;

    [[nodiscard]] std::int16_t Value() const;
    void SetValue(std::int16_t value);

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vitrel
