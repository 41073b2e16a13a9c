// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QCursor>

namespace vitrel {

/// The canvas's picking pointer: a 32 x 32 eyedropper, its bulb at the top right and its tip,
/// the hot spot, at (4, 27).
QCursor PickingCursor();

}  // namespace vitrel
