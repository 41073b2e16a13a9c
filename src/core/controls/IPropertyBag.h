// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/controls/Picture.h"

namespace vitrel {

/// Where the container keeps a control's stored properties, by name.
class IPropertyBag {
public:
    using Value = std::variant<bool, std::int16_t, std::int32_t, Picture>;

    virtual ~IPropertyBag() = default;
    /// nullopt when the bag holds no entry of that name.
    [[nodiscard]] virtual std::optional<Value> ReadProperty(std::string_view name) const = 0;
    virtual void WriteProperty(std::string_view name, const Value& value) = 0;
};

/// A bag in memory, keeping its entries in the order they were first written: how a holder
/// gives a control its stored design-time values.
class MemoryPropertyBag final : public IPropertyBag {
public:
    using Entries = std::vector<std::pair<std::string, Value>>;

    MemoryPropertyBag() = default;
    explicit MemoryPropertyBag(Entries entries) : m_entries(std::move(entries)) {}

    [[nodiscard]] std::optional<Value> ReadProperty(std::string_view name) const override {
        const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                        [name](const auto& entry) { return entry.first == name; });
        return found == m_entries.end() ? std::nullopt : std::optional<Value>(found->second);
    }
    /// Replaces an entry of the same name in place.
    void WriteProperty(std::string_view name, const Value& value) override {
        for (auto& entry : m_entries) {
            if (entry.first == name) {
                entry.second = value;
                return;
            }
        }
        m_entries.emplace_back(name, value);
    }
    [[nodiscard]] const Entries& entries() const { return m_entries; }

private:
    Entries m_entries;
};

/// The stored value, or the default when the entry is missing or of another type.
template <typename T>
[[nodiscard]] T ReadPropertyOr(const IPropertyBag& bag, std::string_view name, T defaultValue) {
    const std::optional<IPropertyBag::Value> stored = bag.ReadProperty(name);
    const T* value = stored ? std::get_if<T>(&*stored) : nullptr;
    return value != nullptr ? *value : defaultValue;
}

/// Writes the entry unless it equals its default, which a missing entry reads as anyway.
template <typename T>
void WritePropertyUnlessDefault(IPropertyBag& bag, std::string_view name, T value, T defaultValue) {
    if (value != defaultValue) {
        bag.WriteProperty(name, value);
    }
}

}  // namespace vitrel
