// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Copy and paste between the real program and another program, xclip.
#include "E2e.h"

namespace vitrel::e2e {
namespace {

TEST(PasteText, SetsTheColourAndTheNotationOfTheNextCopy) {
    Vitrel vitrel("R=10 G=20 B=30");
    vitrel.Start();
    SetClipboard("UTF8_STRING", "'#ff0000'");
    Key("ctrl+v ctrl+c");
    // The program's copy offers a picture beside the text, which tells it from xclip's text.
    WaitUntil([] { return Clipboard("TARGETS").contains("image/png"); });
    // Lower case and single quotes from the text; the ticked name box names the colour.
    EXPECT_EQ(Clipboard("UTF8_STRING"), "'red'");
    EXPECT_EQ(vitrel.WaitForPixel(kPreview, Qt::red), Name(Qt::red));
}

TEST(PastePicture, ShowsItInTheCanvasAtItsNaturalSize) {
    Vitrel vitrel;
    vitrel.Start();
    const QColor background = vitrel.Pixel(Screenshot(), kCanvas);
    const QColor fill(200, 120, 40);
    SetClipboard("image/png", Tool({"convert", "-size", "20x10", "xc:" + fill.name(), "png:-"}));

    Key("ctrl+v");
    ASSERT_EQ(vitrel.WaitForPixel(kCanvas, fill), Name(fill));
    const QImage screen = Screenshot();
    EXPECT_EQ(Name(vitrel.Pixel(screen, kCanvas + QPoint(19, 9))), Name(fill));
    EXPECT_EQ(Name(vitrel.Pixel(screen, kCanvas + QPoint(20, 0))), Name(background));
    EXPECT_EQ(Name(vitrel.Pixel(screen, kCanvas + QPoint(0, 10))), Name(background));
}

}  // namespace
}  // namespace vitrel::e2e
