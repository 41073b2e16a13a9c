// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/QtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QStringList>
#include <algorithm>

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
    return Read(true);
}

bool QtClipboard::HasImage() const {
    return !Read(false).isNull();
}

QImage QtClipboard::Read(bool decode) const {
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
        if (!size.isValid() || size.isEmpty() || size.width() > MaxImageSide ||
            size.height() > MaxImageSide) {
            return {};
        }
        if (!decode) {
            return QImage(1, 1, QImage::Format_RGB32);
        }
        QImage image;
        if (reader.read(&image)) {
            return image;
        }
    }
    // A picture that offers no encoded form comes from this process itself (our own copy);
    // a foreign one always travels encoded, and is only ever decoded after its header.
    const QStringList formats = data->formats();
    const bool foreignPicture = std::any_of(formats.begin(), formats.end(), [](const QString& f) {
        return f.startsWith(QLatin1String("image/"));
    });
    if (!foreignPicture && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull() && image.width() <= MaxImageSide && image.height() <= MaxImageSide) {
            return decode ? image : QImage(1, 1, QImage::Format_RGB32);
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
