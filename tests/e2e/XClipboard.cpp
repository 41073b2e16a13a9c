// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "XClipboard.h"

#include <QThread>
#include <stdexcept>

namespace vitrel::e2e {

XClipboard::XClipboard(const XSession& session) : m_session(session) {}

XClipboard::~XClipboard() = default;

std::optional<QByteArray> XClipboard::Read(const QString& target) const {
    const auto result = m_session.TryTool(
        QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                  QStringLiteral("-o"), QStringLiteral("-t"), target});
    if (result.exit.crashed || result.exit.code != 0) {
        return std::nullopt;
    }
    return result.standardOutput;
}

QStringList XClipboard::Targets() const {
    const auto data = Read(QStringLiteral("TARGETS"));
    return data ? QString::fromLatin1(*data).split(u'\n', Qt::SkipEmptyParts) : QStringList{};
}

std::optional<QString> XClipboard::Text() const {
    const auto data = Read(QStringLiteral("UTF8_STRING"));
    return data ? std::optional<QString>(QString::fromUtf8(*data)) : std::nullopt;
}

QImage XClipboard::Image() const {
    const auto data = Read(QStringLiteral("image/png"));
    return data ? QImage::fromData(*data, "PNG") : QImage();
}

void XClipboard::Set(const QString& target, const QByteArray& data) {
    m_owner.reset();
    m_owner = std::make_unique<ChildProcess>(
        QStringLiteral("xclip"),
        QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i"),
                    QStringLiteral("-quiet"), QStringLiteral("-t"), target},
        m_session.Environment());
    m_owner->SetLogFile(QProcess::nullDevice());
    m_owner->Start();
    m_owner->WriteAndCloseInput(data);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Read(target) == data) {
            return;
        }
        QThread::msleep(20);
    }
    throw std::runtime_error("xclip did not take the clipboard");
}

void XClipboard::SetText(const QString& text) {
    Set(QStringLiteral("UTF8_STRING"), text.toUtf8());
}

}  // namespace vitrel::e2e
