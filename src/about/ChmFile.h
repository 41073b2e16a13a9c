// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace vitrel {

/// A compiled HTML help file. chmlib can corrupt its memory on a damaged file, so a child
/// process unpacks the whole file and hands its objects over; a child that fails in any way
/// makes the file unreadable, and the program lives on.
class ChmFile {
public:
    /// The file's objects, or nullptr when it is missing or cannot be read whole.
    [[nodiscard]] static std::unique_ptr<ChmFile> Open(const QString& path);

    /// The object at `path` ("/index.html"), or nothing.
    [[nodiscard]] std::optional<QByteArray> Read(const QString& path) const;
    /// The page the file opens on, as a path inside it.
    [[nodiscard]] QString StartPage() const;

private:
    QHash<QString, QByteArray> m_objects;  // by lower-case path: names in the file ignore case
};

}  // namespace vitrel
