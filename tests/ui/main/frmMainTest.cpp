// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/main/frmMain.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <memory>

#include "FakeServices.h"
#include "core/controls/ucSlider.h"
#include "core/favorites/FavoritesStore.h"
#include "core/favorites/StdFileOperations.h"
#include "core/windowsystem/Trackbar.h"
#include "qt/QtWindowSystem.h"
#include "qt/WindowRegistry.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/ImageBox.h"
#include "ui/controls/OptionButton.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/QtInputEnvironment.h"
#include "ui/controls/TextBox.h"
#include "ui/favorites/FavoritesMenu.h"
#include "ui/favorites/frmFavEdit.h"
#include "ui/glass/frmlens.h"

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
        QApplication::processEvents();  // what the first frame did not need is built after it
        return *m_form;
    }

    void TearDown() override {
        if (m_form) {
            m_form->ProgramEnded = nullptr;
        }
    }

    /// The three channels as red, green, blue texts of the sliders, then of the boxes.
    std::string Channels() const {
        const frmMain& f = *m_form;
        return QStringLiteral("%1 %2 %3 / %4 %5 %6")
            .arg(f.Slider1->Value())
            .arg(f.Slider2->Value())
            .arg(f.Slider3->Value())
            .arg(f.txtR->text(), f.txtG->text(), f.txtB->text())
            .toStdString();
    }
    /// The selected options 1-6 as a string of 0s and 1s, then the name box's value.
    std::string Options() const {
        std::string bits;
        for (const OptionButton* option : {m_form->Option1, m_form->Option2, m_form->Option3,
                                           m_form->Option4, m_form->Option5, m_form->Option6}) {
            bits += option->Value() ? '1' : '0';
        }
        return bits + ' ' + std::to_string(m_form->CckColStr->Value());
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }

    testing::FakeServices m_fakes;
    QtInputEnvironment m_input{m_fakes.clipboard};
    std::unique_ptr<frmMain> m_form;
};

TEST_F(frmMainTest, ClosingStoresEverySettingInOrderOnce) {
    frmMain& form = Start();
    int ended = 0;
    form.ProgramEnded = [&ended](const std::string& failure) { ended += failure.empty(); };
    form.SetCurrentColor(10, 20, 30);
    form.Option3->SetValue(true);
    form.Option4->SetValue(true);
    QTest::keyClicks(form.txtR, "77");  // not committed: not stored
    form.close();
    form.close();
    const std::vector<std::string> order = {"R",   "G",   "B",   "TOP", "LEFT", "OP1",
                                            "OP2", "OP3", "OP4", "OP5", "OP6",  "CCK"};
    EXPECT_EQ(m_fakes.settings.saved, order);
    std::string stored;
    for (const std::string& key : order) {
        stored += m_fakes.settings.Get(key).value_or("-") + ' ';
    }
    const QRect frame = form.frameGeometry();
    EXPECT_EQ(stored, "10 20 30 " + std::to_string(frame.top() * 15) + ' ' +
                          std::to_string(frame.left() * 15) +
                          " False False True True False False 1 ");
    EXPECT_FALSE(form.Slider1->Enabled());
    EXPECT_EQ(m_fakes.settings.flushes, 1);
    EXPECT_EQ(ended, 1);
}

TEST_F(frmMainTest, ASettingsFileThatCannotBeWrittenIsReportedToWhoeverClosed) {
    for (const bool bySystem : {false, true}) {
        m_fakes.settings.flushError = "cannot store the settings in x.ini: the file is read-only";
        m_fakes.messageBox.shown.clear();
        frmMain& form = Start();
        std::string reported;
        form.ProgramEnded = [&reported](const std::string& failure) { reported = failure; };
        bySystem ? form.CloseForSystem() : form.mnuExit->trigger();
        EXPECT_EQ(reported, m_fakes.settings.flushError);
        // A message box only when a person closed the window: a signal has nobody to read it.
        EXPECT_EQ(m_fakes.messageBox.shown.size(), bySystem ? 0U : 1U);
    }
}

