// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "platform/SettingsText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vitrel::SettingsText {
namespace {

struct Int16Case {
    const char* text;
    std::optional<std::int16_t> expected;
};

class ToInt16Test : public testing::TestWithParam<Int16Case> {};

TEST_P(ToInt16Test, ConvertsOrRefuses) {
    EXPECT_EQ(ToInt16(GetParam().text), GetParam().expected) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    StoredChannelTexts, ToInt16Test,
    testing::Values(Int16Case{"128", 128}, Int16Case{"300", 300}, Int16Case{"-5", -5},
                    Int16Case{" 42 ", 42}, Int16Case{"+7", 7}, Int16Case{"007", 7},
                    Int16Case{"12.5", 12}, Int16Case{"13.5", 14}, Int16Case{"-0.5", 0},
                    Int16Case{"1e2", 100}, Int16Case{"&HFF", 255}, Int16Case{"&o17", 15},
                    Int16Case{"32767", 32767}, Int16Case{"-32768", -32768},
                    // Texts that do not convert count as missing keys.
                    Int16Case{"32768", std::nullopt}, Int16Case{"-32769", std::nullopt},
                    Int16Case{"", std::nullopt}, Int16Case{"   ", std::nullopt},
                    Int16Case{"abc", std::nullopt}, Int16Case{"12abc", std::nullopt},
                    Int16Case{"1 2", std::nullopt}, Int16Case{".", std::nullopt},
                    Int16Case{"1e", std::nullopt}, Int16Case{"&H", std::nullopt},
                    Int16Case{"&HG", std::nullopt}, Int16Case{"1e400", std::nullopt},
                    Int16Case{"99999999999999999999", std::nullopt}));

TEST(ToInt32Test, TakesWindowPositionsInTwips) {
    EXPECT_EQ(ToInt32("2310"), 2310);
    EXPECT_EQ(ToInt32("-100"), -100);
    EXPECT_EQ(ToInt32("2310.5"), 2310);
    EXPECT_EQ(ToInt32("1E+08"), 100000000);
    EXPECT_EQ(ToInt32("2147483647"), 2147483647);
    EXPECT_EQ(ToInt32("2147483648"), std::nullopt);
    EXPECT_EQ(ToInt32("top"), std::nullopt);
}

TEST(ToBooleanTest, ReadsTheStoredTextsAndNumbers) {
    EXPECT_EQ(ToBoolean("True"), true);
    EXPECT_EQ(ToBoolean("FALSE"), false);
    EXPECT_EQ(ToBoolean(" true "), true);
    EXPECT_EQ(ToBoolean("0"), false);
    EXPECT_EQ(ToBoolean("-1"), true);
    EXPECT_EQ(ToBoolean("yes"), std::nullopt);
    EXPECT_EQ(ToBoolean(""), std::nullopt);
    EXPECT_EQ(ToBoolean("Truee"), std::nullopt);
}

TEST(FromSingleTest, PrintsLikeAFloatWithoutNeedlessDigits) {
    EXPECT_EQ(FromSingle(2310.0F), "2310");
    EXPECT_EQ(FromSingle(0.0F), "0");
    EXPECT_EQ(FromSingle(-0.0F), "0");
    EXPECT_EQ(FromSingle(-1500.0F), "-1500");
    EXPECT_EQ(FromSingle(2310.5F), "2310.5");
    EXPECT_EQ(FromSingle(1e8F), "1E+08");
}

TEST(RoundTripTest, EveryWrittenFormReadsBack) {
    for (int v : {0, 1, 255, -1, 32767}) {
        EXPECT_EQ(ToInt16(FromInteger(v)), v);
    }
    for (float v : {0.0F, 15.0F, 2310.0F, -4500.0F, 1234567.0F}) {
        EXPECT_EQ(ToInt32(FromSingle(v)), static_cast<std::int32_t>(v));
    }
    EXPECT_EQ(ToBoolean(FromBoolean(true)), true);
    EXPECT_EQ(ToBoolean(FromBoolean(false)), false);
}

}  // namespace
}  // namespace vitrel::SettingsText
