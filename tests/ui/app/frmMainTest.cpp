// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "app/frmMain.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <memory>

#include "FakeServices.h"
#include "controls/ChannelSlider.h"
#include "controls/CheckBox.h"
#include "controls/CommandButton.h"
#include "controls/OptionButton.h"
#include "controls/PictureBox.h"
#include "controls/QtInputEnvironment.h"
#include "controls/TextBox.h"

namespace vitrel {
namespace {

class frmMainTest : public ::testing::Test {
protected:
    /// Loads the window from the prepared settings and shows it, focused.
    frmMain& Start() {
        m_form = std::make_unique<frmMain>(m_fakes.services, m_input);
        m_form->Form_Load();
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        return *m_form;
    }

    void TearDown() override {
        if (m_form) {
            m_form->ProgramEnded = nullptr;
            m_form.reset();
        }
    }

    static QString Text(const TextBox* box) { return box->text(); }
    static QWidget* Focus() { return QApplication::focusWidget(); }

    testing::FakeServices m_fakes;
    QtInputEnvironment m_input{m_fakes.clipboard};
    std::unique_ptr<frmMain> m_form;
};

TEST_F(frmMainTest, FirstRunShowsBlackWithUpperCaseNoQuotesAndNamesTicked) {
    frmMain& form = Start();
    EXPECT_EQ(form.Slider1->Value(), 0);
    EXPECT_EQ(form.Slider2->Value(), 0);
    EXPECT_EQ(form.Slider3->Value(), 0);
    EXPECT_EQ(Text(form.txtR), "0");
    EXPECT_EQ(form.PreviewColor(), 0U);
    EXPECT_TRUE(form.Option1->Value());
    EXPECT_TRUE(form.Option6->Value());
    EXPECT_FALSE(form.Option2->Value() || form.Option3->Value());
    EXPECT_FALSE(form.Option4->Value() || form.Option5->Value());
    EXPECT_EQ(form.CckColStr->Value(), 1);
    EXPECT_EQ(Focus(), form.txtR);
    EXPECT_FALSE(form.cmdUp->isEnabled() || form.cmdDwn->isEnabled() || form.cmdRset->isEnabled());
}

TEST_F(frmMainTest, LayoutFollowsTheTwipsTable) {
    frmMain& form = Start();
    EXPECT_EQ(form.centralWidget()->size(), QSize(473, 184));
    EXPECT_EQ(form.txtG->geometry(), QRect(104, 31, 41, 18));
    EXPECT_EQ(form.pctPlt->geometry(), QRect(376, 8, 89, 68));
    EXPECT_EQ(form.Option3->geometry().left(), 168);  // inside Frame1
    EXPECT_EQ(form.Option3->geometry().width(), 81);
    EXPECT_EQ(form.Option3->geometry().center().y(), QRect(168, 16, 81, 17).center().y());
    EXPECT_EQ(form.pctCvsH->geometry().top(), 224);  // below the client area, never seen
    EXPECT_EQ(form.mnuFavItem.size(), 1U);
    EXPECT_TRUE(form.mnuFavItem[0]->isSeparator());
}

TEST_F(frmMainTest, StoredColourIsClampedAndUnreadableValuesCountAsMissing) {
    m_fakes.settings.Set("R", "300");
    m_fakes.settings.Set("G", "-5");
    m_fakes.settings.Set("B", "12abc");
    frmMain& form = Start();
    EXPECT_EQ(form.Slider1->Value(), 255);
    EXPECT_EQ(form.Slider2->Value(), 0);
    EXPECT_EQ(form.Slider3->Value(), 0);
    EXPECT_EQ(Text(form.txtR), "255");
    EXPECT_EQ(Text(form.txtG), "0");
    EXPECT_EQ(form.PreviewColor(), 0x0000FFU);
}

TEST_F(frmMainTest, StoredPositionIsKeptOnTheScreen) {
    m_fakes.settings.Set("TOP", "-100");
    m_fakes.settings.Set("LEFT", "999999");
    frmMain& form = Start();
    const QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.top(), 0);
    EXPECT_EQ(frame.left() + frame.width(), m_fakes.screen.widthPixels);
}

TEST_F(frmMainTest, StoredTopBeyondTheScreenPutsTheBottomEdgeOnTheScreensBottom) {
    m_fakes.settings.Set("TOP", "100000");
    m_fakes.settings.Set("LEFT", "1500");
    frmMain& form = Start();
    const QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.top() + frame.height(), m_fakes.screen.heightPixels);
    EXPECT_EQ(frame.left(), 100);
}

