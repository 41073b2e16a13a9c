// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtPicture.h"

#include <algorithm>
#include <cstddef>

namespace vitrel::QtPicture {

// Qt's ARGB32 format holds each pixel as one 0xAARRGGBB word, as Picture does: rows copy as
// they are.
QImage ToImage(const Picture& picture) {
    if (picture.IsNone()) {
        return {};
    }
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
    const auto width = static_cast<std::size_t>(picture.Width());
    for (int y = 0; y < picture.Height(); ++y) {
        std::copy_n(picture.Argb().begin() + static_cast<std::ptrdiff_t>(width * y), width,
                    reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

Picture FromImage(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const auto width = static_cast<std::size_t>(argb.width());
    std::vector<std::uint32_t> pixels(width * static_cast<std::size_t>(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::copy_n(row, width, pixels.begin() + static_cast<std::ptrdiff_t>(width * y));
    }
    return Picture(argb.width(), argb.height(), std::move(pixels));
}

}  // namespace vitrel::QtPicture
