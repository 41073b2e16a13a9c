// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QString>

namespace vitrel {

/// The system clipboard: plain text and a picture.
class IClipboard {
public:
    virtual ~IClipboard() = default;

    /// The clipboard's plain text; empty when it holds none.
    [[nodiscard]] virtual QString Text() const = 0;
    /// The clipboard's picture; a null image when it holds none, or one too large to take.
    [[nodiscard]] virtual QImage Image() const = 0;
    /// Whether the clipboard holds a picture Image() would give, judged without decoding it.
    [[nodiscard]] virtual bool HasImage() const = 0;
    /// Empties the clipboard and puts the text and the picture on it in one write, so that
    /// other programs can paste either.
    virtual void SetTextAndImage(const QString& text, const QImage& image) = 0;
};

}  // namespace vitrel
