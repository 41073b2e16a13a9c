// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/TranslucentGlass.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace vitrel {
namespace {

/// Clears its area to fully transparent over what the glass box drew below it; clicks pass
/// through to the box.
class SeeThroughPane : public QWidget {
public:
    explicit SeeThroughPane(QWidget& glass) : QWidget(&glass) {
        setObjectName(QStringLiteral("SeeThroughPane"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
    }
};

/// Paints a translucent window's background opaque, as an ordinary window's is, before its
/// widgets paint over it.
class OpaqueBackground : public QObject {
public:
    explicit OpaqueBackground(QWidget& window) : QObject(&window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto& window = static_cast<QWidget&>(*watched);
            QPainter painter(&window);
            painter.fillRect(static_cast<QPaintEvent*>(event)->rect(),
                             window.palette().color(QPalette::Window));
        }
        return false;
    }
};

}  // namespace

void TranslucentGlass::Prepare(QWidget& window) {
    if (window.testAttribute(Qt::WA_TranslucentBackground)) {
        return;
    }
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.installEventFilter(new OpaqueBackground(window));
}

void TranslucentGlass::SetSeeThrough(QWidget& glass, const QRect& area) {
    auto* pane =
        glass.findChild<QWidget*>(QStringLiteral("SeeThroughPane"), Qt::FindDirectChildrenOnly);
    if (area.isEmpty()) {
        delete pane;
        return;
    }
    if (pane == nullptr) {
        pane = new SeeThroughPane(glass);
    }
    pane->setGeometry(area);
    pane->raise();
    pane->show();
}

}  // namespace vitrel
