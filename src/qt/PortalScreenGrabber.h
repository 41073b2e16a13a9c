// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QRect>

#include "qt/QtScreenGrabber.h"

namespace vitrel {

/// The screens of a Wayland session, where an X11 program (the program runs through XWayland)
/// may not read what other programs show: each picture is a screenshot of the whole desktop
/// asked of the desktop portal (org.freedesktop.portal.Screenshot, not interactive) over the
/// session bus. Where the screens and windows are, XWayland knows, as for any X server.
class PortalScreenGrabber : public IScreenGrabber {
public:
    [[nodiscard]] std::vector<QRect> Screens() const override;
    [[nodiscard]] std::optional<QPoint> DeviceOrigin(const QWidget& window) const override;
    /// Asks the portal for a screenshot and waits for its answer (user input waits too, the
    /// window is still drawn), at most PortalTimeoutSeconds. The parts of one snapshot are cut
    /// from one screenshot: it is kept until the program next returns to its event loop.
    [[nodiscard]] Grabbed Grab(int screen, const QRect& area) const override;

private:
    [[nodiscard]] Grabbed Screenshot() const;

    QtScreenGrabber m_x11;
    mutable Grabbed m_shot;
    mutable bool m_shotKept = false;
};

}  // namespace vitrel
