// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <functional>

#include "core/glass/CanvasGeometry.h"

namespace vitrel {

/// The sample picture at its own size, its magnification, where the magnified view stands in
/// the canvas frame and which zoom buttons apply. The main window shows it; snapshots (from
/// the main window's glass or the lens), pasted pictures and favourites put pictures into it.
class Canvas {
public:
    /// The picture at 1:1; a null image before the first picture arrives.
    [[nodiscard]] const QImage& Picture() const { return m_picture; }
    [[nodiscard]] const CanvasGeometry::ZoomState& State() const { return m_state; }
    [[nodiscard]] float Zoom() const { return m_state.zoom; }

    /// A new picture: shown at its natural size at the top-left corner, zoom 1.
    void SetPicture(const QImage& picture);
    /// A new magnification, view and zoom buttons for the same picture.
    void SetState(const CanvasGeometry::ZoomState& state);

    /// Raised after every change.
    std::function<void()> Changed;

private:
    void RaiseChanged();

    QImage m_picture;
    CanvasGeometry::ZoomState m_state;
};

}  // namespace vitrel
