// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QHash>
#include <QMimeData>
#include <cstdint>
#include <functional>
#include <memory>

#include "qt/MimeDataObject.h"

namespace vitrel {

/// What a drag that starts here carries. A format declared without data counts as present,
/// and its data is asked of the source (Requested) only when a target reads it.
class DragMimeData final : public QMimeData {
public:
    DragMimeData();
    ~DragMimeData() override;
    DragMimeData(const DragMimeData&) = delete;
    DragMimeData& operator=(const DragMimeData&) = delete;

    /// The data object the drag's handlers read and write this through.
    [[nodiscard]] IDataObject& Data() { return *m_data; }
    void Declare(std::int16_t format);
    /// Forgets the data and the declared formats.
    void Clear();

    /// Supplies the data of a declared format through the data object.
    std::function<void(IDataObject& Data, std::int16_t& DataFormat)> Requested;

    [[nodiscard]] bool hasFormat(const QString& mimeType) const override;
    [[nodiscard]] QStringList formats() const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    [[nodiscard]] bool HasData(const QString& mimeType) const;

    QHash<QString, std::int16_t> m_declared;  // MIME type → format
    std::unique_ptr<MimeDataObject> m_data;
    mutable bool m_asking = false;
};

}  // namespace vitrel
