// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <memory>

#include "FakeServices.h"
#include "app/frmMain.h"
#include "controls/ChannelSlider.h"
#include "controls/CheckBox.h"
#include "controls/CommandButton.h"
#include "controls/ImageBox.h"
#include "controls/OptionButton.h"
#include "controls/PictureBox.h"
#include "controls/QtInputEnvironment.h"
#include "controls/TextBox.h"
#include "platform/QtClipboard.h"

namespace vitrel {
namespace {

class frmMainNotationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_form = std::make_unique<frmMain>(m_fakes.services, m_input);
        m_form->Form_Load();
        m_form->show();
    }

    struct Colour {
        int red, green, blue;
        friend bool operator==(const Colour&, const Colour&) = default;
    };
    Colour Current() const {
        return {m_form->Slider1->Value(), m_form->Slider2->Value(), m_form->Slider3->Value()};
    }
    QString PasteText(const QString& text) {
        m_fakes.clipboard.text = text;
        m_form->mnuPast_Click();
        return m_fakes.clipboard.text;
    }
    QString CopiedText() {
        m_form->btnCpy->click();
        return m_fakes.clipboard.text;
    }
    static QImage Solid(int width, int height, QColor color) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(color);
        return image;
    }

    testing::FakeServices m_fakes;
    QtInputEnvironment m_input{m_fakes.clipboard};
    std::unique_ptr<frmMain> m_form;
};

struct CopyCase {
    int red, green, blue;
    std::int16_t nameBox;
    int caseOption;   // 1, 2 or 3
    int quoteOption;  // 4, 5 or 6
    const char* expected;
};

