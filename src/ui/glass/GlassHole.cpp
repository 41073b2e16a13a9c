// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/glass/GlassHole.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "ui/glass/GlassSampling.h"

namespace vitrel {

GlassHole::GlassHole(QWidget& window, QWidget& glass)
    : QObject(&window), m_window(window), m_glass(glass) {
    // The glass's place in the window is the sum of its own place and its ancestors'.
    for (QWidget* widget = &glass; widget != nullptr; widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        if (widget == &window) {
            break;
        }
    }
}

void GlassHole::Cut() {
    m_cut = true;
    modVitrel::CutGlassHole(m_window, m_glass);
}

void GlassHole::Fill() {
    m_cut = false;
    modVitrel::FillGlassHole(m_window);
}

bool GlassHole::eventFilter(QObject* watched, QEvent* event) {
    if (m_cut) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                Follow();
                break;
            case QEvent::ScreenChangeInternal:
                if (watched == &m_window && m_window.windowHandle() != nullptr) {
                    // The same hole, in the device pixels of the new scale: the widget would
                    // keep the shape it has, which is the old scale's.
                    Follow();
                    m_window.windowHandle()->setMask(m_window.mask());
                }
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GlassHole::Follow() {
    if (modVitrel::GlassHoleRegion(m_window, m_glass) != m_window.mask()) {
        modVitrel::CutGlassHole(m_window, m_glass);
    }
}

}  // namespace vitrel
