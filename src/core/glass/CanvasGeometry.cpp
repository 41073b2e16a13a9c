// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/glass/CanvasGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vitrel::CanvasGeometry {
namespace {

std::int32_t Factor(std::int16_t tpp) {
    return std::max<std::int32_t>(tpp, 1);
}

/// Halves to even; saturates instead of overflowing, NaN counts as 0.
std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int64_t>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

/// The shared part of a zoom step: the reset button looks at the position before the move,
/// then Image1 is scaled about the centre.
ZoomState Rescale(const ZoomState& state, float zoom) {
    const float old = state.zoom;
    const ImageRect& from = state.image;
    ZoomState next = state;
    next.zoom = zoom;
    next.buttons.reset = !(zoom == 1.0F && from.Left == 0.0F && from.Top == 0.0F);
    next.image.Left = from.Left - ((Centre - from.Left) / old * zoom - (Centre - from.Left));
    next.image.Top = from.Top - ((Centre - from.Top) / old * zoom - (Centre - from.Top));
    next.image.Width = zoom / old * from.Width;
    next.image.Height = zoom / old * from.Height;
    return next;
}

}  // namespace

ZoomState ZoomIn(const ZoomState& state) {
    const float zoom =
        std::min(state.zoom >= 1.0F ? state.zoom + 1.0F : state.zoom + 0.25F, MaxZoom);
    ZoomState next = Rescale(state, zoom);
    if (zoom == MaxZoom) {
        next.buttons.up = false;
    }
    next.buttons.down = true;
    return next;
}

ZoomState ZoomOut(const ZoomState& state) {
    const float zoom =
        std::max(state.zoom > 1.0F ? state.zoom - 1.0F : state.zoom - 0.25F, MinZoom);
    ZoomState next = Rescale(state, zoom);
    if (zoom == MinZoom) {
        next.buttons.down = false;
    }
    next.buttons.up = true;
    return next;
}

ZoomState Reset(int pictureWidth, int pictureHeight) {
    return {1.0F,
            {0.0F, 0.0F, static_cast<float>(pictureWidth), static_cast<float>(pictureHeight)},
            {true, true, false}};
}

PixelPoint PointerPixel(float xTwips, float yTwips, std::int16_t tppX, std::int16_t tppY) {
    return {static_cast<std::int32_t>(RoundHalfEven(xTwips) / Factor(tppX)),
            static_cast<std::int32_t>(RoundHalfEven(yTwips) / Factor(tppY))};
}

ImageRect PanStep(const ImageRect& image, PixelPoint grab, PixelPoint current, std::int16_t tppX,
                  std::int16_t tppY) {
    const std::int64_t dx = (std::int64_t{current.x} - grab.x) / Factor(tppX);
    const std::int64_t dy = (std::int64_t{current.y} - grab.y) / Factor(tppY);
    return {image.Left + static_cast<float>(dx), image.Top + static_cast<float>(dy), image.Width,
            image.Height};
}

bool InViewport(double position, double extent) {
    return position + Tolerance >= 0.0 && position + Tolerance < extent;
}

std::optional<std::int32_t> ShownIndex(double position, double viewportExtent, float imageStart,
                                       float imageExtent, int pictureExtent) {
    if (!InViewport(position, viewportExtent) || !(imageExtent > 0.0F) || pictureExtent <= 0) {
        return std::nullopt;
    }
    const double shown =
        std::floor((position - imageStart) * pictureExtent / imageExtent + Tolerance);
    if (!(shown >= 0.0 && shown < pictureExtent)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(shown);
}

std::optional<PixelPoint> ShownPixel(double x, double y, double viewportWidth,
                                     double viewportHeight, const ImageRect& image,
                                     int pictureWidth, int pictureHeight) {
    const auto column = ShownIndex(x, viewportWidth, image.Left, image.Width, pictureWidth);
    const auto row = ShownIndex(y, viewportHeight, image.Top, image.Height, pictureHeight);
    if (!column || !row) {
        return std::nullopt;
    }
    return PixelPoint{*column, *row};
}

}  // namespace vitrel::CanvasGeometry
