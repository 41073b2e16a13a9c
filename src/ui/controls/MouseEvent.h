// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QPoint>
#include <cstdint>
#include <functional>

class QMouseEvent;
class QWidget;

namespace vitrel {

/// MouseDown and MouseMove handlers: the button mask (left 1, right 2, middle 4, added), the
/// shift mask, and the pointer position in twips from the control's inner top-left corner.
using MouseEvent = std::function<void(std::int16_t Button, std::int16_t Shift, float X, float Y)>;

/// Where the pointer of a Qt mouse event is in `control`, measured from `origin` in its
/// device-independent pixels. Exact: Qt rounds a widget's event position to whole pixels, which
/// on a scaled screen are several device pixels apart, but the event also carries the window's
/// own position of the pointer, which it has not rounded.
[[nodiscard]] QPointF ExactPosition(const QMouseEvent& event, const QWidget& control,
                                    QPoint origin);

/// Raises a mouse event for a Qt event, the position measured from `origin` of `control`.
void RaiseMouseEvent(const MouseEvent& handler, const QMouseEvent& event, const QWidget& control,
                     QPoint origin, int twipsPerPixelX, int twipsPerPixelY);

}  // namespace vitrel
