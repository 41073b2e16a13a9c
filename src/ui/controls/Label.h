// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QLabel>

#include "ui/controls/FormControl.h"

namespace vitrel {

/// A caption. It has a TabIndex but can take no focus, so it has no TabStop at all.
class Label : public FormControl<QLabel> {
public:
    Label(IForm* form, QWidget* parent) : FormControl(form, parent, u"Label") {}

    [[nodiscard]] std::optional<bool> TabStop() const override { return std::nullopt; }
    bool SetFocus() override { return false; }
};

}  // namespace vitrel
