// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

namespace vitrel::QtKeys {

/// The virtual key code of a Qt key (letters and digits share their codes); 0 for a key
/// without one.
[[nodiscard]] int VirtualKey(int qtKey);
/// The Qt key of a virtual key code; 0 for a code without one. Tab gives Qt's Tab, Enter
/// Qt's Return.
[[nodiscard]] int QtKey(int virtualKey);

}  // namespace vitrel::QtKeys
