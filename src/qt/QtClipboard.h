// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "qt/IClipboard.h"
#include "qt/X11SelectionReading.h"

namespace vitrel {

/// The desktop clipboard: written through QClipboard, read from another program on an X server
/// by X11SelectionReading, else through QClipboard. Text longer than MaxTextBytes is refused
/// before it is converted; pictures pass the ClipboardPicture gate.
class QtClipboard : public IClipboard {
public:
    /// Far longer than any colour string, however many spaces surround it.
    static constexpr int MaxTextBytes = 4096;

    [[nodiscard]] std::unique_ptr<ClipboardReading> Read() const override;
    void SetTextAndImage(const QString& text, const QImage& image) override;

private:
    mutable StuckOwner m_stuck;  // an owner that did not answer, for the next actions
};

}  // namespace vitrel
