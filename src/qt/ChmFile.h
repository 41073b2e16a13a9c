// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QObject;

namespace vitrel {

/// A compiled HTML help file. chmlib can corrupt its memory on a damaged file, so a child
/// process unpacks the whole file and hands its objects over; a child that fails in any way
/// makes the file unreadable, and the program lives on.
class ChmFile {
public:
    using Opened = std::function<void(std::unique_ptr<ChmFile> file)>;

    /// Unpacks the file while the program goes on: `opened` receives its objects, or nullptr
    /// when it is missing, no regular file (a pipe would never end), cannot be read whole or
    /// takes longer than ten seconds. Nothing is received once `context` is gone.
    static void Open(const QString& path, QObject& context, Opened opened);

    /// The object at `path` ("/index.html"), or nothing.
    [[nodiscard]] std::optional<QByteArray> Read(const QString& path) const;
    /// The page the file opens on, as a path inside it.
    [[nodiscard]] QString StartPage() const;

    /// The objects as the child sends them; nullptr when they are cut off.
    [[nodiscard]] static std::unique_ptr<ChmFile> FromUnpacked(const QByteArray& bytes);

private:
    QHash<QString, QByteArray> m_objects;  // by lower-case path: names in the file ignore case
};

}  // namespace vitrel
