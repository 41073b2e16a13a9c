// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Copy and paste between the real program and other programs on the same X server: xclip
// reads what a copy leaves on the clipboard and sets what a paste takes, and a small
// clipboard manager keeps the copied text after the program has ended.
#include <QBuffer>
#include <QThread>
#include <ostream>

#include "ClipboardManager.h"
#include "E2eTest.h"
#include "XClipboard.h"

// Readable failure messages for picture sizes.
void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << 'x' << size.height();
}

namespace vitrel::e2e {
namespace {

using namespace std::chrono_literals;

// Client positions: the middle of the preview and of the copy button, and the first pixel
// inside the canvas's 2-pixel border.
constexpr QPoint kPreview{376 + 89 / 2, 8 + 68 / 2};
constexpr QPoint kCopyButton{376 + 89 / 2, 120 + 25 / 2};
constexpr QPoint kCanvas{8 + 2, 110 + 2};
constexpr auto kWait = 5s;

std::string Name(const QColor& colour) {
    return colour.name().toStdString();
}

/// Whether every pixel of the picture has this colour.
bool IsFilledWith(const QImage& picture, const QColor& colour) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != colour.rgb()) {
                return false;
            }
        }
    }
    return !picture.isNull();
}

class ClipboardE2e : public E2eTest {
protected:
    void SetUp() override {
        E2eTest::SetUp();
        m_clipboard = std::make_unique<XClipboard>(Session());
    }
    void TearDown() override {
        m_clipboard.reset();  // its xclip talks to the session's server
        E2eTest::TearDown();
    }

    [[nodiscard]] XClipboard& Clipboard() { return *m_clipboard; }

    /// The clipboard's text as another program reads it.
    std::string Text() {
        return Clipboard().Text().value_or(QStringLiteral("(no text)")).toStdString();
    }

    /// Polls the clipboard's text until it reads `expected`; returns the last text read.
    std::string WaitForText(const std::string& expected) {
        const auto deadline = std::chrono::steady_clock::now() + kWait;
        std::string text = Text();
        while (text != expected && std::chrono::steady_clock::now() < deadline) {
            QThread::msleep(50);
            text = Text();
        }
        return text;
    }

    void ExpectPreview(const QColor& expected) {
        EXPECT_EQ(Name(Vitrel().WaitForClientPixel(kPreview, expected, kWait)), Name(expected))
            << "preview";
    }

    /// Types red 255, green 0, blue 0 into the channel boxes; the focus ends on the name box.
    void TypeRed() {
        for (const char* channel : {"255", "0", "0"}) {
            Vitrel().Type(QString::fromLatin1(channel));
            Vitrel().Key(QStringLiteral("Tab"));
        }
        const QColor red(255, 0, 0);
        ASSERT_EQ(Name(Vitrel().WaitForClientPixel(kPreview, red, kWait)), Name(red))
            << "the preview did not take the typed colour";
    }

private:
    std::unique_ptr<XClipboard> m_clipboard;
};

TEST_F(ClipboardE2e, CopyLeavesTheComposedStringAndTheCanvasPictureForOtherPrograms) {
    Vitrel().Start();
    ASSERT_NO_FATAL_FAILURE(TypeRed());

    Vitrel().Key(QStringLiteral("ctrl+c"));
    EXPECT_EQ(WaitForText("RED"), "RED");
    const QStringList targets = Clipboard().Targets();
    EXPECT_TRUE(targets.contains(QStringLiteral("image/png")) ||
                targets.contains(QStringLiteral("image/bmp")))
        << targets.join(u' ').toStdString();
    // Nothing was sampled yet: the picture is the empty canvas, as the canvas shows it.
    const QImage picture = Clipboard().Image();
    EXPECT_EQ(picture.size(), QSize(64, 64));
    const QColor canvas = Vitrel().ClientPixel(Shot(), kCanvas + QPoint(32, 32));
    EXPECT_TRUE(IsFilledWith(picture, canvas)) << "not a picture of " << Name(canvas);

    // The name box has the focus after the last Tab: unticked, the button writes the digits.
    Vitrel().Key(QStringLiteral("space"));
    Vitrel().ClickClient(kCopyButton);
    EXPECT_EQ(WaitForText("#FF0000"), "#FF0000");
}

struct PasteCase {
    const char* name;
    const char* pasted;
    QColor colour;
    const char* copied;  // with the name box ticked, as at first start
};

void PrintTo(const PasteCase& row, std::ostream* out) {
    *out << row.name;
}

class PastedText : public ClipboardE2e, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(PastedText, BecomesTheColourAndTheNotationOfTheNextCopy) {
    const PasteCase& row = GetParam();
    Vitrel().Start();
    Clipboard().SetText(QString::fromUtf8(row.pasted));