TEST_F(frmMainTest, ChannelBoxesTakeDigitsOfEitherWidthClampAndCommitOnlyOnFocusLoss) {
    frmMain& form = Start();
    QTest::keyClicks(form.txtR, "3a -.0");  // only digits reach the box
    EXPECT_EQ(form.txtR->text(), "30");
    QTest::keyClicks(form.txtR, "0");
    EXPECT_EQ(form.txtR->text(), "255");
    EXPECT_EQ(form.txtR->selectedText(), "255");
    EXPECT_EQ(form.Slider1->Value(), 0);
    form.txtB->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.Slider1->Value(), 255);
    EXPECT_EQ(form.PreviewColor(), 0x0000FFU);
    for (const char* digit : {"０", "７"}) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(digit));
        QApplication::sendEvent(form.txtB, &key);
    }
    form.txtG->setFocus(Qt::TabFocusReason);
    form.txtG->setText(QString::fromUtf8("３００"));
    EXPECT_EQ(form.txtG->text(), "255");
    form.txtR->setFocus(Qt::TabFocusReason);
    form.txtR->setText(QString());  // empty: the slider's value comes back
    form.txtB->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Channels(), "255 255 7 / 255 255 07");  // a typed leading zero stays
}

TEST_F(frmMainTest, KeysMoveTheFocusAlongTheTabOrder) {
    frmMain& form = Start();
    EXPECT_EQ(Focus(), form.txtR);  // where a first run starts
    form.txtB->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(form.txtB, "9");
    QTest::keyClick(form.txtB, Qt::Key_Return);
    EXPECT_EQ(Focus(), form.CckColStr);
    EXPECT_EQ(form.Slider3->Value(), 9);  // Enter ended the editing
    form.txtG->setFocus(Qt::TabFocusReason);
    form.txtG->setCursorPosition(0);
    QTest::keyClick(form.txtG, Qt::Key_Up);
    EXPECT_EQ(Focus(), form.txtR);
    EXPECT_EQ(form.txtR->selectedText(), "0");  // entered by keyboard: selected
    QTest::mouseClick(form.txtG, Qt::LeftButton);
    EXPECT_TRUE(form.txtG->selectedText().isEmpty());  // entered by a click: the caret stays

    // Tab enters an option group at its selected option and leaves it from there.
    form.Option2->SetValue(true);
    form.CckColStr->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.CckColStr, Qt::Key_Tab);
    EXPECT_EQ(Focus(), form.Option2);
    QTest::keyClick(form.Option2, Qt::Key_Tab);
    EXPECT_EQ(Focus(), form.Option6);
    form.pctCvs->setFocus(Qt::TabFocusReason);  // pictures pass the focus on
    EXPECT_EQ(Focus(), form.txtR);
    QTest::mouseClick(form.pctPlt, Qt::LeftButton);
    EXPECT_EQ(Focus(), form.Command1);
}

TEST_F(frmMainTest, EnterAndSpaceClickTheFocusedButton) {
    frmMain& form = Start();
    QSignalSpy clicks(form.btnCpy, &QPushButton::clicked);
    form.btnCpy->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.btnCpy, Qt::Key_Return);
    QTest::keyClick(form.btnCpy, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(form.btnCpy, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(m_fakes.clipboard.writes, 3);
}

/// The trackbar of a channel slider, as the user sees it.
QSlider* TrackOf(ucSlider* slider) {
    auto& system = dynamic_cast<QtWindowSystem&>(*CurrentWindowSystem());
    return qobject_cast<QSlider*>(system.WidgetOf(slider->Trackbar()));
}

TEST_F(frmMainTest, DraggingASliderUpdatesOnlyItsBoxAndThePreviewAtEveryStep) {
    frmMain& form = Start();
    form.SetCurrentColor(1, 0, 3);
    QSlider* track = TrackOf(form.Slider2);
    const QPoint thumb(5, track->height() / 2);  // at the left end
    QTest::mousePress(track, Qt::LeftButton, {}, thumb);
    std::vector<int> seen;
    for (const int dx : {40, 90, 140}) {
        QTest::mouseMove(track, thumb + QPoint(dx, 0));
        seen.push_back(form.Slider2->Value());
        const int g = seen.back();
        EXPECT_EQ(Channels(), QStringLiteral("1 %1 3 / 1 %1 3").arg(g).toStdString());
        EXPECT_EQ(form.PreviewColor(), 1U + 256U * static_cast<unsigned>(g) + 65536U * 3U);
    }
    QTest::mouseRelease(track, Qt::LeftButton, {}, thumb + QPoint(140, 0));
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()) && seen.front() > 0 &&
                seen.front() != seen.back());
    form.mnuExit->trigger();  // disabling the sliders at shutdown keeps what was dragged
    EXPECT_EQ(m_fakes.settings.Get("G"), std::to_string(seen.back()));
}

