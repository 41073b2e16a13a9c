// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "qt/IGlassSurface.h"

namespace vitrel {

/// The glass as a hole in the window's shape (the X shape extension).
class ShapedGlass : public IGlassSurface {
public:
    void Prepare(QWidget& window) override;
    void SetSeeThrough(QWidget& glass, const QRect& area) override;
};

}  // namespace vitrel
