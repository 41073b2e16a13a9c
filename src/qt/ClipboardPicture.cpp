// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/ClipboardPicture.h"

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
    if (bytes.size() < 26) {
        return false;
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitsPerPixel = 0;
    quint32 compression = 0;
    if (qFromLittleEndian<quint32>(data + 14) == 12) {  // the old core header
        width = qFromLittleEndian<quint16>(data + 18);
        height = qFromLittleEndian<quint16>(data + 20);
        bitsPerPixel = qFromLittleEndian<quint16>(data + 24);
    } else if (bytes.size() >= 34) {
        width = qFromLittleEndian<qint32>(data + 18);
        height = std::abs(qint64{qFromLittleEndian<qint32>(data + 22)});
        bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
        compression = qFromLittleEndian<quint32>(data + 30);
    } else {
        return false;
    }
    if (compression != 0 && compression != 3) {
        return true;  // run-length coded: its length is not known in advance
    }
    // Beyond the largest picture taken, the fields only describe a refusal.
    if (width < 0 || width > MaxSide || height > MaxSide || bitsPerPixel > 64) {
        return false;
    }
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return pixelsAt + rowBytes * height <= bytes.size();
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
