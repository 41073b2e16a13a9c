// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/glass/PickingCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vitrel {

QCursor PickingCursor() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn along the diagonal from the tip (4, 27) up to the bulb around (25, 6).
    painter.translate(4, 27);
    painter.rotate(-45);
    const QPen outline(Qt::black, 1.2);
    // Glass tube with a drop of colour in its point.
    QPainterPath tube;
    tube.moveTo(0, 0);
    tube.lineTo(4, -2);
    tube.lineTo(17, -2);
    tube.lineTo(17, 2);
    tube.lineTo(4, 2);
    tube.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(QColor(235, 245, 255));
    painter.drawPath(tube);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(QRectF(1.5, -1, 4, 2));
    // Collar and rubber bulb.
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(QRectF(17, -4, 3, 8));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRoundedRect(QRectF(20, -4.5, 9, 9), 4, 4);
    painter.end();
    return QCursor(picture, 4, 27);
}

}  // namespace vitrel
