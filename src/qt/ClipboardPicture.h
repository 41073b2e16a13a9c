// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

/// The gate every picture from another program passes: decoded only in the format the
/// clipboard names it by, never larger than MaxSide on either side as the decoder itself will
/// produce it, and refused when it is truncated or does not decode.
namespace vitrel::ClipboardPicture {

inline constexpr int MaxSide = 4096;

/// The picture format we take from those offered, in our order of preference; empty if none.
QString ChooseFormat(const QStringList& offered);
/// The decoder for a clipboard format ("image/png" -> "png"); empty for formats we do not take.
QByteArray DecoderFor(const QString& mimeType);
/// The size the decoder will produce, when it is acceptable; read from the header alone.
std::optional<QSize> Size(const QByteArray& bytes, const QByteArray& decoder);
/// The decoded picture; a null image when it is refused.
QImage Decode(const QByteArray& bytes, const QByteArray& decoder);

}  // namespace vitrel::ClipboardPicture
