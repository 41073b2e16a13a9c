// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/services/SettingsText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace vitrel::SettingsText {
namespace {

TEST(SettingsTextTest, ReadsStoredNumbersOrRefusesThem) {
    struct Row {
        const char* text;
        std::optional<std::int16_t> expected;
    };
    // Halves round to even. Texts that do not convert count as missing keys.
    const Row rows[] = {
        {"128", 128},   {"-5", -5},     {"\t42 ", 42},    {"+7", 7},          {"007", 7},
        {"12.5", 12},   {"13.5", 14},   {"-0.5", 0},      {".5e1", 5},        {"1e2", 100},
        {"&HFF", 255},  {"&o17", 15},   {"32767", 32767}, {"-32768", -32768}, {"32767.5", {}},
        {"-32769", {}}, {"&HFFFF", {}}, {"", {}},         {"   ", {}},        {"abc", {}},
        {"12abc", {}},  {"1 2", {}},    {".", {}},        {"1e", {}},         {"+-1", {}},
        {"inf", {}},    {"nan", {}},    {"&H", {}},       {"&HG", {}},        {"&H-1", {}},
        {"&O8", {}},    {"0x10", {}},   {"1e400", {}}};
    for (const Row& row : rows) {
        EXPECT_EQ(ToInt16(row.text), row.expected) << '"' << row.text << '"';
    }
    EXPECT_EQ(ToInt32("2147483648"), std::nullopt);
    const std::pair<const char*, std::optional<bool>> booleans[] = {
        {" tRUE\t", true}, {"False", false}, {"-1", true}, {"0", false}, {"Truee", {}}, {"", {}}};
    for (const auto& [text, expected] : booleans) {
        EXPECT_EQ(ToBoolean(text), expected) << '"' << text << '"';
    }
}

TEST(SettingsTextTest, WritesFloatsWithoutNeedlessDigitsAndReadsEveryWrittenFormBack) {
    const std::pair<float, const char*> singles[] = {
        {2310.0F, "2310"},   {-0.0F, "0"},    {-1500.0F, "-1500"},
        {2310.5F, "2310.5"}, {1e8F, "1E+08"}, {12345678.0F, "1.234568E+07"},
        {0.00001F, "1E-05"}, {HUGE_VALF, "0"}};
    for (const auto& [value, text] : singles) {
        EXPECT_EQ(FromSingle(value), text);
    }
    for (const float v : {0.0F, 15.0F, -4500.0F, 1234567.0F, 1e8F}) {
        EXPECT_EQ(ToInt32(FromSingle(v)), static_cast<std::int32_t>(v));
    }
    EXPECT_EQ(ToInt16(FromInteger(-32768)), -32768);
    EXPECT_TRUE(ToBoolean(FromBoolean(true)) == true && ToBoolean(FromBoolean(false)) == false);
}

}  // namespace
}  // namespace vitrel::SettingsText
