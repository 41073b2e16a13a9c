// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/RawPicture.h"

#include <QImage>
#include <QResource>

namespace vitrel {

QPixmap RawPicture(const QString& path, QSize size) {
    const QByteArray bytes = QResource(path).uncompressedData();
    if (bytes.size() != size.width() * size.height() * 4) {
        return {};
    }
    const QImage image(reinterpret_cast<const uchar*>(bytes.constData()), size.width(),
                       size.height(), QImage::Format_RGBA8888);
    return QPixmap::fromImage(image.copy());
}

}  // namespace vitrel
