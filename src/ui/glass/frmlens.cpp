// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/glass/frmlens.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>

#include "qt/IWindowFrame.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/VbKeys.h"
#include "ui/glass/GlassHole.h"

namespace vitrel {

frmlens::frmlens(Host host, const IScreen& screen)
    : Form(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_host(std::move(host)) {
    RefreshTwipsPerPixel(screen);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("レンズ"));
    setFont(CaptionFont(9, false));
    setFixedSize(68, 91);  // pixels: the lens is laid out in them
    pctGlass = new PictureBox(this, this);
    pctGlass->setGeometry(0, 0, 68, 68);
    pctGlass->SetTabIndex(1);
    AddControl(pctGlass);
    m_glassHole = new GlassHole(*this, *pctGlass, m_host.glassSurface);
    Command1 = new CommandButton(this, this);
    Command1->setGeometry(4, 72, 60, 17);
    Command1->SetTabIndex(0);
    AddControl(Command1);
    Command1->Click = [this] { Command1_Click(); };
    // Its key presses reach the window whichever control has the focus.
    for (QWidget* control : {static_cast<QWidget*>(pctGlass), static_cast<QWidget*>(Command1)}) {
        control->installEventFilter(this);
    }
}

void frmlens::Form_Load() {
    // The outer top-left corner goes on the outer top-left corner of the main glass box.
    m_host.windowFrame.MoveFrame(*this, m_host.mainGlass.mapToGlobal(QPoint(0, 0)));
    m_glassHole->Cut();
    show();
    raise();
}

void frmlens::Command1_Click() {
    m_host.TakeGlassSnapshot();
}

void frmlens::Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
    if (Shift != VbKeys::vbCtrlMask) {
        return;  // exactly Ctrl: no Shift, no Alt
    }
    switch (KeyCode) {
        case 'S':
            m_host.TakeGlassSnapshot();
            break;
        case 'L':
            close();
            break;
        case 'Q':
            m_host.mnuExit_Click();
            break;
        case 'C':
            m_host.mnuCopy_Click();
            break;
        case 'A':
            m_host.mnufavAdd_Click();
            break;
        case 'E':
            m_host.mnufavEdit_Click();
            break;
        case 'V':
            m_host.mnuPaste();
            break;
        default:
            break;
    }
}

bool frmlens::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::int16_t code = VbKeys::KeyCode(*key);
        const std::int16_t shift = VbKeys::ShiftMask(key->modifiers());
        if (shift == VbKeys::vbCtrlMask && code != 0) {
            Form_KeyDown(code, shift);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void frmlens::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(VbKeys::KeyCode(*event), VbKeys::ShiftMask(event->modifiers()));
    Form::keyPressEvent(event);
}

void frmlens::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_QueryUnload();
}

void frmlens::Form_QueryUnload() {
    if (m_host.LensReturned) {
        m_host.LensReturned();
    }
}

}  // namespace vitrel
