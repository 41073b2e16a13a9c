// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/MimeDataObject.h"

#include <QList>
#include <QUrl>

#include "qt/DragMimeData.h"
#include "qt/QtPicture.h"

namespace vitrel {

MimeDataObject::MimeDataObject(DragMimeData& dragged) : m_read(&dragged), m_write(&dragged) {}

void MimeDataObject::Clear() {
    if (m_write != nullptr) {
        m_write->Clear();
    }
}

bool MimeDataObject::GetFormat(std::int16_t format) const {
    switch (format) {
        case Text:
            return m_read->hasText();
        case Bitmap:
            return m_read->hasImage();
        case Files:
            return m_read->hasUrls();
        default:
            return false;
    }
}

IDataObject::Data MimeDataObject::GetData(std::int16_t format) const {
    if (!GetFormat(format)) {
        return {};
    }
    switch (format) {
        case Text:
            return m_read->text().toStdU16String();
        case Bitmap:
            return QtPicture::FromImage(qvariant_cast<QImage>(m_read->imageData()));
        default: {
            std::vector<std::u16string> paths;
            for (const QUrl& url : m_read->urls()) {
                if (url.isLocalFile()) {
                    paths.push_back(url.toLocalFile().toStdU16String());
                }
            }
            return paths;
        }
    }
}

void MimeDataObject::SetData(const Data& value, std::int16_t format) {
    if (m_write == nullptr) {
        return;
    }
    const auto* text = std::get_if<std::u16string>(&value);
    const auto* picture = std::get_if<Picture>(&value);
    const auto* paths = std::get_if<std::vector<std::u16string>>(&value);
    if (std::holds_alternative<std::monostate>(value)) {
        m_write->Declare(format);
    } else if (text != nullptr && format == Text) {
        m_write->setText(QString::fromStdU16String(*text));
    } else if (picture != nullptr && format == Bitmap) {
        m_write->setImageData(QtPicture::ToImage(*picture));
    } else if (paths != nullptr && format == Files) {
        QList<QUrl> urls;
        for (const std::u16string& path : *paths) {
            urls.push_back(QUrl::fromLocalFile(QString::fromStdU16String(path)));
        }
        m_write->setUrls(urls);
    }
}

QString MimeDataObject::MimeTypeOf(std::int16_t format) {
    switch (format) {
        case Text:
            return QStringLiteral("text/plain");
        case Bitmap:
            return QStringLiteral("application/x-qt-image");
        case Files:
            return QStringLiteral("text/uri-list");
        default:
            return {};
    }
}

}  // namespace vitrel
