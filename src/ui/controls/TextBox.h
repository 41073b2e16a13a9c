// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QLineEdit>

#include "ui/controls/FormControl.h"

namespace vitrel {

/// A single-line text box. Raises KeyDown, KeyPress and Change; leaves Ctrl and Alt
/// combinations to the window's shortcuts, which therefore run even while it has the focus.
class TextBox : public FormControl<QLineEdit> {
public:
    TextBox(IForm* form, QWidget* parent);

    std::function<void()> Change;

    [[nodiscard]] std::optional<std::u16string> Text() const override;
    bool SetText(const std::u16string& text) override;
    [[nodiscard]] std::optional<int> SelStart() const override;
    bool SetSelStart(int start) override;
    [[nodiscard]] std::optional<int> SelLength() const override;
    bool SetSelLength(int length) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vitrel
