// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/ImageBox.h"

#include <QFrame>

#include <QPainter>

namespace vitrel {

ImageBox::ImageBox(IForm* form, QWidget* parent) : FormControl(form, parent, u"Image") {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImageBox::SetPicture(const QImage& picture) {
    m_picture = picture;
    if (!m_stretch && !picture.isNull()) {
        resize(picture.size());
    }
    UpdateShown();
}

void ImageBox::SetStretch(bool stretch) {
    m_stretch = stretch;
    if (!stretch && !m_picture.isNull()) {
        resize(m_picture.size());
    }
    UpdateShown();
}

void ImageBox::SetTwipsPerPixel(int x, int y) {
    m_twipsX = x > 0 ? x : 15;
    m_twipsY = y > 0 ? y : 15;
}

CanvasGeometry::ImageRect ImageBox::ShownRect() const {
    const QRect at = geometry();
    return {static_cast<float>(at.x()), static_cast<float>(at.y()), static_cast<float>(at.width()),
            static_cast<float>(at.height())};
}

namespace {

/// The holder's inside, where the image is drawn: its frame does not change.
void UpdateInside(QWidget& holder) {
    const auto* frame = qobject_cast<QFrame*>(&holder);
    holder.update(frame != nullptr ? frame->contentsRect() : holder.rect());
}

}  // namespace

void ImageBox::SetHolder(QWidget* holder) {
    m_holder = holder;
    setAttribute(Qt::WA_TransparentForMouseEvents, holder != nullptr);
    UpdateShown();
}

void ImageBox::UpdateShown() {
    if (m_holder != nullptr) {
        UpdateInside(*m_holder);
    } else {
        update();
    }
}

void ImageBox::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_holder != nullptr) {
        UpdateInside(*m_holder);
    }
}

void ImageBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_holder != nullptr) {
        UpdateInside(*m_holder);
    }
}

void ImageBox::paintEvent(QPaintEvent* /*event*/) {
    if (m_picture.isNull() || m_holder != nullptr) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(m_stretch ? rect() : QRect(QPoint(0, 0), m_picture.size()), m_picture);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    RaiseMouseEvent(MouseDown, *event, *this, QPoint(), m_twipsX, m_twipsY);
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    RaiseMouseEvent(MouseMove, *event, *this, QPoint(), m_twipsX, m_twipsY);
}

}  // namespace vitrel