TEST_F(frmMainTest, FirstUpperAndTheNameBoxStayCoupled) {
    frmMain& form = Start();
    form.CckColStr->SetValue(0);
    QTest::mouseClick(form.Option3, Qt::LeftButton);
    EXPECT_EQ(Options(), "001001 1");  // first upper ticks the name box
    QTest::mouseClick(form.CckColStr, Qt::LeftButton);
    EXPECT_EQ(Options(), "010001 0");  // unticking moved the case to lower
    form.Option3->SetValue(true);
    form.CckColStr->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.CckColStr, Qt::Key_Return);
    EXPECT_EQ(Options(), "010001 0");
    QTest::keyClick(form.CckColStr, Qt::Key_Return);
    EXPECT_EQ(Options(), "010001 1");
}

TEST_F(frmMainTest, PasteOutcomeReachesTheControls) {
    frmMain& form = Start();
    form.CckColStr->SetValue(0);
    form.Option2->SetValue(true);
    m_fakes.clipboard.text = QStringLiteral(" \"Red\" ");
    form.mnuPast_Click();
    EXPECT_EQ(Channels(), "255 0 0 / 255 0 0");
    EXPECT_EQ(Options(), "001100 1");
    EXPECT_EQ(m_fakes.beep.count, 0);

    // Rejected: the options have followed the text, the colour stays, a beep.
    m_fakes.clipboard.text = QStringLiteral("fuchsia");
    form.mnuPast_Click();
    EXPECT_EQ(Channels(), "255 0 0 / 255 0 0");
    EXPECT_EQ(Options(), "001001 1");
    EXPECT_EQ(m_fakes.beep.count, 1);

    // A picture, with no usable text: the canvas takes it at zoom 1.
    m_fakes.clipboard.image = QImage(100, 50, QImage::Format_RGB32);
    form.mnuPast_Click();
    EXPECT_EQ(m_fakes.beep.count, 1);
    EXPECT_FLOAT_EQ(form.CanvasZoom(), 1.0F);
    EXPECT_TRUE(form.cmdUp->isEnabled() && form.cmdDwn->isEnabled());
    EXPECT_FALSE(form.cmdRset->isEnabled());
    form.btnCpy->click();
    EXPECT_EQ(m_fakes.clipboard.image.size(), QSize(100, 50));
}

TEST_F(frmMainTest, TheHoleIsTheGlassSquareOnceTheWindowIsLaidOutAndWheneverItMoves) {
    frmMain& form = Start();
    const auto hole = [&form] {
        const QRect glass(form.pctGlass->mapTo(&form, form.pctGlass->contentsRect().topLeft()),
                          QSize(64, 64));
        return QRegion(form.rect()).subtracted(glass);
    };
    EXPECT_EQ(form.mask(), hole());
    // The menu bar laid out again in a larger face moves the glass down.
    const int before = form.pctGlass->mapTo(&form, QPoint()).y();
    form.menuBar()->setFont(QFont(form.menuBar()->font().family(), 30));
    QApplication::processEvents();
    ASSERT_GT(form.pctGlass->mapTo(&form, QPoint()).y(), before);
    EXPECT_EQ(form.mask(), hole());
    form.mnuSep->trigger();  // the lens out and back
    EXPECT_TRUE(form.mask().isEmpty());
    form.mnuSep->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form.mask(), hole());
}

