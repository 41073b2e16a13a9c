// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QGroupBox>

#include "controls/FormControl.h"

namespace vitrel {

/// A captioned frame that groups option buttons. It takes no focus itself.
class Frame : public FormControl<QGroupBox> {
public:
    Frame(IForm* form, QWidget* parent) : FormControl(form, parent, u"Frame") {
        setFocusPolicy(Qt::NoFocus);
        // The caption sits on the top border line, leaving the whole inside to the buttons.
        setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    }

    [[nodiscard]] std::optional<bool> TabStop() const override { return std::nullopt; }
    bool SetFocus() override { return false; }
};

}  // namespace vitrel
