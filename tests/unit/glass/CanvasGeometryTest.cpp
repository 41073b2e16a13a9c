// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "glass/CanvasGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vitrel::CanvasGeometry {
namespace {

TEST(CanvasZoomTest, ScalesAboutTheCentreAndWalksTheLadderBetweenItsEnds) {
    const ZoomState start = Reset(64, 64);
    EXPECT_EQ(start, (ZoomState{1, {0, 0, 64, 64}, {true, true, false}}));
    EXPECT_EQ(ZoomIn(start), (ZoomState{2, {-32, -32, 128, 128}, {true, true, true}}));
    const ZoomState out = ZoomOut(start);
    EXPECT_EQ(out, (ZoomState{0.75F, {8, 8, 48, 48}, {true, true, true}}));
    // Reset stays enabled: it looks at where the picture stood before the step.
    EXPECT_EQ(ZoomIn(out), (ZoomState{1, {0, 0, 64, 64}, {true, true, true}}));
    EXPECT_FALSE(ZoomIn({0.75F, {0, 0, 48, 48}, {true, true, true}}).buttons.reset);
    ZoomState state = start;
    for (const float zoom : std::initializer_list<float>{
             2, 3, 4, 5, 6, 7, 8, 9, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0.75F, 0.5F, 0.75F, 1}) {
        state = zoom > state.zoom ? ZoomIn(state) : ZoomOut(state);
        EXPECT_EQ(std::tuple(state.zoom, state.buttons.up, state.buttons.down),
                  std::tuple(zoom, zoom != 10, zoom != 0.5F));
    }
}

TEST(CanvasPickTest, MapsAClickOnThePictureToOneOfItsPixels) {
    // Rounded (halves to even) from zoom 1 up, truncated below; the last pixel clamped.
    EXPECT_EQ(PickSourcePixel(11 * 15, 11 * 12, 15, 12, 2, 64, 64), (PixelPoint{5, 5}));
    EXPECT_EQ(PickSourcePixel(2.5F, 3.5F, 1, 1, 1, 64, 64), (PixelPoint{2, 4}));
    EXPECT_EQ(PickSourcePixel(10.4F, 0, 1, 1, 0.75F, 64, 64), (PixelPoint{13, 0}));
    EXPECT_EQ(PickSourcePixel(127.5F, 0, 1, 1, 2, 64, 64), (PixelPoint{63, 0}));
    EXPECT_EQ(PickSourcePixel(128, 0, 1, 1, 2, 64, 64), std::nullopt);
}

TEST(CanvasPanTest, CreepsOnePixelPerFactorOfDistanceFromTheGrabPoint) {
    EXPECT_EQ(PointerPixel(29.5F, 44.5F, 15, 15), (PixelPoint{2, 2}));
    const ImageRect image{-32, -32, 128, 128};
    EXPECT_EQ(PanStep(image, {10, 10}, {24, -4}, 15, 15), image);
    EXPECT_EQ(PanStep(image, {10, 10}, {41, -5}, 15, 15), (ImageRect{-30, -33, 128, 128}));
}

}  // namespace
}  // namespace vitrel::CanvasGeometry