TEST_F(frmMainTest, CanvasZoomsAndPansWithTheRightButton) {
    frmMain& form = Start();
    EXPECT_FALSE(form.cmdUp->isEnabled() || form.cmdDwn->isEnabled() || form.cmdRset->isEnabled());
    form.cmdSnap->click();  // off every screen: a black picture
    form.cmdUp->click();
    EXPECT_EQ(form.Image1->geometry(), QRect(-32, -32, 128, 128));
    EXPECT_TRUE(form.cmdRset->isEnabled());

    // The window's clicks: the canvas frame hands those on its picture to Image1.
    QWindow* window = form.windowHandle();
    const auto at = [&form](QPoint inImage1) { return form.Image1->mapTo(&form, inImage1); };
    form.SetCurrentColor(1, 2, 3);
    // A right press picks nothing; dragging 30 pixels away creeps the picture 2 pixels a step.
    QTest::mousePress(window, Qt::RightButton, {}, at(QPoint(40, 40)));
    EXPECT_EQ(form.pctCvs->cursor().shape(), Qt::SizeAllCursor);
    QTest::mouseMove(window, at(QPoint(70, 40)));
    EXPECT_EQ(form.Image1->geometry(), QRect(-30, -32, 128, 128));
    EXPECT_EQ(Channels(), "1 2 3 / 1 2 3");
    QTest::mouseRelease(window, Qt::RightButton, {}, at(QPoint(70, 40)));

    QTest::keyClick(form.txtR, Qt::Key_Escape);  // the cancel button resets the zoom
    EXPECT_EQ(form.Image1->geometry(), QRect(0, 0, 64, 64));
    EXPECT_FALSE(form.cmdRset->isEnabled());
}

TEST_F(frmMainTest, ColourDialogStartsFromThePreviewAndSetsItsAnswer) {
    frmMain& form = Start();
    form.SetCurrentColor(1, 2, 3);
    form.txtR->setText(QStringLiteral("001"));
    form.Command1->click();  // cancelled: the same colour again, texts in plain decimal
    EXPECT_EQ(m_fakes.colorDialog.seen.color, 0x030201);
    EXPECT_EQ(m_fakes.colorDialog.seen.flags, 3);
    EXPECT_EQ(m_fakes.colorDialog.seen.owner, WindowRegistry::Instance().HandleOf(&form));
    EXPECT_EQ(Channels(), "1 2 3 / 1 2 3");
    m_fakes.colorDialog.answer = 0x0000FF;
    QTest::mouseDClick(form.pctPlt, Qt::LeftButton);
    EXPECT_EQ(Channels(), "255 0 0 / 255 0 0");
    EXPECT_EQ(form.PreviewColor(), 0x0000FFU);
}

