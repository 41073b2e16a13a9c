// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

namespace vitrel {

/// What every form control remembers about how it got the focus, readable without knowing
/// the control's widget type.
class FormControlState {
public:
    virtual ~FormControlState() = default;

    /// True from a mouse press that gave this control the focus until the button is released:
    /// the control holds the mouse capture.
    [[nodiscard]] bool HoldsMouseCapture() const { return m_mouseCapture; }

protected:
    bool m_mouseCapture = false;
};

}  // namespace vitrel
