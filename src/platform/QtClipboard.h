// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "platform/IClipboard.h"

namespace vitrel {

/// The desktop clipboard through QClipboard. Pictures larger than MaxImageSide pixels on
/// either side are refused from their header alone, before anything is decoded, so that a
/// hostile clipboard cannot make the program allocate gigabytes.
class QtClipboard : public IClipboard {
public:
    static constexpr int MaxImageSide = 4096;

    [[nodiscard]] QString Text() const override;
    [[nodiscard]] QImage Image() const override;
    [[nodiscard]] bool HasImage() const override;
    void SetTextAndImage(const QString& text, const QImage& image) override;

private:
    /// The clipboard's picture, decoded only when decode is true; otherwise a 1 x 1 stand-in
    /// once its header has shown an acceptable size.
    [[nodiscard]] QImage Read(bool decode) const;
};

}  // namespace vitrel
