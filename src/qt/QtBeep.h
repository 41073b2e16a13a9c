// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include "core/services/IBeep.h"

namespace vitrel {

/// The desktop's bell.
class QtBeep : public IBeep {
public:
    void Beep() override;
};

}  // namespace vitrel
