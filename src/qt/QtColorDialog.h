// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "core/controls/IColorDialog.h"

namespace vitrel {

class IWindowFrame;

/// Qt's own (non-native) colour dialog, so that its sixteen custom colours can be seeded and
/// read back. It is owned by the window the request names.
class QtColorDialog : public IColorDialog {
public:
    /// The dialog opens centred on its owner's frame.
    explicit QtColorDialog(IWindowFrame& frames) : m_frames(frames) {}

    bool ChooseColor(Request& request) override;
    [[nodiscard]] std::int32_t ExtendedError() const override { return m_error; }

private:
    IWindowFrame& m_frames;
    std::int32_t m_error = 0;
};

}  // namespace vitrel
