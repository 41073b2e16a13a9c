// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/favorites/FavoritesMenu.h"

#include <QAction>
#include <QBuffer>
#include <QMenu>
#include <QString>
#include <memory>

#include "core/favorites/FavoritesStore.h"
#include "core/services/IBeep.h"
#include "core/services/IMessageBox.h"
#include "qt/AppServices.h"
#include "qt/ClipboardPicture.h"
#include "ui/favorites/FavoriteTexts.h"
#include "ui/favorites/frmFavAdd.h"
#include "ui/favorites/frmFavEdit.h"

namespace vitrel {
namespace {

std::vector<std::byte> EncodeBitmap(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    const auto* data = reinterpret_cast<const std::byte*>(bytes.constData());
    return {data, data + bytes.size()};
}

}  // namespace

FavoritesMenu::FavoritesMenu(Host host, FavoritesStore& store, AppServices& services,
                             IInputEnvironment& input)
    : m_host(host), m_store(store), m_services(services), m_input(input) {
    mnuFavItem.push_back(m_host.mnuFav.addSeparator());
    m_itemFiles.resize(1);
    connect(&m_host.mnuFav, &QMenu::aboutToShow, this, [this] { mnuFav_Click(); });
    connect(&m_host.mnufavAdd, &QAction::triggered, this, [this] { mnufavAdd_Click(); });
    connect(&m_host.mnufavEdit, &QAction::triggered, this, [this] { mnufavEdit_Click(); });
}

FavoritesMenu::~FavoritesMenu() = default;

void FavoritesMenu::LoadItem(int k, const std::u16string& name, const std::u16string& file) {
    QAction* item = m_host.mnuFav.addAction(QStringLiteral("&%1 ").arg(k) +
                                            QString::fromStdU16String(ShownName(name)));
    connect(item, &QAction::triggered, this, [this, k] { mnuFavItem_Click(k); });
    mnuFavItem.push_back(item);
    m_itemFiles.resize(mnuFavItem.size());
    m_itemFiles.back() = file;
}

void FavoritesMenu::UpdateEditCommand() {
    // The editor (and its shortcut) is there exactly while a favourite is.
    m_host.mnufavEdit.setEnabled(mnuFavItem.front()->isVisible());
}

void FavoritesMenu::BuildFavoritesMenu() {
    const FavFiles files = m_store.ListFavoriteFiles();
    const int n = static_cast<int>(files.size()) - 1;
    m_listed = files;
    mnuFavItem.front()->setVisible(n > 0);
    UpdateEditCommand();
}

void FavoritesMenu::LoadListedItems() {
    const int n = static_cast<int>(m_listed.size()) - 1;
    for (int k = 1; k <= n; ++k) {
        const std::u16string file = FileOfPosition(m_listed, k);
        const auto record = m_store.Read(m_store.RecordPath(file), false);
        LoadItem(k, record ? record->name : std::u16string(), file);
    }
    m_listed.clear();
}

void FavoritesMenu::RebuildFavoritesMenu() {
    m_listed.clear();
    while (mnuFavItem.size() > 1) {
        delete mnuFavItem.back();
        mnuFavItem.pop_back();
    }
    m_itemFiles.resize(1);
    BuildFavoritesMenu();
}

void FavoritesMenu::mnuFav_Click() {
    LoadListedItems();
    UpdateEditCommand();
}

void FavoritesMenu::mnufavAdd_Click() {
    const std::u16string colorText = m_host.composeColorString();
    m_offered = colorText;
    m_cancel = false;
    {
        frmFavAdd dialog(m_services, m_input, &m_host.window);
        frmAdd = &dialog;
        dialog.frmLoad = [this](std::u16string& clrName) { frmAdd_frmLoad(clrName); };
        dialog.frmUnload = [this](const std::u16string& clrName, bool& CancelFlag) {
            frmAdd_frmUnload(clrName, CancelFlag);
        };
        dialog.setWindowTitle(QString::fromUtf8(FavoriteTexts::AddCaption));
        dialog.Show();
        frmAdd = nullptr;
    }
    if (m_cancel) {
        return;
    }
    const SaveResult saved =
        m_store.Create(m_accepted, colorText, EncodeBitmap(m_host.canvasPicture()), LocalNow());
    if (!saved.error) {
        m_itemFiles.back() = saved.record.filename().u16string();
    } else {
        // Saving never fails silently: the item just added stands for nothing on disk.
        RebuildFavoritesMenu();
        m_services.messageBox.Show(
            QString::fromUtf8(FavoriteTexts::NotSaved).toStdU16String() + u"\n" +
                QString::fromStdString(m_store.Folder().string() + ": " + saved.error.message())
                    .toStdU16String(),
            m_host.window.windowTitle().toStdU16String(), IMessageBox::Buttons::Ok,
            IMessageBox::Icon::Critical);
    }
}

void FavoritesMenu::frmAdd_frmLoad(std::u16string& clrName) {
    clrName = m_offered;
}

void FavoritesMenu::frmAdd_frmUnload(const std::u16string& clrName, bool CancelFlag) {
    m_cancel = CancelFlag;
    if (CancelFlag) {
        return;
    }
    m_accepted = clrName;
    LoadListedItems();
    LoadItem(static_cast<int>(mnuFavItem.size()), clrName, {});
    mnuFavItem.front()->setVisible(true);
    m_host.mnufavEdit.setEnabled(true);
}

void FavoritesMenu::mnufavEdit_Click() {
    frmFavEdit dialog(m_store, m_services, m_input, &m_host.window);
    frmEdit = &dialog;
    dialog.frmEditUnload = [this] { frmEdit_frmEditUnload(); };
    dialog.Show();
    frmEdit = nullptr;
}

void FavoritesMenu::frmEdit_frmEditUnload() {
    RebuildFavoritesMenu();
}

void FavoritesMenu::mnuFavItem_Click(int Index) {
    // The favourite the item was listed for, wherever another program has put others since.
    const std::u16string& file = m_itemFiles.at(static_cast<std::size_t>(Index));
    const auto read = file.empty() ? std::nullopt : m_store.Read(m_store.RecordPath(file));
    if (!read) {
        // Removed meanwhile: the menu shows what there is, once this item has done triggering.
        QMetaObject::invokeMethod(
            this, [this] { RebuildFavoritesMenu(); }, Qt::QueuedConnection);
        return;
    }
    const std::filesystem::path record = m_store.RecordPath(file);
    const std::vector<std::byte> bitmap = m_store.ReadPicture(record);
    const QImage picture =
        ClipboardPicture::Decode(QByteArray(reinterpret_cast<const char*>(bitmap.data()),
                                            static_cast<qsizetype>(bitmap.size())),
                                 "bmp");
    m_host.recall(read->colorText, picture);
}

}  // namespace vitrel
