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

TEST(CanvasPickTest, ShowsAndPicksThePixelUnderAPosition) {
    const ImageRect zoom1{0, 0, 64, 64};
    const ImageRect zoom2{0, 0, 128, 128};     // zoom 2, panned to the top-left
    const ImageRect quarterOff{8, 8, 48, 48};  // zoom 0.75
    struct Row {
        double x;
        const ImageRect& image;
        std::optional<std::int32_t> shown;
    };
    for (const Row& row : std::initializer_list<Row>{
             {10, zoom2, 5},             // the displayed pixel 10 at zoom 2
             {11, zoom2, 5},             // and 11
             {20 + 2.0 / 3, zoom1, 20},  // a device pixel's corner on a screen scaled by 1.5
             {63.999, zoom1, 63},
             {64, zoom1, std::nullopt},  // off the frame
             {-0.5, zoom1, std::nullopt},
             {7.5, quarterOff, std::nullopt},  // beside the reduced picture
             {8, quarterOff, 0},
             {10.4, quarterOff, 3},  // truncated below zoom 1
             {55.9, quarterOff, 63}}) {
        EXPECT_EQ(ShownIndex(row.x, 64, row.image.Left, row.image.Width, 64), row.shown) << row.x;
    }
    EXPECT_EQ(ShownPixel(10, 10, 64, 64, {0, 0, 32, 32}, 64, 64), (PixelPoint{20, 20}));
    EXPECT_EQ(ShownPixel(10, 10, 64, 64, zoom1, 0, 0), std::nullopt);  // no picture
}

TEST(CanvasPickTest, AClickThroughTwipsPicksWhatTheDevicePixelUnderItShows) {
    // Every device pixel of the frame at every scale and zoom: the canvas draws the pixel
    // looked up at the device pixel's corner; a click there arrives in twips as a 32-bit float.
    const ImageRect views[] = {{0, 0, 64, 64},      {-32, -32, 128, 128}, {-64, -64, 192, 192},
                               {8, 8, 48, 48},      {16, 16, 32, 32},     {-291, -290, 640, 640},
                               {-65, -66, 192, 192}};
    for (const double scale : {1.0, 1.1, 1.25, 1.3, 1.5, 1.75, 2.0, 2.5}) {
        for (const ImageRect& image : views) {
            for (int device = -2; device < 64 * scale + 2; ++device) {
                const double corner = device / scale;  // from the frame's inner edge
                const auto twips = static_cast<float>((corner - image.Left) * 15);
                ASSERT_EQ(ShownIndex(corner, 64, image.Left, image.Width, 64),
                          ShownIndex(static_cast<double>(twips) / 15 + image.Left, 64, image.Left,
                                     image.Width, 64))
                    << scale << " " << image.Width << " " << device;
            }
        }
    }
}

TEST(CanvasPanTest, CreepsOnePixelPerFactorOfDistanceFromTheGrabPoint) {
    EXPECT_EQ(PointerPixel(29.5F, 44.5F, 15, 15), (PixelPoint{2, 2}));
    const ImageRect image{-32, -32, 128, 128};
    EXPECT_EQ(PanStep(image, {10, 10}, {24, -4}, 15, 15), image);
    EXPECT_EQ(PanStep(image, {10, 10}, {41, -5}, 15, 15), (ImageRect{-30, -33, 128, 128}));
}

}  // namespace
}  // namespace vitrel::CanvasGeometry
