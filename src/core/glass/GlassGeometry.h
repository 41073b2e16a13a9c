// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <array>
#include <vector>

/// Where the glass reads the screen. Everything here is in the desktop's device pixels, the one
/// coordinate system in which every pixel a screen shows has a whole position, whatever the
/// screens' scale factors and however they are arranged.
namespace vitrel::GlassGeometry {

/// The side of the glass square, in device-independent pixels: a snapshot has Side × Side
/// pixels whatever the scale.
inline constexpr int Side = 64;

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    [[nodiscard]] bool Contains(int px, int py) const {
        return px >= x && py >= y && px - x < width && py - y < height;
    }
    bool operator==(const Rect&) const = default;
};

/// The device pixel read for each of the Side columns (or rows) of the glass: the one under the
/// middle of that column. `start` is the device position of the glass's inner edge (fractional
/// when the window is scaled by a fraction), `scale` the device pixels per column. The middle
/// lies half a column inside the column's own edges, so the pixel read belongs to its column
/// however the edges of the hole were rounded to device pixels: a picture pixel is never a
/// pixel of the frame or of the neighbouring column.
[[nodiscard]] std::array<int, Side> CellPixels(double start, double scale);

/// What a snapshot grabs from one screen: the device pixels of `area`, which lies on it.
struct Part {
    int screen = 0;
    Rect area;
    bool operator==(const Part&) const = default;
};

/// Where one pixel of the snapshot comes from: pixel (x, y) of a part's picture, or nowhere
/// (part −1: the glass lies off every screen there, and the pixel is black).
struct Source {
    int part = -1;
    int x = 0;
    int y = 0;
    bool operator==(const Source&) const = default;
};

/// A snapshot of the glass: one grab from every screen the glass's pixels lie on, and for each
/// snapshot pixel, row by row, where it comes from.
struct Plan {
    std::vector<Part> parts;
    std::array<Source, Side * Side> sources;
};

/// The snapshot of a glass whose inner top-left corner lies at (left, top) and whose columns
/// and rows span `scale` device pixels each, on screens with these device rectangles. A pixel
/// on two overlapping screens (mirrored monitors) is taken from the first.
[[nodiscard]] Plan PlanSnapshot(double left, double top, double scale,
                                const std::vector<Rect>& screens);

}  // namespace vitrel::GlassGeometry
