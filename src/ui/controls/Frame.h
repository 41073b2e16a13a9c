// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QGroupBox>

#include "ui/controls/FormControl.h"

namespace vitrel {

/// A captioned frame that groups option buttons. The caption sits on the top border line,
/// leaving the whole inside to the buttons placed in it. It takes no focus itself.
class Frame : public FormControl<QGroupBox> {
public:
    Frame(IForm* form, QWidget* parent);

    [[nodiscard]] std::optional<bool> TabStop() const override { return std::nullopt; }
    bool SetFocus() override { return false; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vitrel
