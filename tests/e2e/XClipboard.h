// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "ChildProcess.h"
#include "XSession.h"

namespace vitrel::e2e {

/// The CLIPBOARD selection of an XSession as another program sees it, through xclip.
/// Setting it keeps one xclip in the foreground as the owner, until it is replaced or this
/// object is destroyed.
class XClipboard {
public:
    explicit XClipboard(const XSession& session);
    ~XClipboard();
    XClipboard(const XClipboard&) = delete;
    XClipboard& operator=(const XClipboard&) = delete;

    /// The formats the current owner offers; empty when nobody owns the clipboard.
    [[nodiscard]] QStringList Targets() const;
    /// The content in one format, or nothing when it is not offered.
    [[nodiscard]] std::optional<QByteArray> Read(const QString& target) const;
    [[nodiscard]] std::optional<QString> Text() const;
    /// The picture offered as image/png, or a null image.
    [[nodiscard]] QImage Image() const;

    /// Takes the clipboard with this content; returns once the content can be read back.
    void Set(const QString& target, const QByteArray& data);
    void SetText(const QString& text);

private:
    const XSession& m_session;
    std::unique_ptr<ChildProcess> m_owner;
};

}  // namespace vitrel::e2e