TEST_F(frmMainTest, AFavouriteIsSavedUnderTheTypedNameAndListed) {
    frmMain& form = Start();
    FavoritesMenu& menu = *form.favorites();
    EXPECT_FALSE(menu.mnuFavItem[0]->isVisible() || form.mnufavEdit->isEnabled());  // none yet
    form.SetCurrentColor(255, 0, 0);
    form.Option3->SetValue(true);
    form.Option5->SetValue(true);
    QString suggested;
    QTimer::singleShot(0, [&suggested] {  // the add dialog, modal: a name typed, Enter
        QWidget* dialog = QApplication::activeModalWidget();
        auto* name = qobject_cast<QLineEdit*>(dialog->focusWidget());
        suggested = name->selectedText();
        name->setText(QString::fromUtf8("青&色"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    form.mnufavAdd->trigger();
    EXPECT_EQ(suggested, "'Red'");  // the colour string, selected
    ASSERT_EQ(menu.mnuFavItem.size(), 2U);
    EXPECT_EQ(menu.mnuFavItem[1]->text(), QString::fromUtf8("&1 青&色"));
    EXPECT_TRUE(menu.mnuFavItem[0]->isVisible() && form.mnufavEdit->isEnabled());
    const QStringList files = QDir(m_fakes.home.filePath("Favorites")).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 2) << files.join(u' ').toStdString();
}

TEST_F(frmMainTest, F1InAModalDialogAsksForTheHelpThere) {
    frmMain& form = Start();
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F1);  // no help file here: a message
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    form.mnufavAdd->trigger();
    EXPECT_EQ(m_fakes.messageBox.shown.size(), 1U);
}

TEST_F(frmMainTest, TheMenuNumbersCloseUpAfterADeleteInTheEditor) {
    StdFileOperations files;
    FavoritesStore store(files, m_fakes.home.filePath("Favorites").toStdU16String());
    for (const char16_t* name : {u"a", u"b", u"c"}) {
        ASSERT_FALSE(store.Create(name, u"#000000", {}, LocalNow()).error);
    }
    frmMain& form = Start();
    FavoritesMenu& menu = *form.favorites();
    menu.mnuFav_Click();  // the menu opens
    ASSERT_EQ(menu.mnuFavItem.size(), 4U);
    QTimer::singleShot(0, [] {  // the editor: the second row deleted, then closed
        auto* editor = dynamic_cast<frmFavEdit*>(QApplication::activeModalWidget());
        editor->List1->setCurrentRow(1);
        editor->cmdDel->click();
        editor->cmdClose->click();
    });
    form.mnufavEdit->trigger();
    menu.mnuFav_Click();
    ASSERT_EQ(menu.mnuFavItem.size(), 3U);
    EXPECT_EQ(menu.mnuFavItem[1]->text(), "&1 a");
    EXPECT_EQ(menu.mnuFavItem[2]->text(), "&2 c");
}

TEST_F(frmMainTest, TheLensTakesTheGlassAndGivesItBackHoweverItCloses) {
    QImage screen(2000, 2000, QImage::Format_RGB32);
    screen.fill(QColor(5, 6, 7));
    m_fakes.screenGrabber.screens = {{QRect(0, 0, 2000, 2000), screen}};
    frmMain& form = Start();
    const auto lens = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* found = dynamic_cast<frmlens*>(window);
                found != nullptr && found->isVisible()) {
                return found;
            }
        }
        return static_cast<frmlens*>(nullptr);
    };
    const std::function<void()> closings[] = {
        [&] { QTest::keyClick(lens()->Command1, Qt::Key_L, Qt::ControlModifier); },
        [&] { lens()->close(); },  // the close box
        [&] { form.mnuSep->trigger(); }};
    for (const auto& closeLens : closings) {
        form.mnuSep->trigger();
        ASSERT_NE(lens(), nullptr);
        EXPECT_EQ(form.mnuSep->text(), QString::fromUtf8("ﾚﾝｽﾞを戻す(&L)"));
        EXPECT_TRUE(form.pctGlass->isHidden() && form.cmdSnap->isHidden());
        // Only Ctrl alone with a key of the table acts.
        QTest::keyClick(lens()->Command1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(lens()->Command1, Qt::Key_S);
        EXPECT_FALSE(form.cmdUp->isEnabled()) << "no snapshot yet";
        QTest::keyClick(lens()->Command1, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(form.pctCvsH->Image().pixelColor(0, 0), QColor(5, 6, 7));
        closeLens();
        QApplication::processEvents();
        EXPECT_EQ(lens(), nullptr);
        EXPECT_EQ(form.mnuSep->text(), QString::fromUtf8("ﾚﾝｽﾞを外す(&L)"));
        EXPECT_FALSE(form.pctGlass->isHidden() || form.cmdSnap->isHidden());
        form.cmdRset->setEnabled(false);
        form.cmdUp->setEnabled(false);
    }
    form.mnuSep->trigger();
    form.close();  // the shutdown closes the lens too
    EXPECT_EQ(lens(), nullptr);
}

TEST_F(frmMainTest, CtrlVActsOnTheStateTheEditMenuLastComputed) {
    frmMain& form = Start();
    m_fakes.clipboard.text = QStringLiteral("fuchsia");
    form.mnuEdit_Click();
    EXPECT_FALSE(form.mnuPast->isEnabled());
    m_fakes.clipboard.text = QStringLiteral("#0000FF");
    QTest::keyClick(form.txtR, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_fakes.beep.count, 0);  // disabled: the shortcut does nothing
    EXPECT_EQ(form.Slider3->Value(), 0);
    m_fakes.clipboard.text.clear();
    m_fakes.clipboard.image = QImage(2, 2, QImage::Format_RGB32);
    form.mnuEdit_Click();
    EXPECT_TRUE(form.mnuPast->isEnabled());
    EXPECT_EQ(Options(), "100001 1");  // the refresh never changes an option
}

}  // namespace
}  // namespace vitrel
