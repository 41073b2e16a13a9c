// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The glass on a real X server, over a desktop whose every pixel names its place: the window is
// see-through exactly over the glass's inner square, a snapshot holds exactly the pixels under
// it, and a click on the canvas picks exactly the colour shown under the pointer, at every scale
// and on two monitors.
#include <QDir>
#include <QTemporaryFile>

#include "Desktop.h"

namespace vitrel::e2e {
namespace {

/// On the desktop of DesktopColour; as the X server was again after, whatever the test changed.
class Glass : public ::testing::Test {
protected:
    void SetUp() override {
        static QTemporaryFile picture(QDir::tempPath() + "/vitrel-desktop-XXXXXX.ppm");
        if (!picture.isOpen()) {
            ASSERT_TRUE(picture.open() && DesktopPicture(kScreen).save(&picture, "PPM") &&
                        picture.flush());
        }
        // display ends with status 1 even when it has set the picture: the screen tells.
        Tool({"display", "-window", "root", picture.fileName()}, {}, false);
        ASSERT_EQ(Screenshot().pixel(2559, 1439), DesktopColour({2559, 1439}));
    }
    void TearDown() override {
        Tool({"xrdb", "-remove"});
        Tool({"xrandr", "--delmonitor", "A"}, {}, false);
        Tool({"xrandr", "--delmonitor", "B"}, {}, false);
        Tool({"xsetroot", "-solid", "black"});
    }
};

struct ScaleRow {
    const char *name, *variable, *value;  // how the scale is asked for
    double scale;
};

class GlassAtScale : public Glass, public ::testing::WithParamInterface<ScaleRow> {};

TEST_P(GlassAtScale, ShowsSnapsAndPicksExactlyTheDesktopUnderIt) {
    const ScaleRow& row = GetParam();
    Vitrel vitrel("CCK=0");  // no colour names: every copy is #RRGGBB
    if (QByteArray(row.variable) == "Xft.dpi") {
        Tool({"xrdb", "-merge"}, QByteArray("Xft.dpi: ") + row.value + "\n");
    } else {
        vitrel.extraEnvironment.insert(row.variable, row.value);
    }
    vitrel.Start();
    // Where a user drags it: device positions that no device-independent one names.
    Tool({"xdotool", "windowmove", "--sync", vitrel.WindowId(), "601", "443"});
    ASSERT_TRUE(WaitUntil([&] { return Placed(vitrel, row.scale).window.x() == 601; }));
    Placed placed(vitrel, row.scale);
    ASSERT_EQ(placed.window.width(), qRound(473 * row.scale)) << "not at the scale asked for";
    const QRegion seen = SeeThrough(Screenshot(), placed.window);
    if (row.scale == std::floor(row.scale)) {
        EXPECT_EQ(seen, QRegion(placed.Glass())) << seen.boundingRect().y();
    } else {
        // The window's height is rounded to screen pixels; the menu bar's comes from the hole,
        // which lies less than a pixel from its place.
        placed.menuBar = qRound((seen.boundingRect().top() - placed.window.top()) / row.scale) - 10;
    }
    ExpectSnapshotOfGlass(placed);
    ExpectClicksPickWhatIsShown(placed);
    Tool({"xdotool", "mousemove", QString::number(placed.At({88, 128}).x()),  // zoom in: "+"
          QString::number(placed.At({88, 128}).y()), "click", "1", "sleep", "0.2"});
    ExpectClicksPickWhatIsShown(placed);
    Screenshot().save(QStringLiteral(VITREL_E2E_SHOTS_DIR "/glass-%1.png").arg(row.name));
}

INSTANTIATE_TEST_SUITE_P(, GlassAtScale,
                         ::testing::Values(ScaleRow{"Scale1", "QT_SCALE_FACTOR", "1", 1},
                                           ScaleRow{"Scale125", "QT_SCREEN_SCALE_FACTORS", "1.25",
                                                    1.25},
                                           ScaleRow{"Scale15", "Xft.dpi", "144", 1.5},
                                           ScaleRow{"Scale2", "QT_SCALE_FACTOR", "2", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Glass, ReadsBothOfTwoMonitorsAcrossTheirEdgeAtTheScaleOfTheWindowsOne) {
    // Two monitors side by side, 1280 pixels wide each, the right one scaled by 2.
    Tool({"xrandr", "--setmonitor", "A", "1280/338x1440/381+0+0", "screen"});
    Tool({"xrandr", "--setmonitor", "B", "1280/338x1440/381+1280+0", "none"});
    Vitrel vitrel("TOP=3000 LEFT=4500");
    vitrel.extraEnvironment.insert("QT_SCREEN_SCALE_FACTORS", "1;2");
    vitrel.Start();
    // Moved right, its glass across the edge: the window takes the right monitor's scale.
    Tool({"xdotool", "windowmove", "--sync", vitrel.WindowId(), "1240", "300"});
    ASSERT_TRUE(WaitUntil([&] { return Placed(vitrel, 2).window.width() == 946; }))
        << "the window kept the first monitor's size";
    QThread::msleep(200);
    const Placed placed(vitrel, 2);
    ASSERT_LT(placed.Glass().left(), 1280);
    EXPECT_EQ(SeeThrough(Screenshot(), placed.window), QRegion(placed.Glass()));
    ExpectSnapshotOfGlass(placed);
    Screenshot().copy(vitrel.Frame()).save(VITREL_E2E_SHOTS_DIR "/glass-two-monitors.png");
}

}  // namespace
}  // namespace vitrel::e2e
