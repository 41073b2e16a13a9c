// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <string>

namespace vitrel {

/// A modal message box with an OK button, or OK and Cancel.
class IMessageBox {
public:
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Information, Warning, Critical };
    enum class Result { Ok, Cancel };

    virtual ~IMessageBox() = default;
    virtual Result Show(const std::u16string& text, const std::u16string& title, Buttons buttons,
                        Icon icon) = 0;
};

}  // namespace vitrel
