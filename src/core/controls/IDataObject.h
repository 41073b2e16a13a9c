// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/controls/Picture.h"

namespace vitrel {

/// The data carried by a drag, in numbered formats, as the drag-and-drop events hand it to a
/// form. A source may declare a format without its data; the data is then asked of it only
/// when a target wants that format.
class IDataObject {
public:
    static constexpr std::int16_t Text = 1;
    static constexpr std::int16_t Bitmap = 2;
    static constexpr std::int16_t Files = 15;

    /// Text for Text, a picture for Bitmap, the paths for Files; monostate for nothing.
    using Data = std::variant<std::monostate, std::u16string, Picture, std::vector<std::u16string>>;

    virtual ~IDataObject() = default;
    /// Drops every format, declared or with data.
    virtual void Clear() = 0;
    /// True when the format is there, with its data or only declared.
    [[nodiscard]] virtual bool GetFormat(std::int16_t format) const = 0;
    /// monostate when the format is not there.
    [[nodiscard]] virtual Data GetData(std::int16_t format) const = 0;
    /// Stores the data under the format; monostate declares the format without data. Data of
    /// another kind than the format holds is ignored.
    virtual void SetData(const Data& value, std::int16_t format) = 0;
};

}  // namespace vitrel