TEST_F(frmMainTest, StoredFirstUpperWithUntickedNamesEndsInLowerCase) {
    m_fakes.settings.Set("OP1", "False");
    m_fakes.settings.Set("OP3", "True");
    m_fakes.settings.Set("OP5", "True");
    m_fakes.settings.Set("OP6", "False");
    m_fakes.settings.Set("CCK", "0");
    frmMain& form = Start();
    EXPECT_TRUE(form.Option2->Value());
    EXPECT_FALSE(form.Option3->Value());
    EXPECT_EQ(form.CckColStr->Value(), 0);
    EXPECT_TRUE(form.Option5->Value());
}

TEST_F(frmMainTest, GreyNameBoxSurvivesStartUp) {
    m_fakes.settings.Set("CCK", "2");
    m_fakes.settings.Set("OP1", "maybe");  // not a Boolean: the option keeps its state
    frmMain& form = Start();
    EXPECT_EQ(form.CckColStr->Value(), 2);
    EXPECT_TRUE(form.Option1->Value());
}

TEST_F(frmMainTest, ClosingStoresEverySettingInOrder) {
    frmMain& form = Start();
    int ended = 0;
    form.ProgramEnded = [&ended] { ++ended; };
    form.SetCurrentColor(10, 20, 30);
    form.Option3->SetValue(true);
    form.Option4->SetValue(true);
    form.close();
    const std::vector<std::string> order = {"R",   "G",   "B",   "TOP", "LEFT", "OP1",
                                            "OP2", "OP3", "OP4", "OP5", "OP6",  "CCK"};
    EXPECT_EQ(m_fakes.settings.saved, order);
    EXPECT_EQ(m_fakes.settings.Get("R"), "10");
    EXPECT_EQ(m_fakes.settings.Get("B"), "30");
    EXPECT_EQ(m_fakes.settings.Get("OP1"), "False");
    EXPECT_EQ(m_fakes.settings.Get("OP3"), "True");
    EXPECT_EQ(m_fakes.settings.Get("OP4"), "True");
    EXPECT_EQ(m_fakes.settings.Get("CCK"), "1");
    EXPECT_EQ(m_fakes.settings.Get("TOP"),
              std::to_string(form.frameGeometry().top() * m_fakes.screen.tppY));
    EXPECT_FALSE(form.Slider1->Enabled());
    EXPECT_EQ(m_fakes.settings.flushes, 1);
    EXPECT_EQ(ended, 1);
}

TEST_F(frmMainTest, ExitAndCloseButtonStoreTheSameWay) {
    frmMain& form = Start();
    form.SetCurrentColor(1, 2, 3);
    form.cmdEnd->click();
    const auto viaButton = m_fakes.settings.values;
    m_form.reset();
    m_fakes.settings = {};
    frmMain& again = Start();
    again.SetCurrentColor(1, 2, 3);
    again.mnuExit->trigger();
    EXPECT_EQ(m_fakes.settings.values, viaButton);
}

TEST_F(frmMainTest, UncommittedTypingIsNotStored) {
    frmMain& form = Start();
    QTest::keyClicks(form.txtR, "77");
    form.close();
    EXPECT_EQ(m_fakes.settings.Get("R"), "0");
}

