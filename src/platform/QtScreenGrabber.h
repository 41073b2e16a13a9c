// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "platform/IScreenGrabber.h"

namespace vitrel {

/// Grabs from the screen that holds the rectangle's top-left corner, in that screen's own
/// coordinates.
class QtScreenGrabber : public IScreenGrabber {
public:
    [[nodiscard]] QImage Grab(QPoint topLeft, QSize size) const override;
};

}  // namespace vitrel
