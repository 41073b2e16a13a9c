// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "ui/controls/Form.h"

namespace vitrel {

class CommandButton;
class IScreen;
class GlassHole;
class IGlassSurface;
class IWindowFrame;
class PictureBox;

/// The lens: the glass taken off the main window as a small window of its own, always on top,
/// with its own hole and snapshot button. It answers the main menu's Ctrl shortcuts itself.
class frmlens : public Form<QWidget> {
public:
    /// What the lens asks of the main window.
    struct Host {
        const QWidget& mainGlass;  // the main window's glass box, where the lens appears
        IWindowFrame& windowFrame;
        IGlassSurface& glassSurface;
        std::function<void()> TakeGlassSnapshot;
        std::function<void()> mnuExit_Click;
        std::function<void()> mnuCopy_Click;
        /// mnuEdit_Click, then mnuPast_Click when paste is possible.
        std::function<void()> mnuPaste;
        std::function<void()> mnufavAdd_Click;
        std::function<void()> mnufavEdit_Click;
        /// The lens is closing, however: the main window takes its glass back.
        std::function<void()> LensReturned;
    };

    frmlens(Host host, const IScreen& screen);

    PictureBox* pctGlass;
    CommandButton* Command1;

    /// Places the lens over the main window's glass box, cuts its hole and keeps it on top.
    void Form_Load();
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_QueryUnload();
    void Command1_Click();

    Host m_host;
    GlassHole* m_glassHole = nullptr;
};

}  // namespace vitrel
