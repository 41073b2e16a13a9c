// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/SettingsText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vitrel::SettingsText {
namespace {

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// "&H1F" or "&O17": whole numbers only. Hexadecimal of four (eight) digits wraps like a
// 16-bit (32-bit) pattern would, which callers do not rely on; we keep it plain and positive.
std::optional<double> ParsePrefixed(std::string_view text) {
    if (text.size() < 3 || text[0] != '&') {
        return std::nullopt;
    }
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
    if (base == 0) {
        return std::nullopt;
    }
    double value = 0;
    for (char c : text.substr(2)) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
            digit = std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        }
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 1e12) {
            return std::nullopt;
        }
    }
    return value;
}

// Sign, digits, an optional fraction and an optional exponent; nothing else.
std::optional<double> ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    int digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            value += (text[i] - '0') * scale;
            scale /= 10;
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        int exponent = 0;
        int exponentDigits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            if (exponent < 1000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        value *= std::pow(10.0, negativeExponent ? -exponent : exponent);
    }
    if (i != text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (text[0] == '&') {
        return ParsePrefixed(text);
    }
    return ParseDecimal(text);
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
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[32];
    const double v = value;
    if (v == std::trunc(v) && std::fabs(v) < 1e7) {
        std::snprintf(buffer, sizeof buffer, "%.0f", v);
        return buffer[0] == '-' && buffer[1] == '0' && buffer[2] == '\0' ? "0" : buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.7G", v);
    std::string text = buffer;
    // Trim trailing zeros of the fraction (before any exponent) and a dangling point.
    const std::size_t exponentAt = text.find('E');
    std::string mantissa = text.substr(0, exponentAt);
    std::string exponent = exponentAt == std::string::npos ? "" : text.substr(exponentAt);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') {
            mantissa.pop_back();
        }
        if (!mantissa.empty() && mantissa.back() == '.') {
            mantissa.pop_back();
        }
    }
    return mantissa + exponent;
}

}  // namespace vitrel::SettingsText
