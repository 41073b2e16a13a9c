// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace vitrel::e2e {

IniFile::Group IniFile::ReadGroup(const QString& path, const std::string& group) {
    QFile file(path);
    Group entries;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return entries;
    }
    std::string current;
    while (!file.atEnd()) {
        const std::string line = file.readLine().trimmed().toStdString();
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (current == group && equals != std::string::npos) {
            entries[QByteArray::fromStdString(line.substr(0, equals)).trimmed().toStdString()] =
                QByteArray::fromStdString(line.substr(equals + 1)).trimmed().toStdString();
        }
    }
    return entries;
}

void IniFile::WriteGroup(const QString& path, const std::string& group, const Group& entries) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    std::string text = '[' + group + "]\n";
    for (const auto& [key, value] : entries) {
        text += key + '=' + value + '\n';
    }
    file.write(text.data(), static_cast<qint64>(text.size()));
}

}  // namespace vitrel::e2e
