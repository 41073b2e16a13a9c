// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/PictureBox.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/glass/CanvasGeometry.h"
#include "ui/controls/ImageBox.h"

namespace vitrel {
namespace {

/// A colour drawn over an opaque background, both premultiplied.
QRgb Over(QRgb colour, QRgb background) {
    const int alpha = qAlpha(colour);
    if (alpha == 255) {
        return colour;
    }
    if (alpha == 0) {
        return background;
    }
    const auto mix = [alpha](int top, int bottom) { return top + bottom * (255 - alpha) / 255; };
    return qRgb(mix(qRed(colour), qRed(background)), mix(qGreen(colour), qGreen(background)),
                mix(qBlue(colour), qBlue(background)));
}

}  // namespace

PictureBox::PictureBox(IForm* form, QWidget* parent)
    : FormControl(form, parent, u"PictureBox"), m_backColor(palette().color(QPalette::Button)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetBackColor(const QColor& color) {
    if (color != m_backColor) {
        m_backColor = color;
        update(contentsRect());
    }
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

void PictureBox::SetWindowlessImage(ImageBox* image) {
    m_image = image;
    m_image->SetHolder(this);
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
    update(contentsRect());
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
    // The border, when any of it is to be repainted: at a fractional scale the inside's device
    // pixels reach into it, and the border is drawn over them again.
    const qreal scale = devicePixelRatioF();
    if (!contentsRect().contains(event->rect()) || scale != std::floor(scale)) {
        QFrame::paintEvent(event);
    }
    if (m_image != nullptr && !m_image->isHidden()) {
        QPainter painter(this);
        PaintWindowlessImage(painter);
    }
}

void PictureBox::PaintWindowlessImage(QPainter& painter) const {
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() <= 0 || toDevice.m22() <= 0) {
        return;
    }
    // Each device pixel of the inner area is looked up at its top-left corner, as the box's
    // own device-independent position of it, which is where a click on it lands.
    const QRect inner = contentsRect();
    const QRectF onDevice = toDevice.mapRect(QRectF(inner));
    const CanvasGeometry::ImageRect image = m_image->ShownRect();
    // An opaque picture is read as it is; anything else premultiplied, as Over expects.
    const QImage& source = m_image->Picture();
    const QImage picture = source.format() == QImage::Format_RGB32
                               ? source
                               : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    struct Axis {
        int first = 0;
        std::vector<std::int32_t> shown;  // per device pixel from `first`; -1 where nothing is
    };
    const auto axis = [](double from, double to, double deviceOrigin, double scale, int start,
                         int extent, float imageStart, float imageExtent, int pictureExtent) {
        Axis result;
        for (int device = static_cast<int>(std::floor(from)) - 1;
             device <= static_cast<int>(std::ceil(to)); ++device) {
            const double position = (device - deviceOrigin) / scale - start;
            if (!CanvasGeometry::InViewport(position, extent)) {
                continue;
            }
            if (result.shown.empty()) {
                result.first = device;
            }
            result.shown.push_back(
                CanvasGeometry::ShownIndex(position, extent, imageStart, imageExtent, pictureExtent)
                    .value_or(-1));
        }
        return result;
    };
    const Axis columns = axis(onDevice.left(), onDevice.right(), toDevice.dx(), toDevice.m11(),
                              inner.x(), inner.width(), image.Left, image.Width, picture.width());
    const Axis rows = axis(onDevice.top(), onDevice.bottom(), toDevice.dy(), toDevice.m22(),
                           inner.y(), inner.height(), image.Top, image.Height, picture.height());
    if (columns.shown.empty() || rows.shown.empty()) {
        return;
    }
    const QRgb background = m_backColor.rgb();
    const auto width = static_cast<int>(columns.shown.size());
    const auto height = static_cast<int>(rows.shown.size());
    QImage shown(width, height, QImage::Format_RGB32);
    const uchar* pictureBits = picture.constBits();
    const qsizetype pictureStride = picture.bytesPerLine();
    // RGB32 leaves the alpha byte undefined in principle: opaque is what it means.
    const QRgb opaque = picture.format() == QImage::Format_RGB32 ? 0xFF000000U : 0U;
    uchar* shownBits = shown.bits();
    const qsizetype shownStride = shown.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shownBits + y * shownStride);
        const std::int32_t row = rows.shown[static_cast<std::size_t>(y)];
        if (row < 0) {
            std::fill(line, line + width, background);
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(pictureBits + row * pictureStride);
        for (int x = 0; x < width; ++x) {
            const std::int32_t column = columns.shown[static_cast<std::size_t>(x)];
            line[x] = column >= 0 ? Over(from[column] | opaque, background) : background;
        }
    }
    // Device pixels as they are: the painter's own scaling undone.
    painter.setWorldTransform(toDevice.inverted());
    painter.drawImage(QPoint(columns.first, rows.first), shown);
}

bool PictureBox::OnImage(const QMouseEvent& event) const {
    if (m_image == nullptr || m_image->isHidden()) {
        return false;
    }
    const QPointF at = ExactPosition(event, *this, contentsRect().topLeft());
    const QSize inner = ClientSize();
    return CanvasGeometry::ShownPixel(at.x(), at.y(), inner.width(), inner.height(),
                                      m_image->ShownRect(), m_image->Picture().width(),
                                      m_image->Picture().height())
        .has_value();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QFrame::mouseDoubleClickEvent(event);
    if (DblClick) {
        DblClick();
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    m_imageHasMouse = m_imageHasMouse || OnImage(*event);
    RaiseMouse(&PictureBox::MouseDown, &ImageBox::MouseDown, *event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    QFrame::mouseMoveEvent(event);
    RaiseMouse(&PictureBox::MouseMove, &ImageBox::MouseMove, *event);
}

void PictureBox::RaiseMouse(MouseEvent PictureBox::*own, MouseEvent ImageBox::*image,
                            QMouseEvent& event) {
    if (m_imageHasMouse) {
        event.accept();  // the image's, not the window's behind the box
        RaiseMouseEvent(m_image->*image, event, *m_image, QPoint(), m_image->TwipsPerPixelX(),
                        m_image->TwipsPerPixelY());
    } else {
        RaiseMouseEvent(this->*own, event, *this, contentsRect().topLeft(), m_twipsX, m_twipsY);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) {
        m_imageHasMouse = false;
    }
    FormControl::mouseReleaseEvent(event);
}

}  // namespace vitrel
