// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "controls/PictureBox.h"

#include <QPainter>

namespace vitrel {

PictureBox::PictureBox(IForm* form, QWidget* parent)
    : FormControl(form, parent, u"PictureBox"), m_backColor(palette().color(QPalette::Button)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetBackColor(const QColor& color) {
    m_backColor = color;
    update();
}

QSize PictureBox::ClientSize() const {
    return contentsRect().size();
}

void PictureBox::SetClientSize(const QSize& size) {
    resize(size + (this->size() - ClientSize()));
}

QWidget* PictureBox::Client() {
    if (m_client == nullptr) {
        m_client = new QWidget(this);
        m_client->setGeometry(contentsRect());
    }
    return m_client;
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (m_client != nullptr) {
        m_client->setGeometry(contentsRect());
    }
}

QImage PictureBox::Image() const {
    if (!m_picture.isNull()) {
        return m_picture;
    }
    QImage blank(ClientSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    blank.fill(m_backColor);
    return blank;
}

void PictureBox::SetPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void PictureBox::SetTwipsPerPixel(int x, int y) {
    m_twipsX = x > 0 ? x : 15;
    m_twipsY = y > 0 ? y : 15;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), m_backColor);
        if (!m_picture.isNull()) {
            painter.setClipRect(contentsRect());
            painter.drawImage(contentsRect().topLeft(), m_picture);
        }
    }
    QFrame::paintEvent(event);  // the border
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QFrame::mouseDoubleClickEvent(event);
    if (DblClick) {
        DblClick();
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    RaiseMouseEvent(MouseDown, *event, contentsRect().topLeft(), m_twipsX, m_twipsY);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    QFrame::mouseMoveEvent(event);
    RaiseMouseEvent(MouseMove, *event, contentsRect().topLeft(), m_twipsX, m_twipsY);
}

}  // namespace vitrel
