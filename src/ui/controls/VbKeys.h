// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <Qt>
#include <cstdint>

#include "core/input/KeyCodes.h"

class QKeyEvent;

/// Qt key events turned into the key codes, shift masks and character codes of KeyCodes.h.
namespace vitrel::VbKeys {

using namespace KeyCodes;

/// The virtual key code of a key event, 0 for keys without one.
std::int16_t KeyCode(const QKeyEvent& event);
/// Shift 1, Ctrl 2, Alt 4, added.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
/// The character a key press types (Ctrl+C gives 3, Enter 13, Backspace 8); 0 for none.
std::int32_t KeyAscii(const QKeyEvent& event);

}  // namespace vitrel::VbKeys
