// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Feeds arbitrary clipboard text through the colour-string rules. The first byte chooses the
// notation options in force before the paste, the rest is read as UTF-16 (little endian), so
// NULs, lone surrogates and any other code unit reach the rules.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "core/notation/ColorStringRules.h"
#include "core/notation/modVitrel.h"

namespace {

using namespace vitrel::ColorStringRules;
using vitrel::fuzz::Check;
using vitrel::modVitrel::ColorNameToHex;
using vitrel::modVitrel::HexToColorName;
constexpr auto npos = std::u16string::npos;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    NotationOptions before{static_cast<std::int16_t>(data[0] % 3),
                           static_cast<LetterCase>(data[0] / 3 % 3),
                           static_cast<Quotation>(data[0] / 9 % 3)};
    // First upper is only reachable with the name box ticked or greyed.
    if (before.letterCase == LetterCase::FirstUpper && before.nameBox == 0) {
        before.nameBox = 1;
    }
    std::u16string text;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }

    if (const std::u16string name = HexToColorName(text); !name.empty()) {
        Check(name.find_first_not_of(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ") == npos, "a name is A-Z");
        // A text that names a colour holds no quotation mark: stripping only trims it.
        Check(ReadColorString(ColorNameToHex(name)) == ReadColorString(StripQuotation(text)),
              "a found name has the colour it was found for");
    }
    if (const std::u16string hex = ColorNameToHex(text); !hex.empty()) {
        Check(ColorNameToHex(HexToColorName(hex)) == hex, "a named colour turns back into a name");
    }

    Quotation selected = Quotation::None;
    const std::u16string bare = StripQuotation(text, &selected);
    Check(bare.size() <= text.size() && bare.find_first_of(u"\"'") == npos &&
              (bare.empty() || (bare.front() != u' ' && bare.back() != u' ')),
          "marks become spaces and the ends are trimmed");
    Check(selected == (text.find(u'"') != npos    ? Quotation::Double
                       : text.find(u'\'') != npos ? Quotation::Single
                                                  : Quotation::None),
          "the quotation follows the marks");

    const PasteOutcome outcome = PasteText(text, before);
    const NotationOptions& after = outcome.options;
    Check(CanPasteText(text) == outcome.colour.has_value(),
          "paste is offered exactly when it takes a colour");
    Check(after.nameBox == before.nameBox || (after.nameBox == 1 && !bare.starts_with(u'#')),
          "only a name ticks the name box");
    Check(after.letterCase != LetterCase::FirstUpper || after.nameBox != 0,
          "first upper never comes with an unticked name box");
    if (outcome.colour) {
        const Rgb c = *outcome.colour;
        Check(std::min({c.red, c.green, c.blue}) >= 0 && std::max({c.red, c.green, c.blue}) <= 255,
              "channels are 0..255");
        // Writing the colour with the adopted options and pasting it again changes nothing.
        const std::u16string written = ComposeColorString(c, after);
        const PasteOutcome again = PasteText(written, after);
        Check(again.colour == c && ComposeColorString(c, again.options) == written,
              "a composed string pastes back as written");
    }

    return 0;
}
