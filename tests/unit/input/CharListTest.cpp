// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "FakeForm.h"
#include "input/modTxtBoxUtl.h"

namespace vitrel::modTxtBoxUtl {
namespace {

struct ListCase {
    const char* label;
    std::u16string text;
    std::vector<std::u16string_view> list;
    bool allowed;
};

class IsTextInCharListTest : public testing::TestWithParam<ListCase> {};

TEST_P(IsTextInCharListTest, AllowsExactlyTheListedCharacters) {
    const ListCase& c = GetParam();
    EXPECT_EQ(IsTextInCharList(c.text, c.list), c.allowed) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IsTextInCharListTest,
    testing::Values(
        ListCase{"single character", u"a", {u"a"}, true},
        ListCase{"other character", u"b", {u"a"}, false},
        ListCase{"range inside", u"5", {u"0-9"}, true},
        ListCase{"range lower end", u"0", {u"0-9"}, true},
        ListCase{"range upper end", u"9", {u"0-9"}, true},
        ListCase{"just past the range", u":", {u"0-9"}, false},
        ListCase{"just before the range", u"/", {u"0-9"}, false},
        ListCase{"reversed range", u"5", {u"9-0"}, true},
        ListCase{"reversed range outside", u"a", {u"9-0"}, false},
        ListCase{"minus is not in a range", u"-", {u"0-9"}, false},
        ListCase{"minus alone", u"-", {u"-"}, true},
        ListCase{"two characters allow nothing", u"0", {u"0-"}, false},
        ListCase{"four characters allow nothing", u"5", {u"0-99"}, false},
        ListCase{"middle must be minus", u"5", {u"0+9"}, false},
        ListCase{"later entry allows", u"x", {u"0-9", u"x"}, true},
        ListCase{"every character checked", u"128", {u"0-9"}, true},
        ListCase{"one bad character rejects", u"12 8", {u"0-9"}, false},
        ListCase{"sign rejects", u"-5", {u"0-9"}, false},
        ListCase{"empty text is code 0", u"", {u"0-9"}, false},
        ListCase{"empty entry allows code 0", u"", {u""}, true},
        ListCase{"empty entry allows NUL", std::u16string(1, u'\0'), {u""}, true},
        ListCase{"empty entry allows nothing else", u"a", {u""}, false},
        ListCase{"empty list", u"5", {}, false},
        ListCase{"full-width digit", u"\uFF17", {u"0-9", u"\uFF10-\uFF19"}, true},
        ListCase{"full-width digits", u"\uFF11\uFF12\uFF18", {u"0-9", u"\uFF10-\uFF19"}, true},
        ListCase{"full-width letter", u"\uFF21", {u"0-9", u"\uFF10-\uFF19"}, false},
        ListCase{"mixed widths", u"1\uFF12", {u"0-9", u"\uFF10-\uFF19"}, true},
        // A surrogate pair is one character, both as text and as an entry.
        ListCase{"astral character", u"\U0001D7D8", {u"\U0001D7D8"}, true},
        ListCase{"astral range", u"\U0001D7DA", {u"\U0001D7D8-\U0001D7E1"}, true},
        ListCase{"astral outside the range", u"\U0001D7E2", {u"\U0001D7D8-\U0001D7E1"}, false},
        ListCase{"half of a pair is not the pair", u"\xD835", {u"\U0001D7D8"}, false}));

// The channel boxes' list, and a key press reported as its UTF-16 code.
struct KeyCase {
    const char* label;
    std::int32_t key;
    std::u16string clipboard;
    bool passes;
};

class ChannelKeyFilterTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ChannelKeyFilterTest, PassesOrDiscards) {
    const KeyCase& c = GetParam();
    fakes::FakeEnvironment env;
    env.SetClipboardText(c.clipboard);
    std::int32_t key = c.key;
    FilterKeyAscii(env, key, {u"0-9", u"\uFF10-\uFF19"});
    EXPECT_EQ(key, c.passes ? c.key : 0) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    ChannelBox, ChannelKeyFilterTest,
    testing::Values(KeyCase{"digit", '7', u"", true}, KeyCase{"zero", '0', u"", true},
                    KeyCase{"full-width digit", 0xFF17, u"", true},
                    KeyCase{"letter", 'a', u"", false}, KeyCase{"space", ' ', u"", false},
                    KeyCase{"minus", '-', u"", false}, KeyCase{"point", '.', u"", false},
                    KeyCase{"full-width letter", 0xFF41, u"", false},
                    KeyCase{"Ctrl+C", 3, u"", true}, KeyCase{"Backspace", 8, u"", true},
                    KeyCase{"Tab", 9, u"", true}, KeyCase{"Ctrl+Enter", 10, u"", true},
                    KeyCase{"Enter", 13, u"", true}, KeyCase{"Ctrl+X", 24, u"", false},
                    KeyCase{"Ctrl+Z", 26, u"", false}, KeyCase{"Escape", 27, u"", false},
                    KeyCase{"Ctrl+V digits", 22, u"128", true},
                    KeyCase{"Ctrl+V full-width digits", 22, u"\uFF11\uFF12\uFF18", true},
                    KeyCase{"Ctrl+V with a blank", 22, u"12 8", false},
                    KeyCase{"Ctrl+V negative", 22, u"-5", false},
                    KeyCase{"Ctrl+V nothing", 22, u"", false},
                    KeyCase{"not a character", -1, u"", false},
                    KeyCase{"beyond Unicode", 0x110000, u"", false}));

TEST(FilterKeyAsciiTest, EmptyListLetsOnlyEditingKeysThrough) {
    fakes::FakeEnvironment env;
    env.SetClipboardText(u"128");
    for (std::int32_t key : {8, 9, 13}) {
        std::int32_t k = key;
        FilterKeyAscii(env, k, {});
        EXPECT_EQ(k, key);
    }
    for (std::int32_t key : {static_cast<std::int32_t>('7'), 22}) {
        std::int32_t k = key;
        FilterKeyAscii(env, k, {});
        EXPECT_EQ(k, 0) << key;
    }
}

TEST(FilterKeyAsciiTest, ReversedRangeAndEmptyEntry) {
    fakes::FakeEnvironment env;
    std::int32_t key = '4';
    FilterKeyAscii(env, key, {u"9-0"});
    EXPECT_EQ(key, '4');

    // With "" in the list an empty clipboard is allowed text.
    key = 22;
    FilterKeyAscii(env, key, {u"9-0", u""});
    EXPECT_EQ(key, 22);
}

TEST(FilterKeyAsciiTest, AstralKeyCodeIsOneCharacter) {
    fakes::FakeEnvironment env;
    std::int32_t key = 0x1D7D8;
    FilterKeyAscii(env, key, {u"\U0001D7D8-\U0001D7E1"});
    EXPECT_EQ(key, 0x1D7D8);
}

}  // namespace
}  // namespace vitrel::modTxtBoxUtl
