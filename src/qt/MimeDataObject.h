// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QString>

#include "core/controls/IDataObject.h"

class QMimeData;

namespace vitrel {

class DragMimeData;

/// The data object over Qt's drag data. Dropped data belongs to its source and is only read;
/// the data of a drag that starts here is written as well.
class MimeDataObject final : public IDataObject {
public:
    explicit MimeDataObject(const QMimeData& dropped) : m_read(&dropped) {}
    explicit MimeDataObject(DragMimeData& dragged);

    void Clear() override;
    [[nodiscard]] bool GetFormat(std::int16_t format) const override;
    [[nodiscard]] Data GetData(std::int16_t format) const override;
    void SetData(const Data& value, std::int16_t format) override;

    /// The MIME type that carries a format; empty for a format no Qt drag carries.
    [[nodiscard]] static QString MimeTypeOf(std::int16_t format);

private:
    const QMimeData* m_read;
    DragMimeData* m_write = nullptr;
};

}  // namespace vitrel
