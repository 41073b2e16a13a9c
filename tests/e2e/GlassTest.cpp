// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The glass on a real X server, over a desktop whose every pixel names its place: the window is
// see-through exactly over the glass's inner square, a snapshot holds exactly the pixels under
// it, and a click on the canvas picks exactly the colour shown under the pointer, at every scale
// and on two monitors.
#include <QDir>
#include <QTemporaryFile>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

/// The desktop picture: red and green step through all 256 values along x and y, blue holds
/// the high bits, so that every pixel has its own colour and a pixel seen anywhere names its
/// place.
QRgb DesktopColour(QPoint at) {
    return qRgb((167 * at.x() + 13) & 255, (89 * at.y() + 7) & 255,
                ((at.x() >> 8) & 15) | ((at.y() >> 8) & 15) << 4);
}

/// Where a colour lies on the desktop; off the screen for a colour the desktop does not show.
QPoint DesktopPlace(QRgb colour) {
    const QPoint at(((qRed(colour) - 13) * 23 & 255) | (qBlue(colour) & 15) << 8,
                    ((qGreen(colour) - 7) * 233 & 255) | (qBlue(colour) >> 4) << 8);
    return DesktopColour(at) == (colour | 0xFF000000U) ? at : QPoint(-9, -9);
}

/// The pixels of `area` where the screen shows the desktop.
QRegion SeeThrough(const QImage& screen, const QRect& area) {
    QRegion seen;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const QPoint at = area.topLeft() + QPoint(i % area.width(), i / area.width());
        seen += screen.pixel(at) == DesktopColour(at) ? QRect(at, QSize(1, 1)) : QRect();
    }
    return seen;
}

/// On the desktop of DesktopColour; as the X server was again after, whatever the test changed.
class Glass : public ::testing::Test {
protected:
    void SetUp() override {
        static QTemporaryFile picture(QDir::tempPath() + "/vitrel-desktop-XXXXXX.ppm");
        if (!picture.isOpen()) {
            QImage desktop(kScreen, QImage::Format_RGB32);
            for (int i = 0; i < kScreen.width() * kScreen.height(); ++i) {
                const QPoint at(i % kScreen.width(), i / kScreen.width());
                desktop.setPixel(at, DesktopColour(at));
            }
            ASSERT_TRUE(picture.open() && desktop.save(&picture, "PPM") && picture.flush());
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

/// The program's window at a scale: where the places of its client area are on the screen.
struct Placed {
    QRect window;  // menu bar included, in screen pixels
    double scale;
    int menuBar;  // device-independent pixels

    Placed(const Vitrel& vitrel, double scaleFactor) : scale(scaleFactor) {
        vitrel.Frame(&window);
        menuBar = qRound(window.height() / scale) - 184;
    }
    [[nodiscard]] QPointF At(QPointF client) const {
        return QPointF(window.topLeft()) + (client + QPointF(0, menuBar)) * scale;
    }
    /// pctGlass's inner square (the box at 8, 8 inside a two-pixel border), on a whole scale.
    [[nodiscard]] QRect Glass() const { return {At({10, 10}).toPoint(), QSize(64, 64) * scale}; }
};

/// Presses keys and then Ctrl+C; returns once the program has copied.
void CopyWith(const QStringList& actions) {
    const QByteArray before = Clipboard("TIMESTAMP");
    Tool(QStringList{"xdotool"} + actions + QStringList{"key", "ctrl+c"});
    for (int attempt = 0; Clipboard("TIMESTAMP") == before; ++attempt) {
        ASSERT_LT(attempt, 500) << "nothing copied";
        QThread::msleep(10);
    }
}

/// Every pixel of a snapshot comes from the desktop under its own cell of the glass.
void ExpectSnapshotOfGlass(const Placed& placed) {
    CopyWith({"key", "ctrl+s"});
    const QImage picture = QImage::fromData(Clipboard("image/png"), "PNG");
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QPointF cell = placed.At(QPointF(10 + x, 10 + y));
            const QPoint from = DesktopPlace(picture.pixel(x, y));
            ASSERT_TRUE(from.x() + 1 > cell.x() && from.x() < cell.x() + placed.scale &&
                        from.y() + 1 > cell.y() && from.y() < cell.y() + placed.scale)
                << x << ", " << y << " came from " << from.x() << ", " << from.y();
        }
    }
}

/// Clicks every device pixel around the first and the last pixel of the canvas frame, from one
/// before to one cell beyond: where the screen shows a pixel of the snapshot, that is the colour
/// copied; on the frame around it, the colour stays.
void ExpectClicksPickWhatIsShown(const Placed& placed) {
    const QImage screen = Screenshot();
    const QRect glass = QRectF(placed.At({10, 10}), QSizeF(64, 64) * placed.scale).toAlignedRect();
    CopyWith({});
    QByteArray picked = Clipboard("UTF8_STRING");
    for (const QPointF cell : {QPointF(10, 112), QPointF(73, 175)}) {  // pctCvs's inner area
        const QRect around(placed.At(cell).toPoint() - QPoint(1, 1),
                           placed.At(cell + QPointF(1, 1)).toPoint());
        for (int i = 0; i < around.width() * around.height(); ++i) {
            const QPoint at = around.topLeft() + QPoint(i % around.width(), i / around.width());
            const QRgb shown = screen.pixel(at);
            const bool canvas = glass.contains(DesktopPlace(shown));
            CopyWith({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
            const QByteArray now = Clipboard("UTF8_STRING");
            EXPECT_EQ(now, canvas ? QColor(shown).name().toUpper().toLatin1() : picked)
                << "clicked " << at.x() << ", " << at.y() << (canvas ? "" : " on the frame");
            picked = now;
        }
    }
}

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
