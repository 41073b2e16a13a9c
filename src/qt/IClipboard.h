// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QString>
#include <memory>

namespace vitrel {

/// What one user action reads of the clipboard. The owner of the clipboard is asked at most
/// once for its list of formats and once for each part the action then uses; an owner that
/// does not answer costs one wait, after which every part reads as empty.
class ClipboardReading {
public:
    virtual ~ClipboardReading() = default;

    /// The plain text; empty when there is none, or when it is far longer than any colour
    /// string can be.
    virtual QString Text() = 0;
    /// Whether a picture of an acceptable size is offered, judged from its header.
    virtual bool HasPicture() = 0;
    /// The picture; a null image when there is none, or it is too large, truncated or damaged.
    virtual QImage Picture() = 0;
};

/// The system clipboard: plain text and a picture.
class IClipboard {
public:
    virtual ~IClipboard() = default;

    /// Starts reading the clipboard for one user action.
    [[nodiscard]] virtual std::unique_ptr<ClipboardReading> Read() const = 0;
    /// Empties the clipboard and puts the text and the picture on it in one write, so that
    /// other programs can paste either.
    virtual void SetTextAndImage(const QString& text, const QImage& image) = 0;
};

}  // namespace vitrel
