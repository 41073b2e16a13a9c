// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/favorites/frmFavEdit.h"

#include <QByteArray>
#include <QImage>
#include <QShowEvent>
#include <QSignalBlocker>

#include "core/services/IBeep.h"
#include "core/services/IScreen.h"
#include "qt/CentreOnOwner.h"
#include "qt/ClipboardPicture.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/ImageBox.h"
#include "ui/controls/Label.h"
#include "ui/controls/PictureBox.h"
#include "ui/favorites/FavoriteTexts.h"
#include "ui/favorites/frmFavAdd.h"

namespace vitrel {
namespace {

namespace fs = std::filesystem;
namespace T = FavoriteTexts;

// Client area, in twips.
constexpr int kClientWidthTwips = 6735;
constexpr int kClientHeightTwips = 2430;

QString Qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

ListBox::ListBox(IForm* form, QWidget* parent) : FormControl(form, parent, u"ListBox") {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (Click) {
            Click();
        }
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        if (DblClick) {
            DblClick();
        }
    });
}

int ListBox::ListIndex() const {
    const QListWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? currentRow() : -1;
}

void ListBox::SetListIndex(int row) {
    {
        const QSignalBlocker quiet(this);
        if (row >= 0 && row < count()) {
            setCurrentRow(row);
        } else {
            clearSelection();
        }
    }
    // Once for every setting, also when it does not change the row: the program asks to be told.
    if (Click) {
        Click();
    }
}

frmFavEdit::frmFavEdit(FavoritesStore& store, AppServices& services, IInputEnvironment& input,
                       QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_store(store),
      m_services(services),
      m_input(input) {
    // Given an owner, a dialog is centred on it, stays above it and keeps out of the task bar.
    RefreshTwipsPerPixel(m_services.screen);
    setWindowTitle(Qs(T::EditCaption));
    setFont(GothicFont(9, false));
    CreateControls();
    WireEvents();
    setFixedSize(kClientWidthTwips / m_tppX, kClientHeightTwips / m_tppY);
}

frmFavEdit::~frmFavEdit() = default;

void frmFavEdit::CreateControls() {
    Label1 = Add(new Label(this, this), 3, 240, 240, 450, 180);
    Label1->setText(Qs(T::NameLabel));
    lblName = Add(new Label(this, this), 7, 720, 210, 1935, 255);
    Label2 = Add(new Label(this, this), 4, 240, 720, 450, 180);
    Label2->setText(Qs(T::EditLabel2));
    lblColor = Add(new Label(this, this), 8, 720, 690, 1935, 255);
    for (Label* shown : {lblName, lblColor}) {
        shown->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    }
    Label3 = Add(new Label(this, this), 5, 240, 1200, 450, 180);
    Label3->setText(Qs(T::EditLabel3));

    Picture1 = Add(new PictureBox(this, this), 1, 1200, 1200, 1020, 1020);
    Picture1->SetTwipsPerPixel(m_tppX, m_tppY);
    Image1 = new ImageBox(this, Picture1->Client());
    Image1->setGeometry(Twips(0, 0, 960, 960));
    Image1->SetTwipsPerPixel(m_tppX, m_tppY);
    AddControl(Image1);

    List1 = Add(new ListBox(this, this), 0, 2880, 240, 2055, 2040);
    cmdNmCng = Add(new CommandButton(this, this), 2, 5040, 240, 1575, 375);
    cmdNmCng->setText(Qs(T::cmdNmCng));
    cmdDel = Add(new CommandButton(this, this), 9, 5040, 720, 1575, 375);
    cmdDel->setText(Qs(T::cmdDel));
    cmdClose = Add(new CommandButton(this, this), 6, 5040, 1200, 1575, 375);
    cmdClose->setText(Qs(T::cmdClose));
    cmdNmCng->setEnabled(false);
    cmdDel->setEnabled(false);
    ApplyTabOrder();
    List1->setFocus(Qt::OtherFocusReason);
}

void frmFavEdit::WireEvents() {
    List1->Click = [this] { List1_Click(); };
    List1->DblClick = [this] { List1_DblClick(); };
    cmdNmCng->Click = [this] { cmdNmCng_Click(); };
    cmdDel->Click = [this] { cmdDel_Click(); };
    cmdClose->Click = [this] { cmdClose_Click(); };
}

void frmFavEdit::Form_Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    FillFavoriteList();
    if (List1->count() > 0) {
        List1->SetListIndex(0);
    }
}

void frmFavEdit::Show() {
    CentreOnOwner(*this, m_services.windowFrame);
    exec();
}

void frmFavEdit::showEvent(QShowEvent* event) {
    Form_Load();
    QDialog::showEvent(event);
}

