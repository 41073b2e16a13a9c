// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QRectF>
#include <functional>

namespace vitrel {

/// The sample picture at its own size, its magnification and where the magnified view stands
/// in the canvas frame. The main window shows it; snapshots (from the main window's glass or
/// the lens), pasted pictures and favourites put pictures into it.
class Canvas {
public:
    /// The canvas frame's inner size in pixels, which a snapshot fills.
    static constexpr int Side = 64;

    /// The picture at 1:1; a null image before the first picture arrives.
    [[nodiscard]] const QImage& Picture() const { return m_picture; }
    [[nodiscard]] float Zoom() const { return m_zoom; }
    /// The magnified picture's rectangle, in pixels of the canvas frame's inner area.
    [[nodiscard]] QRectF View() const { return m_view; }

    /// A new picture: shown at its natural size at the top-left corner, zoom 1.
    void SetPicture(const QImage& picture);
    /// A new magnification and view rectangle for the same picture.
    void SetView(float zoom, const QRectF& view);

    /// Raised after every change.
    std::function<void()> Changed;

private:
    void RaiseChanged();

    QImage m_picture;
    float m_zoom = 1.0F;
    QRectF m_view{0, 0, Side, Side};
};

}  // namespace vitrel
