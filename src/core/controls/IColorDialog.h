// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <array>
#include <cstdint>

#include "core/input/IControl.h"

namespace vitrel {

/// The platform's modal colour-selection dialog. Colours are values 0x00BBGGRR (red in the
/// low byte).
class IColorDialog {
public:
    struct Request {
        /// In: the colour to start with. Out: the chosen colour; unchanged unless confirmed.
        std::int32_t color = 0;
        /// In and out: the custom-colour slots the user can define in the dialog.
        std::array<std::int32_t, 16> customColors{};
        WindowHandle owner = 0;
        /// The platform dialog flags (1 start with color selected, 2 open the custom-colour
        /// part, 4 prevent opening it ...).
        std::int32_t flags = 0;
    };

    virtual ~IColorDialog() = default;
    /// Shows the dialog until it closes; true when the user confirmed a colour.
    virtual bool ChooseColor(Request& request) = 0;
    /// Why the last dialog ended unconfirmed: 0 when the user cancelled it, otherwise the
    /// dialog failed.
    [[nodiscard]] virtual std::int32_t ExtendedError() const = 0;
};

}  // namespace vitrel
