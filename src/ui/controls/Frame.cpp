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
    const auto outline = [&painter](const QRect& r, const QColor& colour) {
        if (painter.deviceTransform().type() <= QTransform::TxTranslate) {
            // One device pixel wide: four filled strips are the stroke's pixels, at a tenth of
            // the stroker's cost.
            painter.fillRect(r.left(), r.top(), r.width() + 1, 1, colour);
            painter.fillRect(r.left(), r.bottom() + 1, r.width() + 1, 1, colour);
            painter.fillRect(r.left(), r.top() + 1, 1, r.height(), colour);
            painter.fillRect(r.right() + 1, r.top() + 1, 1, r.height(), colour);
        } else {
            painter.setPen(colour);
            painter.drawRect(r);
        }
    };
    outline(box, palette().color(QPalette::Mid));
    outline(box.translated(1, 1), palette().color(QPalette::Light));

    const QString caption = title();
    const QRect captionRect(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, caption);
}

}  // namespace vitrel
