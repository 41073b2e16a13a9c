// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The glass on a real X server, over a desktop whose every pixel has its own colour, so that a
// pixel seen anywhere names the place it came from: the window is see-through exactly over the
// glass's inner square, a snapshot holds exactly the pixels under it, and a click on the canvas
// picks exactly the colour shown under the pointer, at every scale and on two monitors.
#include "E2e.h"

namespace vitrel::e2e {
namespace {

/// The program's window laid out at a scale: where its client area's places are on the screen.
struct Placed {
    QRect window;  // the window's own rectangle, menu bar included, in screen pixels
    double scale = 1;
    int menuBar = 0;  // device-independent pixels

    explicit Placed(const Vitrel& vitrel, double scaleFactor) : scale(scaleFactor) {
        vitrel.Frame(&window);
        menuBar = qRound(window.height() / scale) - 184;
    }
    /// On a fractional scale the window's height in screen pixels is rounded: the menu bar's
    /// height comes from the hole then, which lies less than a pixel from the design's place.
    void MenuBarFromHole(const QRegion& seen) {
        menuBar = qRound((seen.boundingRect().top() - window.top()) / scale - 10);
    }
    /// The screen position of a place of the client area (fractional on a fractional scale).
    [[nodiscard]] QPointF At(QPointF client) const {
        return QPointF(window.topLeft()) + (client + QPointF(0, menuBar)) * scale;
    }
    [[nodiscard]] QPoint Pixel(QPointF client) const {  // the screen pixel holding the place
        const QPointF at = At(client);
        return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
    }
    /// The glass's inner square and the canvas's inner area (pctGlass and pctCvs at 8, 8 and
    /// 8, 110 with two-pixel borders), on a whole scale.
    [[nodiscard]] QRect Glass() const { return Square({10, 10}); }
    [[nodiscard]] QRect Square(QPointF client) const {
        return {At(client).toPoint(), QSize(qRound(64 * scale), qRound(64 * scale))};
    }
};

constexpr QPointF kGlass{10, 10};
constexpr QPointF kViewport{10, 112};
constexpr QPointF kZoomIn{88, 128};

/// When the program last took the clipboard.
QByteArray ClipboardTime() {
    return Clipboard("TIMESTAMP");
}

/// Presses keys and waits until the program has copied: then the clipboard is its copy.
void CopyWith(const QStringList& actions) {
    const QByteArray before = ClipboardTime();
    Tool(QStringList{"xdotool"} + actions + QStringList{"key", "ctrl+c"});
    for (int attempt = 0; ClipboardTime() == before; ++attempt) {
        ASSERT_LT(attempt, 500) << "nothing copied";
        QThread::msleep(10);
    }
}

/// Every pixel of a snapshot came from the desktop under its own cell of the glass.
void ExpectSnapshotOfGlass(const Placed& placed) {
    CopyWith({"key", "ctrl+s"});
    const QImage picture = QImage::fromData(Clipboard("image/png"), "PNG");
    ASSERT_EQ(picture.size(), QSize(64, 64));
    const QPointF corner = placed.At(kGlass);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const std::optional<QPoint> from = DesktopPlace(picture.pixel(x, y));
            ASSERT_TRUE(from.has_value()) << x << ", " << y << " is no desktop pixel";
            // Its own cell: the device pixels from the cell's edge to the next cell's.
            const QPointF cell = corner + QPointF(x, y) * placed.scale;
            EXPECT_TRUE(from->x() + 1 > cell.x() && from->x() < cell.x() + placed.scale &&
                        from->y() + 1 > cell.y() && from->y() < cell.y() + placed.scale)
                << x << ", " << y << " came from " << from->x() << ", " << from->y()
                << "; its cell begins at " << cell.x() << ", " << cell.y();
        }
    }
}

/// Clicks every device pixel around a few places of the canvas's frame: where the canvas shows
/// a snapshot pixel the click makes it the colour, and on the frame around it nothing changes.
void ExpectClicksPickWhatIsShown(const Placed& placed, int zoomSteps) {
    for (int step = 0; step < zoomSteps; ++step) {
        const QPoint button = placed.Pixel(kZoomIn);
        Tool({"xdotool", "mousemove", QString::number(button.x()), QString::number(button.y()),
              "click", "1"});
    }
    QThread::msleep(200);
    const QImage screen = Screenshot();
    const QRect glass = QRectF(placed.At(kGlass), QSizeF(64, 64) * placed.scale).toAlignedRect();
    CopyWith({});
    QString picked = QString::fromUtf8(Clipboard("UTF8_STRING"));
    int onCanvas = 0;
    // Around the frame's first and last pixel: one device pixel before to one cell beyond.
    for (const QPointF cell : {QPointF(0, 0), QPointF(63, 63)}) {
        const QPoint from = placed.Pixel(kViewport + cell) - QPoint(1, 1);
        const QPoint to = placed.Pixel(kViewport + cell + QPointF(1, 1));
        for (int y = from.y(); y <= to.y(); ++y) {
            for (int x = from.x(); x <= to.x(); ++x) {
                const QRgb shown = screen.pixel(x, y);
                const std::optional<QPoint> place = DesktopPlace(shown);
                const bool canvas = place && glass.contains(*place);
                CopyWith({"mousemove", QString::number(x), QString::number(y), "click", "1"});
                const QString now = QString::fromUtf8(Clipboard("UTF8_STRING"));
                EXPECT_EQ(now.toStdString(),
                          (canvas ? QColor(shown).name().toUpper() : picked).toStdString())
                    << "clicked " << x << ", " << y << (canvas ? "" : " on the frame");
                onCanvas += canvas ? 1 : 0;
                picked = now;
            }
        }
    }
    EXPECT_GE(onCanvas, 2) << "the canvas is not where the design puts it";
}

