// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPointF>
#include <cstdint>
#include <functional>

class QMouseEvent;

namespace vitrel {

/// MouseDown and MouseMove handlers: the button mask (left 1, right 2, middle 4, added), the
/// shift mask, and the pointer position in twips from the control's inner top-left corner.
using MouseEvent = std::function<void(std::int16_t Button, std::int16_t Shift, float X, float Y)>;

/// Raises a mouse event for a Qt event whose position is measured from `origin` in pixels.
void RaiseMouseEvent(const MouseEvent& handler, const QMouseEvent& event, QPointF origin,
                     int twipsPerPixelX, int twipsPerPixelY);

}  // namespace vitrel
