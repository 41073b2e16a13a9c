// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "qt/IScreenGrabber.h"

namespace vitrel {

/// The X server's screens, read from its root window at device pixels. Without an X server,
/// Qt's screens, which place and grab at device-independent pixels.
class QtScreenGrabber : public IScreenGrabber {
public:
    [[nodiscard]] std::vector<QRect> Screens() const override;
    [[nodiscard]] std::optional<QPoint> DeviceOrigin(const QWidget& window) const override;
    [[nodiscard]] Grabbed Grab(int screen, const QRect& area) const override;
};

}  // namespace vitrel
