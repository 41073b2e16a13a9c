// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Copy and paste between the real program and another program, xclip.
#include "E2e.h"

namespace vitrel::e2e {
namespace {

/// The text of the program's next copy. Only the program offers a picture beside the text,
/// which tells its copy from text that xclip still holds.
std::string CopiedText() {
    WaitUntil([] { return Clipboard("TARGETS").contains("image/png"); });
    return Clipboard("UTF8_STRING").toStdString();
}

TEST(Copy, GivesOtherProgramsTheStringAndTheCanvasPicture) {
    SetClipboard("UTF8_STRING", "no picture");  // from an earlier test's xclip neither
    Vitrel vitrel;
    vitrel.Start();
    Type("255\t0\t0\t");
    ASSERT_EQ(vitrel.WaitForPixel(kPreview, Qt::red), "#ff0000");

    Key("ctrl+c");
    EXPECT_EQ(CopiedText(), "RED");
    EXPECT_EQ(QImage::fromData(Clipboard("image/png"), "PNG").size(), QSize(64, 64));
}

struct PasteRow {
    const char* name;
    const char* pasted;
    QColor colour;
    const char* copied;
};

class PasteText : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PasteText, SetsTheColourAndTheNotationOfTheNextCopy) {
    const PasteRow& row = GetParam();
    Vitrel vitrel("R=10 G=20 B=30");
    vitrel.Start();
    SetClipboard("UTF8_STRING", row.pasted);

    Key("ctrl+v ctrl+c");
    EXPECT_EQ(CopiedText(), row.copied);
    EXPECT_EQ(vitrel.WaitForPixel(kPreview, row.colour), Name(row.colour));
}

INSTANTIATE_TEST_SUITE_P(
    , PasteText,
    ::testing::Values(PasteRow{"Name", "'Red'", QColor(255, 0, 0), "'Red'"},
                      // Not in the table: the colour stays, the quotation follows the text.
                      PasteRow{"RejectedName", "'fuchsia'", QColor(10, 20, 30), "'#0A141E'"}),
    [](const auto& info) { return std::string(info.param.name); });

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
