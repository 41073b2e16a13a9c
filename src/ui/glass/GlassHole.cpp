// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/glass/GlassHole.h"

#include <QEvent>
#include <QWidget>

#include "qt/IGlassSurface.h"
#include "ui/glass/GlassSampling.h"

namespace vitrel {

GlassHole::GlassHole(QWidget& window, QWidget& glass, IGlassSurface& surface)
    : QObject(&window), m_window(window), m_glass(glass), m_surface(surface) {
    m_surface.Prepare(window);
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
    Follow(true);
}

void GlassHole::Fill() {
    m_cut = false;
    m_area = QRect();
    m_surface.SetSeeThrough(m_glass, m_area);
}

bool GlassHole::eventFilter(QObject* watched, QEvent* event) {
    if (m_cut) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                Follow(false);
                break;
            case QEvent::ScreenChangeInternal:
                Follow(watched == &m_window);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GlassHole::Follow(bool always) {
    const QRect area = modVitrel::GlassArea(m_window, m_glass);
    if (always || area != m_area) {
        m_area = area;
        m_surface.SetSeeThrough(m_glass, QRect(m_glass.contentsRect().topLeft(), area.size()));
    }
}

}  // namespace vitrel
