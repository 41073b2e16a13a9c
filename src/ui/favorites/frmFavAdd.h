// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "qt/AppServices.h"
#include "ui/controls/Form.h"

namespace vitrel {

class CommandButton;
class IInputEnvironment;
class Label;
class TextBox;

/// Asks for one line of text, a name: for a new favourite or the new name of one. It knows
/// nothing of its opener: frmLoad asks for the suggested text, and frmUnload reports the outcome
/// once, however the dialog closes. Every way out but OK with a non-empty text is a cancel.
class frmFavAdd : public Form<QDialog> {
    Q_OBJECT
public:
    frmFavAdd(AppServices& services, IInputEnvironment& input, QWidget* parent = nullptr);
    ~frmFavAdd() override;

    std::function<void(std::u16string& clrName)> frmLoad;
    std::function<void(const std::u16string& clrName, bool& CancelFlag)> frmUnload;

    /// Puts the suggested text into the box. Runs once, on the first show at the latest, so the
    /// opener connects frmLoad before it shows the dialog.
    void Form_Load();
    /// Shows the dialog modally, centred on its owner: returns once it has closed.
    void Show();

    /// Esc and the window's close command: the same as the cancel button.
    void reject() override;

    Label* Label1;
    TextBox* Text1;
    CommandButton* Command1;
    CommandButton* Command2;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Command1_Click();
    void Command2_Click();
    void Text1_GotFocus();
    void Text1_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void Text1_KeyPress(std::int32_t& KeyAscii);
    /// Raises frmUnload unless it was raised already, then closes.
    void Unload(bool cancelled);

    AppServices& m_services;
    IInputEnvironment& m_input;
    bool m_loaded = false;
    bool m_unloaded = false;
};

}  // namespace vitrel
