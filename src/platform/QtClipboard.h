// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "platform/IClipboard.h"

namespace vitrel {

/// The desktop clipboard through QClipboard. Pictures larger than MaxImageSide pixels on
/// either side are refused from their header alone, before anything is decoded.
class QtClipboard : public IClipboard {
public:
    static constexpr int MaxImageSide = 8192;

    [[nodiscard]] QString Text() const override;
    [[nodiscard]] QImage Image() const override;
    void SetTextAndImage(const QString& text, const QImage& image) override;
};

}  // namespace vitrel