void frmFavEdit::FillFavoriteList() {
    m_favFiles = m_store.ListFavoriteFiles();
    const QSignalBlocker quiet(List1);
    // One repaint for the whole list. Hiding it instead would take the focus away from it.
    List1->setUpdatesEnabled(false);
    List1->clear();
    m_rows.clear();
    const auto n = static_cast<std::ptrdiff_t>(m_favFiles.size()) - 1;
    for (std::ptrdiff_t k = 1; k <= n; ++k) {
        const fs::path file = m_store.RecordPath(FileOfPosition(m_favFiles, k));
        m_rows.push_back({file, m_store.Identify(file)});
        const auto record = m_store.Read(file, false);
        List1->addItem(QString::fromStdU16String(ShownName(record ? record->name : u"")));
    }
    List1->setUpdatesEnabled(true);
}

bool frmFavEdit::RowStillListed(int row) {
    const Row& listed = m_rows.at(static_cast<std::size_t>(row));
    if (listed.identity && m_store.Identify(listed.record) == listed.identity) {
        return true;
    }
    FillFavoriteList();
    List1->SetListIndex(std::min(row, List1->count() - 1));
    return false;
}

void frmFavEdit::ShowDetails(const std::u16string& name, const std::u16string& colorText,
                             const QImage& picture) {
    lblName->setText(QString::fromStdU16String(name));
    lblColor->setText(QString::fromStdU16String(colorText));
    // At its natural size in the top left corner; the frame clips a larger one.
    Image1->SetStretch(false);
    Image1->SetPicture(picture);
    Image1->move(0, 0);
}

void frmFavEdit::List1_Click() {
    const int row = List1->ListIndex();
    cmdNmCng->setEnabled(row >= 0);
    cmdDel->setEnabled(row >= 0);
    if (row < 0) {
        ShowDetails({}, {}, {});
        return;
    }
    if (!RowStillListed(row)) {
        return;  // the list is new, and its selection has been shown
    }
    const fs::path& record = m_rows[static_cast<std::size_t>(row)].record;
    // A record or picture that cannot be read shows as empty text or an empty picture.
    const std::optional<FavoriteRecord> stored = m_store.Read(record);
    const std::vector<std::byte> bmp = m_store.ReadPicture(record);
    const QImage picture = ClipboardPicture::Decode(
        QByteArray(reinterpret_cast<const char*>(bmp.data()), static_cast<qsizetype>(bmp.size())),
        "bmp");
    ShowDetails(stored ? stored->name : std::u16string(),
                stored ? stored->colorText : std::u16string(), picture);
}

void frmFavEdit::List1_DblClick() {
    cmdNmCng_Click();
}

void frmFavEdit::cmdNmCng_Click() {
    const int row = List1->ListIndex();
    if (row < 0) {
        return;
    }
    m_editName = lblName->text().toStdU16String();
    m_cancelFlag = true;  // anything but an OK leaves the name alone
    frmAdd = std::make_unique<frmFavAdd>(m_services, m_input, this);
    frmAdd->frmLoad = [this](std::u16string& clrName) { clrName = m_editName; };
    frmAdd->frmUnload = [this](const std::u16string& clrName, bool& CancelFlag) {
        m_cancelFlag = CancelFlag;
        if (!CancelFlag) {
            m_editName = clrName;
        }
    };
    frmAdd->setWindowTitle(Qs(T::RenameCaption));
    frmAdd->Show();
    frmAdd.reset();
    if (m_cancelFlag) {
        return;
    }
    // The colour text comes from the record itself: one that cannot be read is not replaced by
    // a record without its colour. A favourite changed or removed meanwhile is left alone.
    const Row& listed = m_rows.at(static_cast<std::size_t>(row));
    const std::optional<FavoriteRecord> stored = m_store.Read(listed.record);
    if (!stored || !listed.identity ||
        m_store.Rename(listed.record, *listed.identity, m_editName, stored->colorText)) {
        m_services.beep.Beep();
    }
    FillFavoriteList();
    List1->SetListIndex(std::min(row, List1->count() - 1));
}

void frmFavEdit::cmdDel_Click() {
    const int row = List1->ListIndex();
    if (row < 0) {
        return;
    }
    const Row& listed = m_rows.at(static_cast<std::size_t>(row));
    if (!listed.identity || m_store.DeleteFavorite(listed.record, *listed.identity)) {
        m_services.beep.Beep();  // changed or removed meanwhile, or not removable
    }
    FillFavoriteList();
    List1_Click();
}

void frmFavEdit::cmdClose_Click() {
    close();
}

void frmFavEdit::done(int result) {
    Form_QueryUnload();
    QDialog::done(result);
}

void frmFavEdit::Form_QueryUnload() {
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    if (frmEditUnload) {
        frmEditUnload();
    }
}

}  // namespace vitrel
