// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

namespace vitrel {

/// The system beep, the program's only answer to some refused input.
class IBeep {
public:
    virtual ~IBeep() = default;
    virtual void Beep() = 0;
};

}  // namespace vitrel