TEST_F(frmMainTest, TypingPastTheRangeClampsAndSelectsButCommitsOnlyOnFocusLoss) {
    frmMain& form = Start();
    QTest::keyClicks(form.txtR, "3");
    EXPECT_EQ(Text(form.txtR), "3");
    QTest::keyClicks(form.txtR, "0");
    EXPECT_EQ(Text(form.txtR), "30");
    QTest::keyClicks(form.txtR, "0");
    EXPECT_EQ(Text(form.txtR), "255");
    EXPECT_EQ(form.txtR->selectedText(), "255");
    EXPECT_EQ(form.Slider1->Value(), 0);
    EXPECT_EQ(form.PreviewColor(), 0U);
    form.txtG->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.Slider1->Value(), 255);
    EXPECT_EQ(form.PreviewColor(), 0x0000FFU);
}

TEST_F(frmMainTest, OnlyDigitsReachTheChannelBox) {
    frmMain& form = Start();
    form.txtG->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(form.txtG, "a -.7x");
    EXPECT_EQ(Text(form.txtG), "7");
}

TEST_F(frmMainTest, FullWidthDigitsBecomeDigitsAndLeadingZerosStayAfterCommit) {
    frmMain& form = Start();
    form.txtB->setFocus(Qt::TabFocusReason);
    // The input method is off for channel boxes, but a full-width digit can still be typed
    // or pasted through the box's own menu.
    QKeyEvent zero(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("０"));
    QKeyEvent seven(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("７"));
    QApplication::sendEvent(form.txtB, &zero);
    QApplication::sendEvent(form.txtB, &seven);
    EXPECT_EQ(Text(form.txtB), "07");
    form.txtR->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.Slider3->Value(), 7);
    EXPECT_EQ(Text(form.txtB), "07");
}

TEST_F(frmMainTest, PastedFullWidthTextIsFoldedAndClamped) {
    frmMain& form = Start();
    form.txtG->setText(QString::fromUtf8("３００"));
    EXPECT_EQ(Text(form.txtG), "255");
}

TEST_F(frmMainTest, EmptyOrNonNumericBoxGivesBackTheSliderValueOnFocusLoss) {
    frmMain& form = Start();
    form.SetCurrentColor(12, 34, 56);
    form.txtG->setFocus(Qt::TabFocusReason);
    form.txtG->setText(QString());
    form.txtB->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.Slider2->Value(), 34);
    EXPECT_EQ(Text(form.txtG), "34");
}

TEST_F(frmMainTest, EnterAndArrowKeysFollowTheTabOrder) {
    frmMain& form = Start();
    form.txtB->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(form.txtB, "9");
    QTest::keyClick(form.txtB, Qt::Key_Return);
    EXPECT_EQ(Focus(), form.CckColStr);
    EXPECT_EQ(form.Slider3->Value(), 9);  // Enter ended the editing

    form.txtG->setFocus(Qt::TabFocusReason);
    form.txtG->setCursorPosition(0);
    QTest::keyClick(form.txtG, Qt::Key_Up);
    EXPECT_EQ(Focus(), form.txtR);
    form.txtR->setCursorPosition(form.txtR->text().size());
    QTest::keyClick(form.txtR, Qt::Key_Right);
    EXPECT_EQ(Focus(), form.txtG);
    form.txtG->selectAll();  // with a selection the arrow stays in the box
    QTest::keyClick(form.txtG, Qt::Key_Right);
    EXPECT_EQ(Focus(), form.txtG);
}

TEST_F(frmMainTest, EnteringABoxByKeyboardSelectsItsTextAndByMouseDoesNot) {
    frmMain& form = Start();
    form.SetCurrentColor(128, 64, 0);
    form.txtG->setFocus(Qt::TabFocusReason);
    form.txtR->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(form.txtR->selectedText(), "128");
    QTest::mouseClick(form.txtG, Qt::LeftButton);
    EXPECT_EQ(Focus(), form.txtG);
    EXPECT_TRUE(form.txtG->selectedText().isEmpty());
}

