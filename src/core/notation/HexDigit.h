// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

namespace vitrel {

/// The value of a hexadecimal digit 0-9, A-F or a-f; -1 for any other character.
constexpr int HexDigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return static_cast<int>(c - U'0');
    }
    if ((c >= U'A' && c <= U'F') || (c >= U'a' && c <= U'f')) {
        return static_cast<int>((c & ~char32_t{0x20}) - U'A' + 10);
    }
    return -1;
}

}  // namespace vitrel
