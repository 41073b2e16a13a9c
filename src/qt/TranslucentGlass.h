// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "qt/IGlassSurface.h"

namespace vitrel {

/// The glass as a see-through part of a translucent window (an alpha channel, which the
/// compositor of a Wayland session draws, also for a program under XWayland, where a hole in
/// the shape would be drawn black). The rest of the window is painted opaque.
class TranslucentGlass : public IGlassSurface {
public:
    void Prepare(QWidget& window) override;
    void SetSeeThrough(QWidget& glass, const QRect& area) override;
};

}  // namespace vitrel
