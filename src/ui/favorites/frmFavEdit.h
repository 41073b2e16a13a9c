// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QDialog>
#include <QListWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/favorites/FavoritesStore.h"
#include "qt/AppServices.h"
#include "ui/controls/Form.h"
#include "ui/controls/FormControl.h"

namespace vitrel {

class CommandButton;
class IInputEnvironment;
class ImageBox;
class Label;
class PictureBox;
class frmFavAdd;

/// A list box: one column of text rows, at most one of them selected. Raises Click whenever
/// the selection changes, by the user or by the program, and DblClick on a row.
class ListBox : public FormControl<QListWidget> {
public:
    ListBox(IForm* form, QWidget* parent);

    std::function<void()> Click;
    std::function<void()> DblClick;

    /// The selected row, -1 when none is.
    [[nodiscard]] int ListIndex() const;
    void SetListIndex(int row);
};

/// The favourites editor: every favourite by name in position order, the selected one's name,
/// colour text and picture, and renaming and deleting it. Each row stands for the file it was
/// listed from: when another program has removed or changed that file, the row acts on nothing
/// and the list is listed afresh, as it is after every change. frmEditUnload is raised once,
/// however it closes.
class frmFavEdit : public Form<QDialog> {
    Q_OBJECT
public:
    frmFavEdit(FavoritesStore& store, AppServices& services, IInputEnvironment& input,
               QWidget* parent = nullptr);
    ~frmFavEdit() override;

    std::function<void()> frmEditUnload;

    /// Fills the list and selects its first row. Runs once, on the first show at the latest.
    void Form_Load();
    /// Shows the dialog modally, centred on its owner: returns once it has closed.
    void Show();

    /// Every way of closing ends here.
    void done(int result) override;

    Label* Label1;
    Label* lblName;
    Label* Label2;
    Label* lblColor;
    Label* Label3;
    PictureBox* Picture1;
    ImageBox* Image1;
    ListBox* List1;
    CommandButton* cmdNmCng;
    CommandButton* cmdDel;
    CommandButton* cmdClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void WireEvents();
    void FillFavoriteList();
    /// Whether the row's record is still the file it was listed from; when not, the list is
    /// filled afresh and the row at the same place selected.
    bool RowStillListed(int row);
    void ShowDetails(const std::u16string& name, const std::u16string& colorText,
                     const QImage& picture);

    void List1_Click();
    void List1_DblClick();
    void cmdNmCng_Click();
    void cmdDel_Click();
    void cmdClose_Click();
    void Form_QueryUnload();

    FavoritesStore& m_store;
    AppServices& m_services;
    IInputEnvironment& m_input;
    FavFiles m_favFiles;
    struct Row {
        std::filesystem::path record;
        std::optional<FileIdentity> identity;  // none: gone when it was listed
    };
    std::vector<Row> m_rows;
    std::unique_ptr<frmFavAdd> frmAdd;  // the rename dialog while it is open
    std::u16string m_editName;
    bool m_cancelFlag = false;
    bool m_loaded = false;
    bool m_unloaded = false;
};

}  // namespace vitrel
