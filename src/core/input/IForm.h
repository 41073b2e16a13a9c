// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

namespace vitrel {

class IControl;

/// A form as the input utilities see it: its Controls collection and its active control.
class IForm {
public:
    virtual ~IForm() = default;

    [[nodiscard]] virtual int ControlCount() const = 0;
    /// Element i (0-based) of the Controls collection; nullptr when out of range.
    [[nodiscard]] virtual IControl* Controls(int index) const = 0;
    /// The control that has the focus within this form; nullptr when none has.
    [[nodiscard]] virtual IControl* ActiveControl() const = 0;
};

}  // namespace vitrel
