// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>

/// Virtual key codes and shift masks in the form the windows' key handlers take them
/// (KeyDown's KeyCode and Shift), shared by the input rules and the Qt adapters.
namespace vitrel::KeyCodes {

inline constexpr std::int16_t vbKeyBack = 8;
inline constexpr std::int16_t vbKeyTab = 9;
inline constexpr std::int16_t vbKeyReturn = 13;
inline constexpr std::int16_t vbKeyShift = 16;
inline constexpr std::int16_t vbKeyControl = 17;
inline constexpr std::int16_t vbKeyMenu = 18;
inline constexpr std::int16_t vbKeyEscape = 27;
inline constexpr std::int16_t vbKeySpace = 32;
inline constexpr std::int16_t vbKeyPageUp = 33;
inline constexpr std::int16_t vbKeyPageDown = 34;
inline constexpr std::int16_t vbKeyEnd = 35;
inline constexpr std::int16_t vbKeyHome = 36;
inline constexpr std::int16_t vbKeyLeft = 37;
inline constexpr std::int16_t vbKeyUp = 38;
inline constexpr std::int16_t vbKeyRight = 39;
inline constexpr std::int16_t vbKeyDown = 40;
inline constexpr std::int16_t vbKeyInsert = 45;
inline constexpr std::int16_t vbKeyDelete = 46;
inline constexpr std::int16_t vbKeyF1 = 112;

inline constexpr std::int16_t vbShiftMask = 1;
inline constexpr std::int16_t vbCtrlMask = 2;
inline constexpr std::int16_t vbAltMask = 4;

}  // namespace vitrel::KeyCodes
