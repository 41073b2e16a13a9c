// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/favorites/frmFavAdd.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "core/favorites/FavoritesStore.h"
#include "core/input/modTxtBoxUtl.h"
#include "core/services/IBeep.h"
#include "core/services/IScreen.h"
#include "qt/CentreOnOwner.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/Label.h"
#include "ui/controls/TextBox.h"
#include "ui/favorites/FavoriteTexts.h"

namespace vitrel {
namespace {

namespace T = FavoriteTexts;

// Client area, in twips.
constexpr int kClientWidthTwips = 5775;
constexpr int kClientHeightTwips = 675;

}  // namespace

frmFavAdd::frmFavAdd(AppServices& services, IInputEnvironment& input, QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_services(services),
      m_input(input) {
    // Given an owner, a dialog is centred on it, stays above it and keeps out of the task bar.
    RefreshTwipsPerPixel(m_services.screen);
    setWindowTitle(QString::fromUtf8(T::AddDesignCaption));
    setFont(GothicFont(9, false));
    CreateControls();
    // A fixed size: the window manager offers no resizing and no maximising.
    setFixedSize(kClientWidthTwips / m_tppX, kClientHeightTwips / m_tppY);
}

frmFavAdd::~frmFavAdd() = default;

void frmFavAdd::CreateControls() {
    Label1 = Add(new Label(this, this), 3, 240, 300, 450, 180);
    Label1->setText(QString::fromUtf8(T::NameLabel));
    Text1 = Add(new TextBox(this, this), 0, 840, 240, 1935, 270);
    Text1->setMaxLength(MaxNameLength);
    Command1 = Add(new CommandButton(this, this), 1, 2880, 180, 1335, 375);
    Command1->setText(QString::fromUtf8(T::AddCommand1));
    Command2 = Add(new CommandButton(this, this), 2, 4320, 180, 1335, 375);
    Command2->setText(QString::fromUtf8(T::AddCommand2));
    Command2->setDefault(true);
    ApplyTabOrder();
    Text1->setFocus(Qt::OtherFocusReason);

    Text1->GotFocus = [this] { Text1_GotFocus(); };
    Text1->KeyDown = [this](std::int16_t& KeyCode, std::int16_t Shift) {
        Text1_KeyDown(KeyCode, Shift);
    };
    Text1->KeyPress = [this](std::int32_t& KeyAscii) { Text1_KeyPress(KeyAscii); };
    // The default button takes Enter before the box sees it; a focused button keeps its own.
    Text1->installEventFilter(this);
    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
}

void frmFavAdd::Form_Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    std::u16string clrName;
    if (frmLoad) {
        frmLoad(clrName);
    }
    Text1->SetText(clrName);
}

void frmFavAdd::Show() {
    CentreOnOwner(*this, m_services.windowFrame);
    exec();
}

void frmFavAdd::showEvent(QShowEvent* event) {
    Form_Load();
    QDialog::showEvent(event);
}

bool frmFavAdd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            Command2->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmFavAdd::Command2_Click() {
    if (Text1->text().isEmpty()) {
        m_services.beep.Beep();
        return;
    }
    Unload(false);
}

void frmFavAdd::Command1_Click() {
    Unload(true);
}

void frmFavAdd::reject() {
    Command1_Click();
}

void frmFavAdd::Unload(bool cancelled) {
    if (!m_unloaded) {
        m_unloaded = true;
        bool CancelFlag = cancelled;
        if (frmUnload) {
            frmUnload(Text1->text().toStdU16String(), CancelFlag);
        }
    }
    QDialog::done(cancelled ? Rejected : Accepted);
}

void frmFavAdd::Text1_GotFocus() {
    modTxtBoxUtl::SelectAllOnFocus(m_input);
}

void frmFavAdd::Text1_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    modTxtBoxUtl::MoveFocusOnArrowKey(m_input, KeyCode);
}

void frmFavAdd::Text1_KeyPress(std::int32_t& KeyAscii) {
    modTxtBoxUtl::MoveFocusOnEnter(m_input, KeyAscii);
}

}  // namespace vitrel
