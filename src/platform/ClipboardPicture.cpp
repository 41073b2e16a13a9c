// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/ClipboardPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace vitrel::ClipboardPicture {
namespace {

struct Known {
    const char* mimeType;
    const char* decoder;
};
constexpr Known kKnown[] = {{"image/png", "png"},   {"image/bmp", "bmp"},
                            {"image/x-bmp", "bmp"}, {"image/jpeg", "jpeg"},
                            {"image/gif", "gif"},   {"image/x-portable-pixmap", "ppm"}};

// An uncompressed bitmap must hold every row its header announces; the decoder would fill
// the missing rows with black instead of failing.
bool BitmapIsWhole(const QByteArray& bytes) {
    if (bytes.size() < 34) {
        return false;
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const qint64 width = qFromLittleEndian<qint32>(data + 18);
    const qint64 height = std::abs(qFromLittleEndian<qint32>(data + 22));
    const qint64 bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    if (compression != 0 && compression != 3) {
        return true;  // run-length coded: its length is not known in advance
    }
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return qint64{pixelsAt} + rowBytes * height <= bytes.size();
}

}  // namespace

QString ChooseFormat(const QStringList& offered) {
    for (const Known& known : kKnown) {
        if (offered.contains(QLatin1String(known.mimeType))) {
            return QLatin1String(known.mimeType);
        }
    }
    return {};
}

QByteArray DecoderFor(const QString& mimeType) {
    for (const Known& known : kKnown) {
        if (mimeType == QLatin1String(known.mimeType)) {
            return known.decoder;
        }
    }
    return {};
}

std::optional<QSize> Size(const QByteArray& bytes, const QByteArray& decoder) {
    if (decoder.isEmpty()) {
        return std::nullopt;
    }
    QByteArray copy = bytes;  // QBuffer wants a mutable array; this one is shared, not copied
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, decoder);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty() || size.width() > MaxSide ||
        size.height() > MaxSide) {
        return std::nullopt;
    }
    return size;
}

QImage Decode(const QByteArray& bytes, const QByteArray& decoder) {
    const std::optional<QSize> size = Size(bytes, decoder);
    if (!size || (decoder == "bmp" && !BitmapIsWhole(bytes))) {
        return {};
    }
    // No decoder may allocate more than the largest picture taken needs (ARGB, 4 bytes a pixel).
    QImageReader::setAllocationLimit(qint64{MaxSide} * MaxSide * 4 / (1024 * 1024));
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, decoder);
    reader.setDecideFormatFromContent(false);
    QImage image;
    // The header said one size; a decoder that then produces another is not believed.
    if (!reader.read(&image) || image.size() != *size) {
        return {};
    }
    return image;
}

}  // namespace vitrel::ClipboardPicture