class CopyTest : public frmMainNotationTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyTest, PutsTheComposedStringOnTheClipboard) {
    const CopyCase& c = GetParam();
    OptionButton* options[] = {nullptr,         m_form->Option1, m_form->Option2, m_form->Option3,
                               m_form->Option4, m_form->Option5, m_form->Option6};
    m_form->SetCurrentColor(c.red, c.green, c.blue);
    options[c.caseOption]->SetValue(true);
    options[c.quoteOption]->SetValue(true);
    m_form->CckColStr->SetValue(c.nameBox);  // after the case: first upper ticks the box
    EXPECT_EQ(CopiedText(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Notations, CopyTest,
    ::testing::Values(
        CopyCase{255, 0, 0, 0, 1, 6, "#FF0000"}, CopyCase{255, 0, 0, 0, 2, 6, "#ff0000"},
        CopyCase{255, 0, 0, 1, 1, 6, "RED"}, CopyCase{255, 0, 0, 1, 2, 6, "red"},
        CopyCase{255, 0, 0, 1, 3, 6, "Red"}, CopyCase{255, 0, 0, 1, 3, 5, "'Red'"},
        CopyCase{255, 0, 0, 0, 1, 4, "\"#FF0000\""}, CopyCase{10, 11, 12, 1, 2, 6, "#0a0b0c"},
        CopyCase{240, 248, 255, 1, 3, 6, "Aliceblue"}, CopyCase{0, 255, 255, 1, 1, 6, "CYAN"},
        CopyCase{255, 0, 255, 2, 1, 6, "#FF00FF"}));  // a grey box names nothing

TEST_F(frmMainNotationTest, CopyCarriesTheBlankCanvasAndChangesNothing) {
    m_form->SetCurrentColor(1, 2, 3);
    m_form->mnuCopy->trigger();
    EXPECT_EQ(m_fakes.clipboard.writes, 1);
    EXPECT_EQ(m_fakes.clipboard.image.size(), QSize(64, 64));
    EXPECT_EQ(Current(), (Colour{1, 2, 3}));
    EXPECT_TRUE(m_form->Option1->Value());
    EXPECT_EQ(m_form->CckColStr->Value(), 1);
}

TEST_F(frmMainNotationTest, UntickingTheNameBoxInFirstUpperCopiesLowerCaseDigits) {
    m_form->SetCurrentColor(255, 0, 0);
    m_form->Option3->SetValue(true);
    QTest::mouseClick(m_form->CckColStr, Qt::LeftButton);
    EXPECT_EQ(CopiedText(), "#ff0000");
}

TEST_F(frmMainNotationTest, PastingDigitsSetsColourQuotationAndCase) {
    m_form->CckColStr->SetValue(0);
    m_form->Option5->SetValue(true);
    m_form->Option2->SetValue(true);
    PasteText("  #FF0000  ");
    EXPECT_EQ(Current(), (Colour{255, 0, 0}));
    EXPECT_EQ(m_form->txtR->text(), "255");
    EXPECT_EQ(m_form->PreviewColor(), 0x0000FFU);
    EXPECT_TRUE(m_form->Option6->Value());
    EXPECT_TRUE(m_form->Option1->Value());
    EXPECT_EQ(m_form->CckColStr->Value(), 0);  // digits never touch the name box
    EXPECT_EQ(m_fakes.beep.count, 0);
}

TEST_F(frmMainNotationTest, PastingAQuotedNameTicksTheNameBoxAndTakesItsCase) {
    m_form->CckColStr->SetValue(0);
    PasteText("\"Red\"");
    EXPECT_EQ(Current(), (Colour{255, 0, 0}));
    EXPECT_TRUE(m_form->Option4->Value());
    EXPECT_TRUE(m_form->Option3->Value());
    EXPECT_EQ(m_form->CckColStr->Value(), 1);
}

TEST_F(frmMainNotationTest, PastedSynonymCopiesAsTheTablesName) {
    PasteText("aqua");
    EXPECT_EQ(Current(), (Colour{0, 255, 255}));
    EXPECT_EQ(CopiedText(), "cyan");
}

TEST_F(frmMainNotationTest, FirstUpperSurvivesPastedDigitsWhileNamesAreOn) {
    m_form->Option3->SetValue(true);
    PasteText("#abcdef");
    EXPECT_TRUE(m_form->Option3->Value());
    EXPECT_EQ(Current(), (Colour{171, 205, 239}));
}

TEST_F(frmMainNotationTest, RejectedTextBeepsKeepsTheColourButMayMoveTheOptions) {
    m_form->SetCurrentColor(1, 2, 3);
    m_form->Option2->SetValue(true);
    m_form->Option4->SetValue(true);
    PasteText("#GGGGGG");
    EXPECT_EQ(m_fakes.beep.count, 1);
    EXPECT_EQ(Current(), (Colour{1, 2, 3}));
    EXPECT_TRUE(m_form->Option1->Value());  // letters were seen, and G is upper case
    EXPECT_TRUE(m_form->Option6->Value());

    m_form->CckColStr->SetValue(0);
    PasteText("fuchsia");
    EXPECT_EQ(m_fakes.beep.count, 2);
    EXPECT_EQ(m_form->CckColStr->Value(), 0);
    for (const char* text : {"#FFF", "255,0,0", "0xFF0000", "#FF0000\n", "\tred", "R\"ED", ""}) {
        PasteText(QString::fromUtf8(text));
    }
    EXPECT_EQ(m_fakes.beep.count, 9);
    EXPECT_EQ(Current(), (Colour{1, 2, 3}));
}

TEST_F(frmMainNotationTest, HugeAndBrokenClipboardTextOnlyBeeps) {
    QString huge(4 * 1024 * 1024, QChar(u'#'));
    huge[100] = QChar(u'\0');
    huge[200] = QChar(char16_t{0xD800});  // a lone surrogate
    huge[300] = QChar(char16_t{0x200F});  // right-to-left mark
    m_fakes.clipboard.text = huge;
    m_form->mnuEdit_Click();
    EXPECT_FALSE(m_form->mnuPast->isEnabled());
    m_form->mnuPast_Click();
    EXPECT_EQ(m_fakes.beep.count, 1);
    EXPECT_EQ(Current(), (Colour{0, 0, 0}));
}

TEST_F(frmMainNotationTest, PastedPictureFillsTheCanvasAtItsNaturalSize) {
    m_form->SetCurrentColor(4, 5, 6);
    m_fakes.clipboard.image = Solid(100, 50, Qt::red);
    m_form->mnuPast_Click();
    EXPECT_EQ(m_fakes.beep.count, 0);
    EXPECT_EQ(Current(), (Colour{4, 5, 6}));
    EXPECT_EQ(m_form->Image1->geometry(), QRect(0, 0, 100, 50));
    EXPECT_TRUE(m_form->Image1->Stretch());
    EXPECT_EQ(m_form->pctCvsH->ClientSize(), QSize(100, 50));
    EXPECT_EQ(m_form->pctCvsH->Image().pixelColor(99, 49), QColor(Qt::red));
    EXPECT_FLOAT_EQ(m_form->CanvasZoom(), 1.0F);
    EXPECT_TRUE(m_form->cmdUp->isEnabled());
    EXPECT_TRUE(m_form->cmdDwn->isEnabled());
    EXPECT_FALSE(m_form->cmdRset->isEnabled());
    // The next copy carries the pasted picture.
    m_form->btnCpy->click();
    EXPECT_EQ(m_fakes.clipboard.image.size(), QSize(100, 50));
}

TEST_F(frmMainNotationTest, TextAndPictureApplyTogether) {
    m_fakes.clipboard.image = Solid(8, 8, Qt::blue);
    PasteText("#00FF00");
    EXPECT_EQ(Current(), (Colour{0, 255, 0}));
    EXPECT_EQ(m_form->Image1->size(), QSize(8, 8));
    EXPECT_EQ(m_fakes.beep.count, 0);
}

TEST_F(frmMainNotationTest, EditMenuEnablesPasteOnlyForUsableContents) {
    struct Row {
        QString text;
        bool picture;
        bool enabled;
    };
    const Row rows[] = {{"", false, false},        {"#12aB3c", false, true},
                        {"'Navy'", false, true},   {"fuchsia", false, false},
                        {"#12345G", false, false}, {"", true, true},
                        {"nonsense", true, true}};
    for (const Row& row : rows) {
        m_fakes.clipboard.text = row.text;
        m_fakes.clipboard.image = row.picture ? Solid(2, 2, Qt::white) : QImage();
        m_form->mnuEdit_Click();
        EXPECT_EQ(m_form->mnuPast->isEnabled(), row.enabled) << row.text.toStdString();
    }
    // The refresh never changes an option.
    EXPECT_TRUE(m_form->Option1->Value());
    EXPECT_TRUE(m_form->Option6->Value());
}

TEST_F(frmMainNotationTest, CtrlVActsOnTheStateTheMenuLastComputed) {
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    m_fakes.clipboard.text = "nothing";
    m_form->mnuEdit_Click();
    QTest::keyClick(m_form->txtR, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_fakes.beep.count, 0);  // disabled: the shortcut does nothing
    m_fakes.clipboard.text = "#0000FF";
    QTest::keyClick(m_form->txtR, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Current(), (Colour{0, 0, 0}));
    m_form->mnuEdit_Click();
    QTest::keyClick(m_form->txtR, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Current(), (Colour{0, 0, 255}));
}

TEST(QtClipboardTest, OneWriteHoldsTextAndPicture) {
    QtClipboard clipboard;
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    clipboard.SetTextAndImage(QStringLiteral("'teal'"), picture);
    EXPECT_EQ(clipboard.Text(), "'teal'");
    EXPECT_TRUE(clipboard.HasImage());
    const QImage back = clipboard.Image();
    EXPECT_EQ(back.size(), QSize(64, 64));
    EXPECT_EQ(back.pixelColor(5, 5), QColor(10, 20, 30));
}

TEST(QtClipboardTest, RefusesPicturesBeyondTheBoundFromTheirHeader) {
    QtClipboard clipboard;
    // A PNG header claiming 20,000 x 20,000 pixels, with no pixel data behind it.
    QImage small(1, 1, QImage::Format_RGB32);
    small.fill(Qt::black);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        small.save(&buffer, "PNG");
    }
    const auto putBigEndian = [&png](int offset, quint32 value) {
        for (int i = 0; i < 4; ++i) {
            png[offset + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
        }
    };
    putBigEndian(16, 20000);  // IHDR width
    putBigEndian(20, 20000);  // IHDR height
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_FALSE(clipboard.HasImage());
    EXPECT_TRUE(clipboard.Image().isNull());
}

}  // namespace
}  // namespace vitrel
