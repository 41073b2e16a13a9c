// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/services/SettingsText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vitrel::SettingsText {
namespace {

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The whole of text must be the number: from_chars stopping early means junk follows.
template <typename Number, typename... Base>
std::optional<Number> WholeText(std::string_view text, Base... base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base...);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Sign, digits, fraction and exponent, or "&H1F" / "&O17". A value beyond what a double
// holds, either way, does not convert.
std::optional<double> ParseNumber(std::string_view text) {
    text = TrimSpaces(text);
    if (text.size() > 2 && text.starts_with('&')) {
        // Plain and positive: four (eight) hexadecimal digits do not wrap to a negative
        // 16-bit (32-bit) value, which callers do not rely on.
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
        const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base == 0) {
            return std::nullopt;
        }
        const auto whole = WholeText<std::uint64_t>(text.substr(2), base);
        return whole ? std::optional<double>(static_cast<double>(*whole)) : std::nullopt;
    }
    // from_chars takes no "+", and it takes "inf" and "nan": a digit or point must follow the
    // sign.
    const bool plus = text.starts_with('+');
    const std::size_t body = plus || text.starts_with('-') ? 1 : 0;
    if (text.size() <= body ||
        !(std::isdigit(static_cast<unsigned char>(text[body])) || text[body] == '.')) {
        return std::nullopt;
    }
    return WholeText<double>(text.substr(plus ? 1 : 0));
}

template <typename Int>
std::optional<Int> ToInteger(std::string_view text) {
    const std::optional<double> value = ParseNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // Halves go to the even neighbour, as whole-number conversion of stored text always has.
    const double rounded = std::nearbyint(*value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> ToInt16(std::string_view text) {
    return ToInteger<std::int16_t>(text);
}

std::optional<std::int32_t> ToInt32(std::string_view text) {
    return ToInteger<std::int32_t>(text);
}

std::optional<bool> ToBoolean(std::string_view text) {
    const std::string_view trimmed = TrimSpaces(text);
    if (EqualsNoCase(trimmed, "True")) {
        return true;
    }
    if (EqualsNoCase(trimmed, "False")) {
        return false;
    }
    const std::optional<double> number = ParseNumber(trimmed);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0;
}

std::string FromInteger(std::int64_t value) {
    return std::to_string(value);
}

std::string FromBoolean(bool value) {
    return value ? "True" : "False";
}

std::string FromSingle(float value) {
    if (!std::isfinite(value) || value == 0) {
        return "0";  // also for -0
    }
    // Seven significant digits, trailing zeros dropped; the exponent form below 1E-04 and
    // from 1E+07 on.
    char buffer[32];
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7).ptr;
    std::string text(static_cast<const char*>(buffer), end);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace vitrel::SettingsText
