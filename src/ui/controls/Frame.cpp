// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/Frame.h"

#include <QPainter>

namespace vitrel {

Frame::Frame(IForm* form, QWidget* parent) : FormControl(form, parent, u"Frame") {
    setFocusPolicy(Qt::NoFocus);
}

void Frame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    // An etched line: dark, with a light one just inside it.
    const QRect box(0, lineY, width() - 2, height() - lineY - 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));

    const QString caption = title();
    const QRect captionRect(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, caption);
}

}  // namespace vitrel
