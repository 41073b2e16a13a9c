// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtSettingsStore.h"

#include <QFileInfo>
#include <QStringList>
#include <QVariant>

namespace vitrel {

QSettings& QtSettingsStore::Store(const std::string& appName) const {
    auto& store = m_stores[appName];
    if (!store) {
        const QString name = QString::fromStdString(appName);
        store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, name, name);
    }
    return *store;
}

std::optional<std::string> QtSettingsStore::GetSetting(const std::string& appName,
                                                       const std::string& section,
                                                       const std::string& key) const {
    const QSettings& store = Store(appName);
    const QString path = QString::fromStdString(section) + u'/' + QString::fromStdString(key);
    if (!store.contains(path)) {
        return std::nullopt;
    }
    const QVariant value = store.value(path);
    // A hand-edited value with a comma reads back as a list; keep it as the text it was so
    // that it simply fails to convert instead of turning into something else.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(u',').toStdString();
    }
    if (!value.canConvert<QString>()) {
        return std::string();
    }
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                  const std::string& key, const std::string& value) {
    QSettings& store = Store(appName);
    store.setValue(QString::fromStdString(section) + u'/' + QString::fromStdString(key),
                   QString::fromStdString(value));
}

std::string QtSettingsStore::Flush() {
    for (auto& [name, store] : m_stores) {
        store->sync();
        // A line that does not parse is dropped as the file is read, and the file is written
        // whole without it: only a write that failed is a failure.
        if (store->status() != QSettings::AccessError) {
            continue;
        }
        // QSettings says only that access failed; the file system tells why.
        const QFileInfo file(store->fileName());
        const QFileInfo folder(file.absolutePath());
        const char* reason = file.isDir()                          ? "a folder stands in its place"
                             : file.exists() && !file.isWritable() ? "the file is read-only"
                             : folder.exists() && !folder.isWritable() ? "its folder is read-only"
                                                                       : "it could not be written";
        return "cannot store the settings in " + file.absoluteFilePath().toStdString() + ": " +
               reason;
    }
    return {};
}

}  // namespace vitrel
