// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QSettings>
#include <map>
#include <memory>
#include <string>

#include "core/services/ISettingsStore.h"

namespace vitrel {

/// Settings in an INI file per application: $XDG_CONFIG_HOME/<app>/<app>.ini, one group per
/// section.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore() = default;

    [[nodiscard]] std::optional<std::string> GetSetting(const std::string& appName,
                                                        const std::string& section,
                                                        const std::string& key) const override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    [[nodiscard]] std::string Flush() override;

private:
    QSettings& Store(const std::string& appName) const;

    mutable std::map<std::string, std::unique_ptr<QSettings>> m_stores;
};

}  // namespace vitrel
