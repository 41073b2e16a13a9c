// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "platform/IScreenGrabber.h"

namespace vitrel {

/// Qt's screens, grabbed one at a time in that screen's coordinates.
class QtScreenGrabber : public IScreenGrabber {
public:
    [[nodiscard]] std::vector<QRect> Screens() const override;
    [[nodiscard]] QImage Grab(int screen, const QRect& area) const override;
};

}  // namespace vitrel
