// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/DragMimeData.h"

namespace vitrel {

DragMimeData::DragMimeData() : m_data(std::make_unique<MimeDataObject>(*this)) {}

DragMimeData::~DragMimeData() = default;

void DragMimeData::Declare(std::int16_t format) {
    const QString mimeType = MimeDataObject::MimeTypeOf(format);
    if (!mimeType.isEmpty()) {
        m_declared.insert(mimeType, format);
    }
}

void DragMimeData::Clear() {
    m_declared.clear();
    clear();
}

bool DragMimeData::hasFormat(const QString& mimeType) const {
    return HasData(mimeType) || m_declared.contains(mimeType);
}

QStringList DragMimeData::formats() const {
    QStringList all = QMimeData::formats();
    for (auto declared = m_declared.keyBegin(); declared != m_declared.keyEnd(); ++declared) {
        if (!all.contains(*declared)) {
            all.push_back(*declared);
        }
    }
    return all;
}

bool DragMimeData::HasData(const QString& mimeType) const {
    // The base's own list: its hasFormat goes through formats(), which counts declarations.
    return QMimeData::formats().contains(mimeType);
}

QVariant DragMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
    const auto declared = m_declared.constFind(mimeType);
    // A handler that reads the data back while supplying it must not be asked again.
    if (declared != m_declared.cend() && !HasData(mimeType) && Requested && !m_asking) {
        std::int16_t format = declared.value();
        m_asking = true;
        Requested(*m_data, format);
        m_asking = false;
    }
    return QMimeData::retrieveData(mimeType, type);
}

}  // namespace vitrel
