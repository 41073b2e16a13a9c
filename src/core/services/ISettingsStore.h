// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <optional>
#include <string>

namespace vitrel {

/// The per-user settings store: text values addressed by application, section and key.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    /// The stored text, or std::nullopt when the key is missing.
    [[nodiscard]] virtual std::optional<std::string> GetSetting(const std::string& appName,
                                                                const std::string& section,
                                                                const std::string& key) const = 0;
    virtual void SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    /// Writes what has been saved through to permanent storage. Returns what went wrong, in
    /// one line naming the file and the reason, or an empty string when everything was written.
    [[nodiscard]] virtual std::string Flush() = 0;
};

}  // namespace vitrel
