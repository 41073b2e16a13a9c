// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// The text forms of stored settings. Every value is kept as text; a text that does not
/// convert reads as std::nullopt so that the caller can treat the key as missing.
namespace vitrel::SettingsText {

/// A decimal number (sign, fraction and exponent allowed, spaces around it ignored) or an
/// "&H" / "&O" prefixed whole number, rounded half to even; nullopt outside the 16-bit range,
/// and for a number beyond what a double holds either way ("1E+400", "1E-400").
std::optional<std::int16_t> ToInt16(std::string_view text);
/// The same, for the 32-bit range.
std::optional<std::int32_t> ToInt32(std::string_view text);
/// "True" / "False" in any case, or a number (0 is false, any other value true).
std::optional<bool> ToBoolean(std::string_view text);

/// A whole number as decimal text, for example "128" or "-5".
std::string FromInteger(std::int64_t value);
/// "True" or "False".
std::string FromBoolean(bool value);
/// A 32-bit float as it prints: at most seven significant digits, no trailing zeros, no
/// decimal point for whole numbers ("2310", "2310.5", "1E+08").
std::string FromSingle(float value);

}  // namespace vitrel::SettingsText
