// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The glass on a real X server: the desktop behind the window shows through it, a snapshot
// puts that square into the canvas, and a click there makes one of its pixels the current
// colour, also on a screen scaled by 2 and in the far corner of a large screen.
#include <QTemporaryFile>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

// The desktop in one-pixel stripes of two colours: a pixel blended from its neighbours has
// neither of them.
const QColor kStripe[] = {QColor(200, 50, 20), QColor(20, 100, 200)};
constexpr QPoint kGlassMiddle{8 + 2 + 32, 8 + 2 + 32};
constexpr QPoint kCanvasMiddle{8 + 2 + 32, 110 + 2 + 32};

bool IsStripe(const QColor& colour) {
    return colour.rgb() == kStripe[0].rgb() || colour.rgb() == kStripe[1].rgb();
}

class StripedDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        QTemporaryFile bitmap;
        ASSERT_TRUE(bitmap.open());
        bitmap.write(
            "#define s_width 2\n#define s_height 1\nstatic unsigned char s_bits[] = {\n 0x01 };\n");
        bitmap.close();
        Tool({"xsetroot", "-bitmap", bitmap.fileName(), "-fg", kStripe[0].name(), "-bg",
              kStripe[1].name()});
    }
    void TearDown() override { Tool({"xsetroot", "-solid", "black"}); }
};

struct GlassRow {
    const char* name;
    const char* stored;
    const char* scale;
};

class Glass : public StripedDesktop, public ::testing::WithParamInterface<GlassRow> {};

TEST_P(Glass, ShowsTheDesktopAndPicksARealPixelOfIt) {
    Vitrel vitrel(GetParam().stored);
    vitrel.extraEnvironment.insert("QT_SCALE_FACTOR", GetParam().scale);
    vitrel.Start();
    const QImage before = Screenshot();
    EXPECT_TRUE(IsStripe(vitrel.Pixel(before, kGlassMiddle))) << "the glass shows no desktop";
    Key("ctrl+s");
    EXPECT_TRUE(WaitUntil([&] { return IsStripe(vitrel.Pixel(Screenshot(), kCanvasMiddle)); }))
        << "the snapshot is not in the canvas";
    vitrel.Click(kCanvasMiddle);
    Key("ctrl+c");
    QString copied;
    WaitUntil([&] {
        copied = QString::fromUtf8(Clipboard("UTF8_STRING"));
        return IsStripe(QColor(copied));
    });
    EXPECT_TRUE(IsStripe(QColor(copied))) << copied.toStdString() << " is no pixel of the desktop";
    Screenshot().save(QStringLiteral(VITREL_E2E_SHOTS_DIR "/glass-%1.png").arg(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(, Glass,
                         ::testing::Values(GlassRow{"Placed", "TOP=3000 LEFT=4500", "1"},
                                           GlassRow{"ScaledBy2", "TOP=3000 LEFT=4500", "2"},
                                           GlassRow{"FarCorner", "TOP=99999 LEFT=99999", "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vitrel::e2e
