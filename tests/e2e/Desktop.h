// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// A desktop whose every pixel names its place, and what the glass must do over it: show it
// exactly through the glass's inner square, snap exactly the pixels under it, and let a click
// on the canvas pick exactly the colour shown under the pointer.
#pragma once

#include <QRegion>

#include "E2e.h"

namespace vitrel::e2e {

/// The desktop picture: red and green step through all 256 values along x and y, blue holds
/// the high bits, so that every pixel has its own colour and a pixel seen anywhere names its
/// place.
inline QRgb DesktopColour(QPoint at) {
    return qRgb((167 * at.x() + 13) & 255, (89 * at.y() + 7) & 255,
                ((at.x() >> 8) & 15) | ((at.y() >> 8) & 15) << 4);
}

/// Where a colour lies on the desktop; off the screen for a colour the desktop does not show.
inline QPoint DesktopPlace(QRgb colour) {
    const QPoint at(((qRed(colour) - 13) * 23 & 255) | (qBlue(colour) & 15) << 8,
                    ((qGreen(colour) - 7) * 233 & 255) | (qBlue(colour) >> 4) << 8);
    return DesktopColour(at) == (colour | 0xFF000000U) ? at : QPoint(-9, -9);
}

/// The pixels of `area` where the screen shows the desktop.
inline QRegion SeeThrough(const QImage& screen, const QRect& area) {
    QRegion seen;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const QPoint at = area.topLeft() + QPoint(i % area.width(), i / area.width());
        seen += screen.pixel(at) == DesktopColour(at) ? QRect(at, QSize(1, 1)) : QRect();
    }
    return seen;
}

/// The whole desktop of DesktopColour.
inline QImage DesktopPicture(QSize size) {
    QImage desktop(size, QImage::Format_RGB32);
    for (int i = 0; i < size.width() * size.height(); ++i) {
        const QPoint at(i % size.width(), i / size.width());
        desktop.setPixel(at, DesktopColour(at));
    }
    return desktop;
}

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
inline void CopyWith(const QStringList& actions) {
    const QByteArray before = Clipboard("TIMESTAMP");
    Tool(QStringList{"xdotool"} + actions + QStringList{"key", "ctrl+c"});
    for (int attempt = 0; Clipboard("TIMESTAMP") == before; ++attempt) {
        ASSERT_LT(attempt, 500) << "nothing copied";
        QThread::msleep(10);
    }
}

/// Every pixel of a snapshot comes from the desktop under its own cell of the glass.
inline void ExpectSnapshotOfGlass(const Placed& placed) {
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
inline void ExpectClicksPickWhatIsShown(const Placed& placed) {
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

}  // namespace vitrel::e2e
