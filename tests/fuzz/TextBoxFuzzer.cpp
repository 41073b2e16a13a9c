// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Reads the bytes as a script of keys and edits on a form of three channel boxes (and a label
// outside the tab order), handled by the text-box rules the way the colour window wires them.
#include <algorithm>
#include <cstdint>
#include <string>

#include "Check.h"
#include "FakeForm.h"
#include "core/input/modTxtBoxUtl.h"
#include "core/services/SettingsText.h"

namespace {

using namespace vitrel::modTxtBoxUtl;
using vitrel::fakes::FakeControl;
using vitrel::fuzz::Check;

bool IsChannelChar(std::int32_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

struct Script {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    int Next() { return at < size ? data[at++] : 0; }
    // One byte for ASCII and the full-width forms, four for any other code.
    std::int32_t NextCode() {
        const int first = Next();
        if (first < 0xF0) {
            return first < 0x80 ? first : 0xFF00 + first - 0x80;
        }
        const int low = Next();
        const int middle = Next();
        return low + middle * 0x100 + static_cast<std::int8_t>(Next()) * 0x10000;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vitrel::fakes::FakeForm form;
    vitrel::fakes::FakeEnvironment env;
    env.activeForm = &form;
    FakeControl* boxes[3] = {&form.Add(u"TextBox"), &form.Add(u"TextBox"), &form.Add(u"TextBox")};
    form.Add(u"Label").tabStop = std::nullopt;
    form.Activate(boxes[0]);
    for (Script script{data, size}; script.at < size;) {
        const auto at = std::find(boxes, boxes + 3, form.ActiveControl()) - boxes;
        FakeControl& box = *boxes[at];
        const int start = box.selStart;
        const int length = box.selLength;
        const std::u16string before = box.text;
        const int n = static_cast<int>(before.size());
        const int writes = box.textWrites;
        switch (script.Next() % 6) {
            case 0: {
                const std::int32_t typed = script.NextCode();
                std::int32_t key = typed;
                FilterKeyAscii(env, key, {u"0-9", u"０-９"});
                const bool pastes =
                    typed == 22 && !env.clipboard.empty() &&
                    std::all_of(env.clipboard.begin(), env.clipboard.end(), IsChannelChar);
                const bool passes = IsChannelChar(typed) || typed == 3 || typed == 8 ||
                                    typed == 9 || typed == 10 || typed == 13 || pastes;
                Check(key == (passes ? typed : 0), "only digits and the editing keys pass");
                MoveFocusOnEnter(env, key);
                Check(key != 13 && form.ActiveControl() == boxes[typed == 13 ? (at + 1) % 3 : at],
                      "Enter, and nothing else, moves on to the next box");
                break;
            }
            case 1: {
                const int code = 36 + script.Next() % 6;  // Home, the arrows, Insert
                MoveFocusOnArrowKey(env, static_cast<std::int16_t>(code));
                const bool back = (code == 37 || code == 38) && length == 0 && start == 0;
                const bool on = (code == 39 || code == 40) && length == 0 && start == n;
                const int step = back ? 2 : on ? 1 : 0;
                Check(form.ActiveControl() == boxes[(at + step) % 3],
                      "the arrows leave a box only from its ends, without a selection");
                break;
            }
            case 2: {
                // A text for the box or the clipboard, then a selection.
                const int count = script.Next();
                std::u16string text;
                for (int i = 0; i < count % 0x80 && script.at < size; ++i) {
                    text.push_back(static_cast<char16_t>(script.NextCode()));
                }
                (count < 0x80 ? box.text : env.clipboard) = text;
                const int selStart = script.Next();
                box.WithText(box.text, selStart, script.Next());
                break;
            }
            case 3: {
                ConvertBoxText(env, vbNarrow, &box);
                const int size = static_cast<int>(box.text.size());
                Check(std::none_of(box.text.begin(), box.text.end(),
                                   [](char16_t c) { return c >= u'！' && c <= u'～'; }),
                      "no full-width form of an ASCII character is left");
                Check(box.text == before
                          ? box.textWrites == writes
                          : box.selStart == std::min(start, size) &&
                                box.selLength == std::min(length, size - box.selStart),
                      "an unchanged text is not written, a changed one keeps the selection");
                break;
            }
            case 4: {
                ClampNumericText(env, 0, 255, &box);
                Check(box.textWrites == writes ||
                          ((box.text == u"0" || box.text == u"255") && box.selStart == 0 &&
                           box.selLength == static_cast<int>(box.text.size())),
                      "a number out of range becomes the nearest bound, selected");
                if (box.textWrites == writes && std::all_of(before.begin(), before.end(),
                                                            [](char16_t c) { return c < 0x80; })) {
                    // Halves round to even: "255.5" is in range and stores as 256.
                    const auto stored =
                        vitrel::SettingsText::ToInt32(std::string(before.begin(), before.end()));
                    Check(!stored || (*stored >= 0 && *stored <= 256),
                          "a text left in range reads in range as a setting");
                }
                break;
            }
            default:
                env.capture = script.Next() % 2 == 0 ? box.window : 0;
                SelectAllOnFocus(env);
                Check(env.capture != 0 ? box.selStart == start && box.selLength == length
                                       : box.selStart == 0 && box.selLength == n,
                      "entering by key selects the whole text, a click leaves the caret");
        }
    }
    return 0;
}
