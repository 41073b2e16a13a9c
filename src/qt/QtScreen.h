// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "core/services/IScreen.h"

namespace vitrel {

/// The primary screen as Qt reports it; twips per pixel from its logical DPI.
class QtScreen : public IScreen {
public:
    [[nodiscard]] std::int16_t TwipsPerPixelX() const override;
    [[nodiscard]] std::int16_t TwipsPerPixelY() const override;
    [[nodiscard]] std::int32_t WidthTwips() const override;
    [[nodiscard]] std::int32_t HeightTwips() const override;
};

}  // namespace vitrel
