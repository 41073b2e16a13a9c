// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>

/// A colour value: red + 256 × green + 65536 × blue (0x00BBGGRR), the form of the preview
/// colour and of the colour dialog's colours.
namespace vitrel::ColorValue {

[[nodiscard]] constexpr std::int32_t Of(int red, int green, int blue) {
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}
[[nodiscard]] constexpr int Red(std::int32_t value) {
    return value & 0xFF;
}
[[nodiscard]] constexpr int Green(std::int32_t value) {
    return (value >> 8) & 0xFF;
}
[[nodiscard]] constexpr int Blue(std::int32_t value) {
    return (value >> 16) & 0xFF;
}

}  // namespace vitrel::ColorValue
