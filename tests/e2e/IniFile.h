// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QString>
#include <map>
#include <string>

namespace vitrel::e2e {

/// The entries of one group of an INI file as plain text, exactly as they stand in the file:
/// what another program (or a person) reading the file sees.
class IniFile {
public:
    using Group = std::map<std::string, std::string>;

    /// The group's entries; empty when the file or the group does not exist.
    static Group ReadGroup(const QString& path, const std::string& group);
    /// Writes a file with this one group, creating its folder.
    static void WriteGroup(const QString& path, const std::string& group, const Group& entries);
};

}  // namespace vitrel::e2e
