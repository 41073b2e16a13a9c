// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "FakeServices.h"
#include "qt/SingleInstance.h"
#include "ui/about/AboutTexts.h"
#include "ui/about/HelpWindow.h"
#include "ui/about/frmVer.h"
#include "ui/controls/Label.h"

namespace vitrel {
namespace {

/// The window manager's frame of the owner, away from where Qt itself would centre a dialog.
struct OwnerFrame : testing::QtOwnWindowFrame {
    [[nodiscard]] QRect FrameGeometry(const QWidget& /*window*/) const override {
        return {600, 400, 477, 232};
    }
};

TEST(frmVerTest, TheAboutLayoutShowsTheVersionCentredOverTheOwnersFrame) {
    testing::FakeScreen screen;
    OwnerFrame frame;
    QWidget owner;
    frmVer form(owner, screen, frame);
    int raised = 0;
    form.frmLoad = [&raised](std::int32_t& mord) {
        EXPECT_EQ(mord, 0);
        mord = ++raised;
    };
    QTimer::singleShot(0, &form, [&form] { QTest::keyClick(&form, Qt::Key_Return); });  // OK
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(raised, 1);
    // 4080 x 2010 twips at 15 twips per pixel, its middle on the frame's.
    EXPECT_EQ(form.geometry(), QRect(600 + 477 / 2 - 272 / 2, 400 + 232 / 2 - 134 / 2, 272, 134));
    EXPECT_EQ(form.lblver->text(), "Vitrel.EXE Ver." VITREL_PROJECT_VERSION);
    for (const Label* label : {form.lblver, form.Label2}) {  // they take their text's size
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << label->x();
    }
}

TEST(SingleInstanceTest, ACrashedInstanceLeavesNoLock) {
    QTemporaryDir folder;
    if (::fork() == 0) {  // takes the lock and dies holding it
        ::_exit(SingleInstance(folder.path()).AnotherWasRunning() ? 1 : 0);
    }
    int status = -1;
    ::wait(&status);
    ASSERT_EQ(status, 0) << "another instance held the lock";
    EXPECT_FALSE(SingleInstance(folder.path()).AnotherWasRunning());
}

TEST(HelpWindowTest, OpensOnTheStartPageWithItsPicturesAndFollowsLinks) {
    QWidget owner;
    testing::ScriptedMessageBox messageBox;
    HelpWindow* help = nullptr;
    ShowHelp(owner, messageBox, {}, VITREL_HELP_FILE, [&help](HelpWindow* shown) { help = shown; });
    QTRY_VERIFY(help != nullptr);  // unpacked while the program goes on
    QTextBrowser& browser = help->Browser();
    EXPECT_EQ(help->windowTitle(), "目次 - ﾋﾞﾄﾚﾙ ﾍﾙﾌﾟ");
    const QVariant picture =  // named relative to its page
        browser.loadResource(QTextDocument::ImageResource, QUrl("images/main-window.png"));
    EXPECT_FALSE(QImage::fromData(picture.toByteArray()).isNull());

    QTest::keyClick(&browser, Qt::Key_Tab);  // the first link, then Enter follows it
    QTest::keyClick(&browser, Qt::Key_Return);
    EXPECT_EQ(help->windowTitle(), "色を作る - ﾋﾞﾄﾚﾙ ﾍﾙﾌﾟ");
    ShowHelp(owner, messageBox, {}, VITREL_HELP_FILE);  // F1 again: the same window, at its start
    EXPECT_EQ(browser.source().toString(), "chm:/index.html");
}

TEST(HelpWindowTest, AMissingOrDamagedHelpFileIsSaidInAMessageBox) {
    QFile real(VITREL_HELP_FILE);
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    QByteArray broken = real.readAll();
    // chmlib overruns its memory on a broken reset table of the compressed part.
    const qsizetype table = broken.indexOf(QByteArray("\x08\0\0\0\x28\0\0\0", 8)) - 8;
    ASSERT_GE(table, 0);
    QTemporaryDir folder;
    QFile file(folder.filePath("broken.chm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(broken.replace(table + 0x28 + 8, 4, QByteArray(4, '\xff'))) > 0);
    file.close();
    ASSERT_EQ(::mkfifo(folder.filePath("pipe.chm").toLocal8Bit().constData(), 0600), 0);
    for (const auto& [name, said] : {std::pair{"broken.chm", AboutTexts::HelpDamaged},
                                     std::pair{"missing.chm", AboutTexts::HelpMissing},
                                     std::pair{"pipe.chm", AboutTexts::HelpDamaged}}) {
        testing::ScriptedMessageBox messageBox;
        QWidget owner;
        ShowHelp(owner, messageBox, {}, folder.filePath(name));
        QTRY_COMPARE(messageBox.shown.size(), 1U);
        EXPECT_EQ(QString::fromStdU16String(messageBox.shown[0].first),
                  QString::fromUtf8(said) + u'\n' + folder.filePath(name));
    }
}

}  // namespace
}  // namespace vitrel