struct ScaleRow {
    const char* name;
    const char* variable;  // how the scale is asked for
    const char* value;
    double scale;
};

class Glass : public UniqueDesktop, public ::testing::WithParamInterface<ScaleRow> {
protected:
    void TearDown() override {
        Tool({"xrdb", "-remove"});
        UniqueDesktop::TearDown();
    }
};

TEST_P(Glass, ShowsSnapsAndPicksExactlyTheDesktopUnderIt) {
    const ScaleRow& row = GetParam();
    Vitrel vitrel("CCK=0");  // no colour names: every copy is #RRGGBB
    if (QByteArray(row.variable) == "Xft.dpi") {
        Tool({"xrdb", "-merge"}, QByteArray("Xft.dpi: ") + row.value + "\n");
    } else {
        vitrel.extraEnvironment.insert(row.variable, row.value);
    }
    vitrel.Start();
    // Anywhere, as a user drags it: device positions that no device-independent one names.
    Tool({"xdotool", "windowmove", "--sync", vitrel.WindowId(), "601", "443"});
    ASSERT_TRUE(
        WaitUntil([&] { return Placed(vitrel, row.scale).window.topLeft() == QPoint(601, 443); }));
    Placed placed(vitrel, row.scale);
    ASSERT_EQ(placed.window.width(), qRound(473 * row.scale)) << "not at the scale asked for";
    // See-through: exactly the glass's inner square, framed all round.
    const QRegion seen = SeeThrough(Screenshot(), placed.window);
    if (row.scale == std::floor(row.scale)) {
        EXPECT_EQ(seen, QRegion(placed.Glass()))
            << "see-through " << seen.boundingRect().x() << ", " << seen.boundingRect().y() << " "
            << seen.boundingRect().width() << " × " << seen.boundingRect().height() << " in "
            << seen.rectCount() << " rectangles";
    } else {
        placed.MenuBarFromHole(seen);
    }
    ExpectSnapshotOfGlass(placed);
    ExpectClicksPickWhatIsShown(placed, 0);
    ExpectClicksPickWhatIsShown(placed, 1);  // zoom 2
    Screenshot().save(QStringLiteral(VITREL_E2E_SHOTS_DIR "/glass-%1.png").arg(row.name));
}

INSTANTIATE_TEST_SUITE_P(, Glass,
                         ::testing::Values(ScaleRow{"Scale1", "QT_SCALE_FACTOR", "1", 1},
                                           ScaleRow{"Scale125", "QT_SCREEN_SCALE_FACTORS", "1.25",
                                                    1.25},
                                           ScaleRow{"Scale15", "Xft.dpi", "144", 1.5},
                                           ScaleRow{"Scale2", "QT_SCALE_FACTOR", "2", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

/// The screen as two monitors side by side, 1280 pixels wide each.
class TwoMonitors : public UniqueDesktop {
protected:
    void SetUp() override {
        UniqueDesktop::SetUp();
        Tool({"xrandr", "--setmonitor", "A", "1280/338x1440/381+0+0", "screen"});
        Tool({"xrandr", "--setmonitor", "B", "1280/338x1440/381+1280+0", "none"});
    }
    void TearDown() override {
        Tool({"xrandr", "--delmonitor", "A"}, {}, false);
        Tool({"xrandr", "--delmonitor", "B"}, {}, false);
        UniqueDesktop::TearDown();
    }
    /// Moves the window until its glass's inner corner is at `glass`.
    static void MoveGlassTo(const Vitrel& vitrel, double scale, QPoint glass) {
        const Placed placed(vitrel, scale);
        const QPoint to = glass - placed.Glass().topLeft() + placed.window.topLeft();
        Tool({"xdotool", "windowmove", "--sync", vitrel.WindowId(), QString::number(to.x()),
              QString::number(to.y())});
        WaitUntil([&] { return Placed(vitrel, scale).Glass().topLeft() == glass; });
        QThread::msleep(200);
    }
};

TEST_F(TwoMonitors, TheGlassReadsTheSecondMonitorAndBothAcrossTheEdge) {
    Vitrel vitrel("TOP=3000 LEFT=4500 CCK=0");
    vitrel.Start();
    for (const QPoint glass : {QPoint(1280 - 30, 400), QPoint(1900, 600)}) {
        MoveGlassTo(vitrel, 1, glass);
        const Placed placed(vitrel, 1);
        ASSERT_EQ(placed.Glass().topLeft(), glass);
        EXPECT_EQ(SeeThrough(Screenshot(), placed.window), QRegion(placed.Glass()));
        ExpectSnapshotOfGlass(placed);
    }
}

TEST_F(TwoMonitors, AMoveToAMonitorOfAnotherScaleCutsTheHoleInItsPixels) {
    Vitrel vitrel("TOP=3000 LEFT=4500 CCK=0");
    vitrel.extraEnvironment.insert("QT_SCREEN_SCALE_FACTORS", "1;2");
    vitrel.Start();
    Tool({"xdotool", "windowmove", "--sync", vitrel.WindowId(), "1500", "300"});
    ASSERT_TRUE(WaitUntil([&] { return Placed(vitrel, 2).window.width() == 946; }))
        << "the window kept the first monitor's size";
    QThread::msleep(200);
    const Placed placed(vitrel, 2);
    EXPECT_EQ(SeeThrough(Screenshot(), placed.window), QRegion(placed.Glass()));
    ExpectSnapshotOfGlass(placed);
    Screenshot()
        .copy(vitrel.Frame())
        .save(QStringLiteral(VITREL_E2E_SHOTS_DIR "/glass-second-monitor.png"));
}

}  // namespace
}  // namespace vitrel::e2e
