// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Reads the bytes as a script of keys and edits on a form of three channel boxes (and a label
// outside the tab order), handled by the text-box rules the way the colour window wires them:
// only digits and the editing keys get through, and the focus never leaves the boxes. The
// rules' exact results are the unit tests'.
#include <algorithm>
#include <cstdint>
#include <string>

#include "Check.h"
#include "FakeForm.h"
#include "core/input/modTxtBoxUtl.h"

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
        Check(at < 3, "the focus stays on a channel box");
        FakeControl& box = *boxes[at];
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
                break;
            }
            case 1:
                MoveFocusOnArrowKey(env, static_cast<std::int16_t>(36 + script.Next() % 6));
                break;
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
            case 3:
                ConvertBoxText(env, vbNarrow, &box);
                break;
            case 4:
                ClampNumericText(env, 0, 255, &box);
                break;
            default:
                env.capture = script.Next() % 2 == 0 ? box.window : 0;
                SelectAllOnFocus(env);
        }
    }
    return 0;
}
