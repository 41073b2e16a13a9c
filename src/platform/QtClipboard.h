// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "platform/IClipboard.h"

namespace vitrel {

/// The desktop clipboard through QClipboard. Text longer than MaxTextBytes is refused before
/// it is converted; pictures pass the ClipboardPicture gate.
class QtClipboard : public IClipboard {
public:
    /// Far longer than any colour string, however many spaces surround it.
    static constexpr int MaxTextBytes = 4096;

    [[nodiscard]] std::unique_ptr<ClipboardReading> Read() const override;
    void SetTextAndImage(const QString& text, const QImage& image) override;
};

}  // namespace vitrel
