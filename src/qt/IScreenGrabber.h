// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

class QWidget;

namespace vitrel {

/// Why the desktop gave no picture, where it decides what a program may read (a Wayland
/// session's screenshot portal).
enum class GrabFailure {
    None,        // a picture, or an area no screen shows
    Refused,     // the desktop or the user said no
    NoPortal,    // nothing on the session bus takes screenshots
    TimedOut,    // no answer within PortalTimeoutSeconds
    Unreadable,  // an answer, but no picture that could be read
};

/// How long a screenshot may take in a Wayland session; the first one may wait for the user to
/// allow it.
inline constexpr int PortalTimeoutSeconds = 30;

struct Grabbed {
    QImage pixels;  // null when there is none
    GrabFailure failure = GrabFailure::None;
};

/// The screens of the desktop and what they show, in the desktop's device pixels: the
/// coordinates in which every pixel a screen shows has one whole position, whatever each
/// screen's scale factor. (Qt's device-independent positions of windows are rounded on scaled
/// screens, so they cannot say which device pixel lies under a window's pixel.)
class IScreenGrabber {
public:
    virtual ~IScreenGrabber() = default;

    /// Each screen's rectangle in the desktop's device pixels.
    [[nodiscard]] virtual std::vector<QRect> Screens() const = 0;
    /// Where the top-left corner of a top-level window's own area lies, in the desktop's
    /// device pixels; nothing when the window is not on the desktop.
    [[nodiscard]] virtual std::optional<QPoint> DeviceOrigin(const QWidget& window) const = 0;
    /// What a screen shows in a rectangle of the desktop's device pixels that lies on it, one
    /// picture pixel per device pixel; no picture when it cannot be read, and why when the
    /// desktop refused it.
    [[nodiscard]] virtual Grabbed Grab(int screen, const QRect& area) const = 0;
};

}  // namespace vitrel
