// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace vitrel {

/// A picture kept as raw 8-bit RGBA bytes in the resources: no image decoder is loaded for
/// it. A null picture when the resource does not hold exactly `size` pixels.
[[nodiscard]] QPixmap RawPicture(const QString& path, QSize size);

}  // namespace vitrel
