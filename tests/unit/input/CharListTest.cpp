// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

TEST(IsTextInCharListTest, AllowsExactlyTheListedCharacters) {
    using Texts = std::vector<std::u16string_view>;
    struct Row {
        Texts list;
        Texts allowed;
        Texts rejected;
    };
    // Both ends of a range count, in either order; only "-" makes a range. Every character of a
    // text must be allowed; an empty text is the character 0, which only the empty entry allows.
    // A surrogate pair is one character, as text and as entry.
    const Row rows[] = {
        {{u"a"}, {u"a"}, {u"b"}},
        {{u"0-9"}, {u"0", u"9", u"128"}, {u"/", u":", u"12 8", u""}},
        {{u"9-0"}, {u"5"}, {u"a"}},
        {{u"0+9", u"0-99"}, {}, {u"5"}},
        {{u"0-9", u"x"}, {u"x"}, {}},
        {{u""}, {u""}, {u"a"}},
        {{u"0-9", u"\uFF10-\uFF19"}, {u"1\uFF12"}, {u"\uFF21"}},
        {{u"\U0001D7D8-\U0001D7E1"}, {u"\U0001D7DA"}, {u"\xD835"}},
    };
    for (const Row& row : rows) {
        for (const std::u16string_view text : row.allowed) {
            EXPECT_TRUE(IsTextInCharList(text, row.list)) << testing::PrintToString(text);
        }
        for (const std::u16string_view text : row.rejected) {
            EXPECT_FALSE(IsTextInCharList(text, row.list)) << testing::PrintToString(text);
        }
    }
}

TEST(FilterKeyAsciiTest, ChannelBoxPassesDigitsEditingKeysAndDigitPastes) {
    fakes::FakeEnvironment env;
    const auto filter = [&env](std::int32_t key, std::u16string clipboard) {
        env.clipboard = std::move(clipboard);
        FilterKeyAscii(env, key, {u"0-9", u"\uFF10-\uFF19"});
        return key;
    };
    // Digits of either width, Ctrl+C, Backspace, Tab, Ctrl+Enter and Enter pass.
    for (const std::int32_t key : {std::int32_t{'7'}, 0xFF17, 3, 8, 9, 10, 13}) {
        EXPECT_EQ(filter(key, u""), key);
    }
    // Letters, blanks, signs, Ctrl+X, Ctrl+Z and codes that name no character do not.
    for (const std::int32_t key : {std::int32_t{'a'}, 0xFF41, 0x20, 0x2D, 24, 26, -1, 0x110000}) {
        EXPECT_EQ(filter(key, u""), 0) << key;
    }
    // Ctrl+V only when the whole clipboard text is allowed.
    EXPECT_EQ(filter(22, u"128"), 22);
    EXPECT_EQ(filter(22, u"\uFF11\uFF12"), 22);
    for (const std::u16string clipboard : {u"12 8", u"-5", u""}) {
        EXPECT_EQ(filter(22, clipboard), 0) << testing::PrintToString(clipboard);
    }
    // A key beyond the 16-bit range is one character, not two.
    std::int32_t astral = 0x1D7D8;
    FilterKeyAscii(env, astral, {u"\U0001D7D8-\U0001D7E1"});
    EXPECT_EQ(astral, 0x1D7D8);
}

TEST(FilterKeyAsciiTest, EmptyListLetsOnlyEditingKeysThrough) {
    fakes::FakeEnvironment env;
    env.clipboard = u"128";
    for (const std::int32_t pressed : {8, 13, std::int32_t{'7'}, 22}) {
        std::int32_t key = pressed;
        FilterKeyAscii(env, key, {});
        EXPECT_EQ(key, pressed == 8 || pressed == 13 ? pressed : 0) << pressed;
    }
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
