// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>

namespace vitrel {

/// The screen the program's windows live on, measured in twips (1/1440 inch).
class IScreen {
public:
    virtual ~IScreen() = default;

    /// Twips per pixel, horizontally and vertically, rounded to whole numbers (15 at 96 DPI).
    [[nodiscard]] virtual std::int16_t TwipsPerPixelX() const = 0;
    [[nodiscard]] virtual std::int16_t TwipsPerPixelY() const = 0;
    [[nodiscard]] virtual std::int32_t WidthTwips() const = 0;
    [[nodiscard]] virtual std::int32_t HeightTwips() const = 0;
};

}  // namespace vitrel
