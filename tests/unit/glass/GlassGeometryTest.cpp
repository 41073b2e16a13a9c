// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "glass/GlassGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vitrel::GlassGeometry {
namespace {

TEST(GlassCellTest, ReadsEachColumnInsideItsOwnDevicePixelsAndInsideTheHole) {
    for (const double scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        for (const double start : {0.0, 12.5, 13.0, 15.0, 101.0, 41.25}) {
            const std::array<int, Side> pixels = CellPixels(start, scale);
            // However the hole's edges were rounded to device pixels, nearest or down.
            const long holeFrom = std::lround(start);
            const long holeTo = holeFrom + std::lround(Side * scale);
            for (int i = 0; i < Side; ++i) {
                const int pixel = pixels[static_cast<std::size_t>(i)];
                EXPECT_GE(pixel + 1, start + i * scale) << scale << " " << start << " " << i;
                EXPECT_LT(pixel, start + (i + 1) * scale) << scale << " " << start << " " << i;
                EXPECT_TRUE(pixel >= holeFrom && pixel < holeTo) << scale << " " << start;
            }
        }
    }
    EXPECT_EQ(CellPixels(13, 1)[0], 13);
    EXPECT_EQ(CellPixels(13, 1)[63], 76);
}

TEST(GlassPlanTest, TakesEveryPixelFromTheScreenItLiesOn) {
    // Two screens side by side, the right one from 1600; the glass across the edge.
    const std::vector<Rect> screens{{0, 0, 1600, 1000}, {1600, 0, 1600, 1000}};
    const Plan plan = PlanSnapshot(1580, 500, 1, screens);
    ASSERT_EQ(plan.parts.size(), 2U);
    EXPECT_EQ(plan.parts[0], (Part{0, {1580, 500, 20, 64}}));
    EXPECT_EQ(plan.parts[1], (Part{1, {1600, 500, 44, 64}}));
    EXPECT_EQ(plan.sources[19], (Source{0, 19, 0}));
    EXPECT_EQ(plan.sources[20], (Source{1, 0, 0}));
    EXPECT_EQ(plan.sources[63 * Side + 63], (Source{1, 43, 63}));

    // Scaled by 2 at an odd device position: the pixel under each column's middle.
    const Plan scaled = PlanSnapshot(101, 7, 2, screens);
    ASSERT_EQ(scaled.parts.size(), 1U);
    EXPECT_EQ(scaled.parts[0], (Part{0, {102, 8, 127, 127}}));
    EXPECT_EQ(scaled.sources[1 * Side + 2], (Source{0, 4, 2}));

    // Off every screen: nothing to read there.
    const Plan corner = PlanSnapshot(-10, 990, 1, screens);
    ASSERT_EQ(corner.parts.size(), 1U);
    EXPECT_EQ(corner.parts[0], (Part{0, {0, 990, 54, 10}}));
    EXPECT_EQ(corner.sources[9].part, -1);
    EXPECT_EQ(corner.sources[10], (Source{0, 0, 0}));
    EXPECT_EQ(corner.sources[10 * Side + 10].part, -1);

    // Mirrored screens: the first one's pixels.
    const Plan mirrored = PlanSnapshot(0, 0, 1, {{0, 0, 800, 600}, {0, 0, 800, 600}});
    EXPECT_EQ(mirrored.sources[Side * Side - 1].part, 0);
}

}  // namespace
}  // namespace vitrel::GlassGeometry
