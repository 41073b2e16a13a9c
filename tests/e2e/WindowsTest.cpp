// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The program's other windows on a real X server: the add and colour dialogs open centred on
// the main window's frame, all in Japanese; the lens stays above a window put over it, a
// snapshot reads the square under the lens, and closing it with the window manager gives the
// main window its hole back.
#include "E2e.h"

namespace vitrel::e2e {
namespace {

constexpr QPoint kGlassMiddle{8 + 2 + 32, 8 + 2 + 32};
constexpr QPoint kCanvasMiddle{8 + 2 + 32, 110 + 2 + 32};

/// Opens a dialog with the keys, expects its frame centred on the main window's: its caption.
QString ExpectCentredDialog(const Vitrel& vitrel, const QString& keys) {
    Key(keys);
    const QRect main = vitrel.Frame();
    QString dialog;
    QRect frame;
    EXPECT_TRUE(WaitUntil([&] {  // twice the centres' distance: an odd pixel larger is centred
        dialog = vitrel.OtherWindow();
        frame = dialog.isEmpty() ? QRect() : FrameOf(dialog);
        return (frame.topLeft() + frame.bottomRight() - main.topLeft() - main.bottomRight())
                   .manhattanLength() <= 2;
    })) << keys.toStdString()
        << ": the frame is at " << frame.x() << ", " << frame.y();
    return QString::fromUtf8(Tool({"xdotool", "getwindowname", dialog})).trimmed();
}

TEST(Dialogs, OpenCentredOnTheMainWindowsFrame) {
    Vitrel vitrel("TOP=3000 LEFT=4500");
    vitrel.Start();
    ExpectCentredDialog(vitrel, "ctrl+a");
    Key("Escape");
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));
    EXPECT_EQ(ExpectCentredDialog(vitrel, "alt+d").toStdString(), "色を選択");  // Qt's, in Japanese
}

TEST(Lens, StaysOnTopReadsTheSquareUnderItAndGivesTheHoleBack) {
    const QColor desktop(32, 128, 160);
    Tool({"xsetroot", "-solid", desktop.name()});
    Vitrel vitrel("TOP=3000 LEFT=4500");
    vitrel.Start();
    Key("ctrl+l");
    QString lens;
    ASSERT_TRUE(WaitUntil([&] { return !(lens = vitrel.OtherWindow()).isEmpty(); })) << "no lens";
    EXPECT_NE(vitrel.Pixel(Screenshot(), kGlassMiddle).rgb(), desktop.rgb()) << "the hole stayed";

    // It starts over the main window's glass; the user takes it out over the desktop.
    Tool({"xdotool", "windowmove", "--sync", lens, "1500", "300"});
    // Another window over the lens's right edge: the lens stays above it.
    QRect inside;
    const QRect frame = FrameOf(lens, &inside);
    QProcess other;
    other.start(
        "xmessage",
        {"-geometry", QStringLiteral("200x120+%1+%2").arg(frame.right() - 20).arg(inside.top()),
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

    Tool({"xdotool", "windowactivate", "--sync", lens});
    Key("ctrl+s");  // the square under the lens: the desktop
    EXPECT_EQ(vitrel.WaitForPixel(kCanvasMiddle, desktop), Name(desktop));
    Key("alt+F4");  // the window manager closes the lens
    EXPECT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));
    EXPECT_EQ(vitrel.WaitForPixel(kGlassMiddle, desktop), Name(desktop)) << "no hole again";
    other.kill();
    other.waitForFinished();
    Tool({"xsetroot", "-solid", "black"});
}

}  // namespace
}  // namespace vitrel::e2e
