// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>

#include "core/controls/Picture.h"

/// The controls' pictures as Qt images and back.
namespace vitrel::QtPicture {

/// A null image for no picture.
[[nodiscard]] QImage ToImage(const Picture& picture);
/// No picture for a null image.
[[nodiscard]] Picture FromImage(const QImage& image);

}  // namespace vitrel::QtPicture