    Vitrel().Key(QStringLiteral("ctrl+v"));
    ExpectPreview(row.colour);
    Vitrel().Key(QStringLiteral("ctrl+c"));
    EXPECT_EQ(WaitForText(row.copied), row.copied);
}

INSTANTIATE_TEST_SUITE_P(
    Paste, PastedText,
    ::testing::Values(
        PasteCase{"CapitalisedNameInSingleQuotes", "'Red'", QColor(255, 0, 0), "'Red'"},
        // Lower-case digits select lower case; the colour has a name to write.
        PasteCase{"LowerCaseDigits", "#00ff00", QColor(0, 255, 0), "lime"},
        // An alias is written under the table's preferred name.
        PasteCase{"AliasInDoubleQuotesWithBlanks", " \"aqua\" ", QColor(0, 255, 255), "\"cyan\""}),
    [](const ::testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    const char* pasted;
    const char* copied;  // after "'#00ff00'" was pasted first
};

void PrintTo(const RejectCase& row, std::ostream* out) {
    *out << row.name;
}

class RejectedText : public ClipboardE2e, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RejectedText, LeavesTheColourWhileTheNotationFollowsIt) {
    const RejectCase& row = GetParam();
    Vitrel().Start();
    Clipboard().SetText(QStringLiteral("'#00ff00'"));
    Vitrel().Key(QStringLiteral("ctrl+v"));
    ExpectPreview(QColor(0, 255, 0));

    Clipboard().SetText(QString::fromUtf8(row.pasted));
    Vitrel().Key(QStringLiteral("ctrl+v"));
    // The copy runs after the paste, so its text shows the paste was handled.
    Vitrel().Key(QStringLiteral("ctrl+c"));
    EXPECT_EQ(WaitForText(row.copied), row.copied);
    ExpectPreview(QColor(0, 255, 0));
}

INSTANTIATE_TEST_SUITE_P(Reject, RejectedText,
                         ::testing::Values(
                             // Letters were seen and G is upper case; the quotation marks are gone.
                             RejectCase{"NotHexadecimal", "#GGGGGG", "LIME"},
                             // No name in the table: the case stays, only the quotation follows.
                             RejectCase{"UnknownName", "fuchsia", "lime"}),
                         [](const ::testing::TestParamInfo<RejectCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ClipboardE2e, PastedPictureShowsInTheCanvasAtNaturalSizeAndIsCopiedAgain) {
    Vitrel().WriteSettings({{"R", "10"}, {"G", "20"}, {"B", "30"}});
    Vitrel().Start();
    const QColor background = Vitrel().ClientPixel(Shot(QStringLiteral("before")), kCanvas);

    const QColor fill(200, 120, 40);
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(fill);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    Clipboard().Set(QStringLiteral("image/png"), png);

    Vitrel().Key(QStringLiteral("ctrl+v"));
    EXPECT_EQ(Name(Vitrel().WaitForClientPixel(kCanvas, fill, kWait)), Name(fill));
    const QImage screen = Shot(QStringLiteral("pasted"));
    EXPECT_EQ(Name(Vitrel().ClientPixel(screen, kCanvas + QPoint(19, 9))), Name(fill));
    EXPECT_EQ(Name(Vitrel().ClientPixel(screen, kCanvas + QPoint(20, 0))), Name(background));
    EXPECT_EQ(Name(Vitrel().ClientPixel(screen, kCanvas + QPoint(0, 10))), Name(background));
    EXPECT_EQ(Name(Vitrel().ClientPixel(screen, kPreview)), Name(QColor(10, 20, 30)));

    Vitrel().Key(QStringLiteral("ctrl+c"));
    EXPECT_EQ(WaitForText("#0A141E"), "#0A141E");
    const QImage copied = Clipboard().Image();
    EXPECT_EQ(copied.size(), picture.size());
    EXPECT_TRUE(IsFilledWith(copied, fill));
}

TEST_F(ClipboardE2e, CopiedTextOutlivesTheProgramWithAClipboardManager) {
    ClipboardManager manager(Session().Display());
    Vitrel().Start();
    ASSERT_NO_FATAL_FAILURE(TypeRed());
    Vitrel().Key(QStringLiteral("ctrl+c"));
    ASSERT_EQ(WaitForText("RED"), "RED");

    Vitrel().Key(QStringLiteral("alt+F4"));
    const auto exit = Vitrel().WaitForExit();
    ASSERT_TRUE(exit.has_value()) << "vitrel still runs after being asked to close";
    EXPECT_FALSE(exit->crashed) << "ended by signal " << exit->code;
    EXPECT_EQ(exit->code, 0);

    EXPECT_EQ(manager.SavedText().value_or("(no handover)").toStdString(), "RED");
    EXPECT_EQ(Text(), "RED");
}

}  // namespace
}  // namespace vitrel::e2e
