// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "core/services/IMessageBox.h"

class QWidget;

namespace vitrel {

/// QMessageBox over the program's active window.
class QtMessageBox : public IMessageBox {
public:
    Result Show(const std::u16string& text, const std::u16string& title, Buttons buttons,
                Icon icon) override;
};

}  // namespace vitrel
