// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/QtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

namespace vitrel {
namespace {

// Encoded formats that other programs offer, in the order we prefer them.
constexpr const char* kImageFormats[] = {"image/png",  "image/bmp", "image/x-bmp",
                                         "image/jpeg", "image/gif", "image/x-portable-pixmap"};

}  // namespace

QString QtClipboard::Text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return {};
    }
    return data->text();
}

QImage QtClipboard::Image() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return {};
    }
    for (const char* format : kImageFormats) {
        if (!data->hasFormat(QString::fromLatin1(format))) {
            continue;
        }
        QByteArray bytes = data->data(QString::fromLatin1(format));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (!size.isValid() || size.width() > MaxImageSide || size.height() > MaxImageSide) {
            return {};
        }
        QImage image;
        if (reader.read(&image)) {
            return image;
        }
    }
    // An image held in this process (our own copy) has no encoded form to check first.
    if (QGuiApplication::clipboard()->ownsClipboard() && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (image.width() <= MaxImageSide && image.height() <= MaxImageSide) {
            return image;
        }
    }
    return {};
}

void QtClipboard::SetTextAndImage(const QString& text, const QImage& image) {
    auto* data = new QMimeData;
    data->setText(text);
    if (!image.isNull()) {
        data->setImageData(image);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace vitrel
