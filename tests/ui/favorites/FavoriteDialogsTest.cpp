// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "FakeServices.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/ImageBox.h"
#include "ui/controls/Label.h"
#include "ui/controls/QtInputEnvironment.h"
#include "ui/controls/TextBox.h"
#include "ui/favorites/frmFavAdd.h"
#include "ui/favorites/frmFavEdit.h"

namespace vitrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

/// The real files, except that one of them cannot be read.
struct UnreadableFile : StdFileOperations {
    std::optional<std::vector<std::byte>> ReadAt(const fs::path& f, std::uint64_t at,
                                                 std::size_t n) override {
        return f == unreadable ? std::nullopt : StdFileOperations::ReadAt(f, at, n);
    }
    fs::path unreadable;
};

class FavoriteDialogsTest : public ::testing::Test {
protected:
    /// A favourite saved at the given second, with a square picture.
    fs::path Save(std::u16string name, std::u16string colorText, int side, int second) {
        const local_seconds when = local_days{2024y / 1 / 1} + seconds{second};
        const fs::path record = m_store.Create(name, colorText, {}, when).record;
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(FavoritesStore::PicturePath(record).c_str());
        return record;
    }
    frmFavEdit& OpenEditor() {
        m_editor = std::make_unique<frmFavEdit>(m_store, m_fakes.services, m_input);
        m_editor->frmEditUnload = [this] { ++m_editUnloads; };
        m_editor->show();
        return *m_editor;
    }
    /// Name|colour text|picture width, the selected row/the row count, the action buttons.
    std::string Details() const {
        const frmFavEdit& e = *m_editor;
        const auto n = [](int number) { return QString::number(number); };
        return QStringLiteral("%1|%2|%3 %4/%5 %6")
            .arg(e.lblName->text(), e.lblColor->text(), n(e.Image1->Picture().width()),
                 n(e.List1->ListIndex()), n(e.List1->count()),
                 n(e.cmdNmCng->isEnabled() + e.cmdDel->isEnabled()))
            .toStdString();
    }

    testing::FakeServices m_fakes;
    QtInputEnvironment m_input{m_fakes.clipboard};
    UnreadableFile m_files;
    FavoritesStore m_store{m_files, m_fakes.services.favoritesFolder()};
    std::unique_ptr<frmFavEdit> m_editor;
    int m_editUnloads = 0;
};

TEST_F(FavoriteDialogsTest, AddDialogOffersTheTextSelectedAndReportsOnceHoweverItCloses) {
    const std::tuple<void (*)(frmFavAdd&), std::u16string, bool> ways[] = {
        {[](frmFavAdd& d) { QTest::keyClick(d.Text1, Qt::Key_Return); }, u"'Red'", false},
        {[](frmFavAdd& d) { QTest::keyClick(d.Text1, Qt::Key_Escape); }, u"'Red'", true},
        {[](frmFavAdd& d) { d.close(); }, u"'Red'", true},
        {[](frmFavAdd& d) { QTest::keyClick(d.Command1, Qt::Key_Return); }, u"'Red'", true},
        // An empty name beeps and leaves the dialog open; blanks are a name.
        {[](frmFavAdd& d) { QTest::keyClicks(d.Text1, "\b\r \r"); }, u" ", false},
    };
    for (const auto& [act, name, cancelled] : ways) {
        std::vector<std::pair<std::u16string, bool>> reports;
        frmFavAdd dialog(m_fakes.services, m_input);
        dialog.frmLoad = [](std::u16string& clrName) { clrName = u"'Red'"; };
        dialog.frmUnload = [&](auto& text, bool& cancel) { reports.emplace_back(text, cancel); };
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(dialog.Text1->selectedText(), "'Red'");
        act(dialog);
        dialog.reject();  // a second way out reports nothing more
        EXPECT_EQ(reports, (std::vector{std::pair{name, cancelled}}));
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(m_fakes.beep.count, 1);
}

TEST_F(FavoriteDialogsTest, EditorListsByPositionShowsTheSelectionAndRenamesItInPlace) {
    const fs::path record = Save(u"青", u"'Blue'", 100, 2);
    Save(u"赤 & 白", u"#FF0000", 10, 1);  // saved later, but the older stem
    frmFavEdit& editor = OpenEditor();
    EXPECT_EQ(Details(), "赤 & 白|#FF0000|10 0/2 2");
    const QPoint row1 = editor.List1->visualItemRect(editor.List1->item(1)).center();
    QTest::mouseClick(editor.List1->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(Details(), "青|'Blue'|100 1/2 2");
    EXPECT_EQ(editor.Image1->geometry(), QRect(0, 0, 100, 100));  // natural size, top left

    QTimer::singleShot(0, [] {
        auto* rename = dynamic_cast<frmFavAdd*>(QApplication::activeModalWidget());
        ASSERT_NE(rename, nullptr);
        EXPECT_EQ(rename->Text1->selectedText(), "青");
        QTest::keyClicks(rename->Text1, "Navy\r");
    });
    // After the first click, the second press of a double click comes as the double click.
    QTest::mouseDClick(editor.List1->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(editor.List1->item(1)->text(), "Navy");
    EXPECT_EQ(Details(), "Navy|'Blue'|100 1/2 2");
    EXPECT_EQ(m_store.Read(record), (FavoriteRecord{u"Navy", u"'Blue'"}));
}

TEST_F(FavoriteDialogsTest, UnreadableFilesShowEmptyKeepTheColourAndDeletingTheLastEmptiesAll) {
    m_files.unreadable = Save(u"赤", u"#FF0000", 4, 1);
    fs::remove(FavoritesStore::PicturePath(m_files.unreadable));
    frmFavEdit& editor = OpenEditor();
    EXPECT_EQ(Details(), "||0 0/1 2");
    QTimer::singleShot(
        0, [] { QTest::keyClicks(QApplication::activeModalWidget()->focusWidget(), "x\r"); });
    editor.cmdNmCng->click();  // a rename would lose the colour text: refused
    EXPECT_EQ(m_fakes.beep.count, 1);
    EXPECT_EQ(FavoritesStore(m_fakes.files, m_store.Folder()).Read(m_files.unreadable),
              (FavoriteRecord{u"赤", u"#FF0000"}));
    editor.cmdDel->click();
    EXPECT_EQ(Details(), "||0 -1/0 0");
    EXPECT_TRUE(fs::is_empty(m_store.Folder()));
    editor.cmdClose->click();
    editor.close();
    EXPECT_EQ(m_editUnloads, 1);
}

TEST_F(FavoriteDialogsTest, ARowActsOnTheFavouriteItWasListedForOrOnNothing) {
    const fs::path first = Save(u"first", u"red", 1, 1);
    const fs::path second = Save(u"second", u"lime", 2, 2);
    const fs::path third = Save(u"third", u"blue", 3, 3);
    frmFavEdit& editor = OpenEditor();
    FavoritesStore other(m_fakes.files, m_store.Folder());  // another instance's
    other.DeleteFavorite(first, *other.Identify(first));
    editor.List1->SetListIndex(1);  // "second", listed before the other instance's delete
    editor.cmdDel->click();
    EXPECT_TRUE(!fs::exists(second) && fs::exists(third));
    editor.List1->SetListIndex(0);
    other.Rename(third, *other.Identify(third), u"3rd", u"blue");
    editor.cmdDel->click();  // changed since it was listed: left alone, the list listed afresh
    EXPECT_TRUE(fs::exists(third));
    EXPECT_EQ(editor.List1->item(0)->text(), "3rd");
    EXPECT_EQ(m_fakes.beep.count, 1);
}

}  // namespace
}  // namespace vitrel
