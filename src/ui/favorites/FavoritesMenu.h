// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/favorites/FavoritesStore.h"

class QAction;
class QMenu;
class QWidget;

namespace vitrel {

class IInputEnvironment;
class frmFavAdd;
class frmFavEdit;
struct AppServices;

/// The main window's Favourites menu: saving the current colour, opening the editor, and one
/// item per favourite that recalls it. The window lends what the menu needs of it.
class FavoritesMenu : public QObject {
public:
    struct Host {
        QWidget& window;  // owner of the dialogs
        QMenu& mnuFav;
        QAction& mnufavAdd;
        QAction& mnufavEdit;
        /// The colour string of the current colour, as a copy would write it.
        std::function<std::u16string()> composeColorString;
        /// The canvas picture at 1:1.
        std::function<QImage()> canvasPicture;
        /// Makes a favourite's colour text and picture current (the picture may be empty).
        std::function<void(const std::u16string& colorText, const QImage& picture)> recall;
    };

    FavoritesMenu(Host host, FavoritesStore& store, AppServices& services,
                  IInputEnvironment& input);
    ~FavoritesMenu() override;

    /// Element 0 is the separator; element k the favourite at position k. The items listed at a
    /// build are loaded the first time the menu opens (or anything else needs them): filling a
    /// menu costs Qt time quadratic in its length, which thousands of favourites would otherwise
    /// add to every start.
    std::vector<QAction*> mnuFavItem;
    void LoadListedItems();

    void BuildFavoritesMenu();
    void RebuildFavoritesMenu();
    void mnuFav_Click();
    void mnufavAdd_Click();
    void mnufavEdit_Click();
    void mnuFavItem_Click(int Index);

private:
    void frmAdd_frmLoad(std::u16string& clrName);
    void frmAdd_frmUnload(const std::u16string& clrName, bool CancelFlag);
    void frmEdit_frmEditUnload();
    /// Loads element k with its caption, "&" + k + " " + the name (the name's "&" kept, a long
    /// name's beginning), for the record file it was listed from.
    void LoadItem(int k, const std::u16string& name, const std::u16string& file);
    void UpdateEditCommand();

    Host m_host;
    FavoritesStore& m_store;
    AppServices& m_services;
    IInputEnvironment& m_input;
    FavFiles m_listed;                        // the last build's listing, its items not loaded yet
    std::vector<std::u16string> m_itemFiles;  // the record file of each element
    std::u16string m_offered;
    std::u16string m_accepted;
    bool m_cancel = false;
    frmFavAdd* frmAdd = nullptr;
    frmFavEdit* frmEdit = nullptr;
};

}  // namespace vitrel
