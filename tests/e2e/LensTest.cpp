// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The lens on a real X server: its hole is exactly its glass's inner square, it stays above a
// window put over it, a snapshot reads exactly the square under the lens, and closing it with
// the window manager gives the main window its hole back.
#include "E2e.h"

namespace vitrel::e2e {
namespace {

class Lens : public UniqueDesktop {};

TEST_F(Lens, StaysOnTopReadsTheSquareUnderItAndGivesTheHoleBack) {
    Vitrel vitrel("TOP=3000 LEFT=4500");
    vitrel.Start();
    QRect main;
    vitrel.Frame(&main);
    const QRegion mainHole = SeeThrough(Screenshot(), main);
    ASSERT_EQ(mainHole.boundingRect().size(), QSize(64, 64));
    Key("ctrl+l");
    QString lens;
    ASSERT_TRUE(WaitUntil([&] {
        const QStringList windows = vitrel.WindowIds();
        lens = windows.size() == 2 ? windows.at(windows.at(0) == vitrel.WindowId() ? 1 : 0) : "";
        return !lens.isEmpty();
    })) << "no lens";
    // It starts over the main window's glass; the user takes it out over the desktop.
    Tool({"xdotool", "windowmove", "--sync", lens, "1501", "303"});
    QRect inside;
    WaitUntil([&] {
        FrameOf(lens, &inside);
        return inside.topLeft() == QPoint(1501, 303);
    });
    QThread::msleep(200);
    const QImage screen = Screenshot();
    EXPECT_TRUE(SeeThrough(screen, main).isEmpty()) << "the main window kept its hole";
    // The lens's glass box fills its client area's top: its inner square is the hole.
    const QRect hole(inside.topLeft() + QPoint(2, 2), QSize(64, 64));
    EXPECT_EQ(SeeThrough(screen, inside), QRegion(hole));

    // Another window over the lens's right edge below the hole: the lens stays above it.
    const QRect frame = FrameOf(lens);
    QProcess other;
    other.start("xmessage",
                {"-geometry",
                 QStringLiteral("200x120+%1+%2").arg(frame.right() - 20).arg(hole.bottom() + 4),
                 "over the lens"});
    ASSERT_TRUE(WaitUntil([] {
        return !Tool({"xdotool", "search", "--name", "xmessage"}, {}, false).isEmpty();
    }));
    QThread::msleep(300);
    const QStringList stacking = QString(Tool({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"}))
                                     .section(u'#', 1)
                                     .split(u',', Qt::SkipEmptyParts);
    const QString lensId = QStringLiteral("0x%1").arg(lens.toULongLong(), 0, 16);
    const QString topmost = stacking.last().trimmed();
    EXPECT_EQ(topmost, lensId) << stacking.join(u' ').toStdString();

    // The square under the lens, pixel for pixel.
    Tool({"xdotool", "windowactivate", "--sync", lens});
    Key("ctrl+s ctrl+c");
    QImage picture;
    ASSERT_TRUE(WaitUntil([&] {
        picture = QImage::fromData(Clipboard("image/png"), "PNG");
        return !picture.isNull() && picture.pixel(0, 0) == DesktopColour(hole.topLeft());
    })) << "the snapshot is not the square under the lens";
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(picture.pixel(x, y), DesktopColour(hole.topLeft() + QPoint(x, y)))
                << x << ", " << y;
        }
    }
    Key("alt+F4");  // the window manager closes the lens
    EXPECT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));
    EXPECT_TRUE(WaitUntil([&] { return SeeThrough(Screenshot(), main) == mainHole; }))
        << "no hole again";
    other.kill();
    other.waitForFinished();
}

}  // namespace
}  // namespace vitrel::e2e
