// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/glass/CanvasGeometry.h"

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
    const ImageRect reduced{8, 8, 48, 48};  // zoom 0.75
    const std::tuple<double, ImageRect, std::optional<std::int32_t>> rows[] = {
        {11, {0, 0, 128, 128}, 5},
        {20 + 2.0 / 3, zoom1, 20},  // a corner at scale 1.5
        {64, zoom1, {}},
        {7.5, reduced, {}},   // off the frame, beside the picture
        {10.4, reduced, 3}};  // truncated below zoom 1
    for (const auto& [x, image, shown] : rows) {
        EXPECT_EQ(ShownIndex(x, 64, image.Left, image.Width, 64), shown) << x;
    }
    // Every device pixel at any scale and zoom: the drawing looks the pixel up at its corner, a
    // click there arrives in twips as a 32-bit float and must land on the same picture pixel.
    for (const double scale : {1.0, 1.1, 1.25, 1.3, 1.5, 1.75, 2.0, 2.5}) {
        for (const ImageRect& image :
             {zoom1, ImageRect{-65, -66, 192, 192}, reduced, ImageRect{16, 16, 32, 32},
              ImageRect{-291, -290, 640, 640}}) {
            for (int device = -2; device < 64 * scale + 2; ++device) {
                const double corner = device / scale;
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