TEST_F(frmMainTest, SetCurrentColorSetsEveryMirrorAndRaisesNoSliderEvent) {
    frmMain& form = Start();
    int scrolls = 0;
    for (ChannelSlider* slider : {form.Slider1, form.Slider2, form.Slider3}) {
        slider->Scroll = [&scrolls] { ++scrolls; };
    }
    form.SetCurrentColor(255, 128, 0);
    EXPECT_EQ(form.Slider1->Value(), 255);
    EXPECT_EQ(form.Slider2->Value(), 128);
    EXPECT_EQ(form.Slider3->Value(), 0);
    EXPECT_EQ(Text(form.txtR), "255");
    EXPECT_EQ(Text(form.txtG), "128");
    EXPECT_EQ(Text(form.txtB), "0");
    EXPECT_EQ(form.PreviewColor(), 0x000080FFU);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(frmMainTest, MovingASliderUpdatesOnlyItsBoxAndThePreview) {
    frmMain& form = Start();
    form.SetCurrentColor(1, 2, 3);
    QSlider* track = form.Slider2->Track();
    track->setFocus();
    QTest::keyClick(track, Qt::Key_PageUp);
    const int afterPage = form.Slider2->Value();
    EXPECT_GT(afterPage, 2);
    EXPECT_EQ(Text(form.txtG), QString::number(afterPage));
    EXPECT_EQ(Text(form.txtR), "1");
    EXPECT_EQ(Text(form.txtB), "3");
    track->setSliderDown(true);  // a drag reports every step
    track->setSliderPosition(200);
    EXPECT_EQ(Text(form.txtG), "200");
    track->setSliderDown(false);
    EXPECT_EQ(form.PreviewColor(), 1U + 256U * 200U + 65536U * 3U);
}

TEST_F(frmMainTest, PicturesPassTheFocusOn) {
    frmMain& form = Start();
    form.pctCvs->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Focus(), form.txtR);
    QTest::mouseClick(form.pctPlt, Qt::LeftButton);
    EXPECT_EQ(Focus(), form.Command1);
}

TEST_F(frmMainTest, CopyAndPasteShortcutsReachTheMenuFromAChannelBox) {
    frmMain& form = Start();
    QSignalSpy copies(form.mnuCopy, &QAction::triggered);
    QSignalSpy pastes(form.mnuPast, &QAction::triggered);
    form.txtR->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.txtR, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form.txtR, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(copies.count(), 1);
    EXPECT_EQ(pastes.count(), 1);
    EXPECT_EQ(Text(form.txtR), "0");
}

TEST_F(frmMainTest, FirstUpperAndTheNameBoxStayCoupled) {
    frmMain& form = Start();
    form.CckColStr->SetValue(0);
    QTest::mouseClick(form.Option3, Qt::LeftButton);
    EXPECT_EQ(form.CckColStr->Value(), 1);  // first upper ticks the name box
    QTest::mouseClick(form.CckColStr, Qt::LeftButton);
    EXPECT_EQ(form.CckColStr->Value(), 0);
    EXPECT_TRUE(form.Option2->Value());  // unticking moved the case to lower

    form.Option3->SetValue(true);
    form.CckColStr->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.CckColStr, Qt::Key_Return);
    EXPECT_EQ(form.CckColStr->Value(), 0);
    EXPECT_TRUE(form.Option2->Value());
    QTest::keyClick(form.CckColStr, Qt::Key_Return);
    EXPECT_EQ(form.CckColStr->Value(), 1);
}

TEST(ToHexByteTest, GivesTwoUpperCaseDigits) {
    EXPECT_EQ(frmMain::ToHexByte(0), u"00");
    EXPECT_EQ(frmMain::ToHexByte(10), u"0A");
    EXPECT_EQ(frmMain::ToHexByte(171), u"AB");
    EXPECT_EQ(frmMain::ToHexByte(255), u"FF");
}

}  // namespace
}  // namespace vitrel
