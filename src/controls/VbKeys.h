// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

/// Key codes, shift masks and character codes in the form the windows' key handlers take.
namespace vitrel::VbKeys {

inline constexpr std::int16_t vbKeyBack = 8;
inline constexpr std::int16_t vbKeyTab = 9;
inline constexpr std::int16_t vbKeyReturn = 13;
inline constexpr std::int16_t vbKeyEscape = 27;
inline constexpr std::int16_t vbKeyLeft = 37;
inline constexpr std::int16_t vbKeyUp = 38;
inline constexpr std::int16_t vbKeyRight = 39;
inline constexpr std::int16_t vbKeyDown = 40;

inline constexpr std::int16_t vbShiftMask = 1;
inline constexpr std::int16_t vbCtrlMask = 2;
inline constexpr std::int16_t vbAltMask = 4;

/// The virtual key code of a key event, 0 for keys without one.
std::int16_t KeyCode(const QKeyEvent& event);
/// Shift 1, Ctrl 2, Alt 4, added.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
/// The character a key press types (Ctrl+C gives 3, Enter 13, Backspace 8); 0 for none.
std::int32_t KeyAscii(const QKeyEvent& event);

}  // namespace vitrel::VbKeys
