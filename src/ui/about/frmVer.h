// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "ui/controls/Form.h"

namespace vitrel {

class CommandButton;
class IScreen;
class IWindowFrame;
class ImageBox;
class Label;
class PictureBox;

/// The about box: the program's icon, name and version in a window without a title bar. It
/// knows nothing of its opener: frmLoad asks how to lay itself out.
class frmVer : public Form<QDialog> {
    Q_OBJECT
public:
    /// `owner`: the window the about box is modal to and centred over.
    frmVer(QWidget& owner, IScreen& screen, IWindowFrame& windowFrame);
    ~frmVer() override;

    /// Raised once by the load with mord = 0; a listener sets mord to 1 for the about layout.
    std::function<void(std::int32_t& mord)> frmLoad;
    /// Whether another instance of the program was running when this one started.
    bool anotherInstanceRunning = false;
    /// Ends the program at once, without its shutdown: what the load does in a second instance
    /// instead of showing the window.
    std::function<void()> EndProgram;

    /// The load: the version text, frmLoad and the layout it asks for. Runs once, on the first
    /// show at the latest; false when it ended the program instead.
    bool Form_Load();
    /// Loads, then shows the window modally until it is closed.
    int exec() override;

    static QString VersionText();

    PictureBox* Picture1;
    ImageBox* Image1;
    Label* Label1;
    ImageBox* Image2;
    Label* lblver;
    Label* Label2;
    CommandButton* cmdOK;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void cmdOK_Click();

    QWidget& m_owner;
    IWindowFrame& m_windowFrame;
    int m_lblverRight = 0;  // the version label grows to the left from here
    bool m_loaded = false;
    bool m_ended = false;
};

}  // namespace vitrel
