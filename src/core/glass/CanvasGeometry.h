// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <optional>

/// The arithmetic of the canvas: the zoom ladder and the enabled states of the zoom buttons,
/// where the magnified picture (Image1) stands in the 64 × 64 canvas frame, which picture pixel
/// each place of the frame shows (and so a click there picks) and how far a right-button drag
/// pans. Pure functions over small values; the
/// windows apply the results to their controls. All sizes and positions are in pixels, in
/// 32-bit floats as the picture is laid out; pointer positions arrive in twips and become
/// pixels through the screen's twips-per-pixel factors (a factor below 1 counts as 1).
namespace vitrel::CanvasGeometry {

/// The canvas middle: the picture point under it stays under it while zooming.
inline constexpr float Centre = 32.0F;
inline constexpr float MinZoom = 0.5F;
inline constexpr float MaxZoom = 10.0F;

/// Image1's place and size in the canvas frame's inner area.
struct ImageRect {
    float Left = 0.0F;
    float Top = 0.0F;
    float Width = 64.0F;
    float Height = 64.0F;
    bool operator==(const ImageRect&) const = default;
};

/// Whether cmdUp ("+"), cmdDwn ("-") and cmdRset are enabled.
struct ZoomButtons {
    bool up = false;
    bool down = false;
    bool reset = false;
    bool operator==(const ZoomButtons&) const = default;
};

/// The magnification, Image1's rectangle and the zoom buttons. The default is the start-up
/// canvas: zoom 1, the 64 × 64 blank picture at (0, 0), every zoom button disabled.
struct ZoomState {
    float zoom = 1.0F;
    ImageRect image;
    ZoomButtons buttons;
    bool operator==(const ZoomState&) const = default;
};

/// One step up the ladder 0.5, 0.75, 1, 2, 3 … 10, around the centre. Reaching 10 disables
/// "+"; "-" is enabled; reset is enabled unless the new zoom is 1 and Image1 stood at (0, 0)
/// before this step moved it.
[[nodiscard]] ZoomState ZoomIn(const ZoomState& state);
/// One step down the ladder; reaching 0.5 disables "-", "+" is enabled, reset as for ZoomIn.
[[nodiscard]] ZoomState ZoomOut(const ZoomState& state);
/// Zoom 1 with the picture at its own size at (0, 0), "+" and "-" enabled, reset disabled:
/// the reset button's result, and also how every new picture (snapshot, paste, favourite)
/// enters the canvas.
[[nodiscard]] ZoomState Reset(int pictureWidth, int pictureHeight);

/// A whole-pixel position.
struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PixelPoint&) const = default;
};

/// The pointer position in whole pixels of Image1: each twips coordinate rounded to an integer
/// (halves to even), then divided by its factor, truncating. This is the grab point of a right
/// press and the current point of a pan step.
[[nodiscard]] PixelPoint PointerPixel(float xTwips, float yTwips, std::int16_t tppX,
                                      std::int16_t tppY);

/// Image1 after one pan step: moved by (current − grab) divided once more by the factor,
/// truncating toward zero, so the picture creeps after the pointer and stays put while the
/// pointer is less than one factor's worth of pixels from the grab point. Size unchanged.
[[nodiscard]] ImageRect PanStep(const ImageRect& image, PixelPoint grab, PixelPoint current,
                                std::int16_t tppX, std::int16_t tppY);

/// Within this part of a pixel of a boundary, a position counts as on the boundary: a position
/// that went through twips as a 32-bit float lands on the pixel its exact value lies on.
inline constexpr double Tolerance = 1.0 / 1024;

/// Along one axis, whether `position` (from the viewport's inner edge) lies in the viewport of
/// `extent` pixels: the positions at which the canvas shows something of its own.
[[nodiscard]] bool InViewport(double position, double extent);

/// Along one axis, the pixel of the picture shown at `position` of the viewport (from its inner
/// edge, in device-independent pixels, fractional where a device pixel begins between two of
/// them): Image1 begins at `imageStart` and spans `imageExtent`, stretching `pictureExtent`
/// picture pixels over it. Nothing off the viewport, off the image or for an empty picture.
[[nodiscard]] std::optional<std::int32_t> ShownIndex(double position, double viewportExtent,
                                                     float imageStart, float imageExtent,
                                                     int pictureExtent);

/// The pixel of the picture (at 1:1) shown at (x, y) of the viewport, Image1 standing at
/// `image` in it: the one mapping from the screen to the picture, which the drawing of the
/// canvas applies to every device pixel (at the device pixel's top-left corner) and a click
/// applies to the pointer's position, so that a click picks the colour shown under the pointer.
/// A pixel shown magnified n times answers for every n × n block; below zoom 1 each shown
/// position reads the picture pixel it falls on. At whole pixel positions this is the rule of
/// zoom 1 and up (the position rounded, integer-divided by the rounded zoom) and truncates
/// below zoom 1.
[[nodiscard]] std::optional<PixelPoint> ShownPixel(double x, double y, double viewportWidth,
                                                   double viewportHeight, const ImageRect& image,
                                                   int pictureWidth, int pictureHeight);

}  // namespace vitrel::CanvasGeometry
