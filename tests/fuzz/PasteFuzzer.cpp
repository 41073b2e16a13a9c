// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Feeds arbitrary clipboard text through the colour-string rules. The first byte chooses the
// notation options in force before the paste, the rest is read as UTF-16 (little endian), so
// NULs, lone surrogates and any other code unit reach the rules.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "notation/ColorStringRules.h"
#include "notation/modVitrel.h"

namespace {

using namespace vitrel::ColorStringRules;
using vitrel::modVitrel::ColorNameToHex;
using vitrel::modVitrel::HexToColorName;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool ValidChannel(int value) {
    return value >= 0 && value <= 255;
}

bool IsUpperAscii(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

std::u16string TrimmedUpper(const std::u16string& text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    std::u16string result = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    for (char16_t& c : result) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return result;
}

NotationOptions OptionsFromByte(std::uint8_t byte) {
    NotationOptions options;
    options.nameBox = static_cast<std::int16_t>(byte % 3);
    options.letterCase = static_cast<LetterCase>((byte / 3) % 3);
    options.quotation = static_cast<Quotation>((byte / 9) % 3);
    return options;
}

void CheckLookups(const std::u16string& text) {
    const std::u16string name = HexToColorName(text);
    if (!name.empty()) {
        for (const char16_t c : name) {
            Check(IsUpperAscii(c), "a colour name is upper-case A-Z only");
        }
        Check(ColorNameToHex(name) == TrimmedUpper(text), "a found name leads back to its colour");
    }
    const std::u16string hex = ColorNameToHex(text);
    if (!hex.empty()) {
        Check(hex.size() == 7 && hex[0] == u'#', "a found colour is # and six digits");
        const std::u16string keptName = HexToColorName(hex);
        Check(!keptName.empty(), "every named colour has a name to turn back into");
        Check(ColorNameToHex(keptName) == hex, "the kept name has the same colour");
    }
}

void CheckStrip(const std::u16string& text) {
    Quotation selected = Quotation::None;
    const std::u16string bare = StripQuotation(text, &selected);
    Check(bare.size() <= text.size(), "stripping never lengthens a text");
    Check(bare.find_first_of(u"\"'") == std::u16string::npos, "no quotation mark survives");
    Check(bare.empty() || (bare.front() != u' ' && bare.back() != u' '), "the ends are trimmed");
    Check(StripQuotation(text) == bare, "selecting does not change the text");
    const bool hasDouble = text.find(u'"') != std::u16string::npos;
    const bool hasSingle = text.find(u'\'') != std::u16string::npos;
    const Quotation expected =
        hasDouble ? Quotation::Double : (hasSingle ? Quotation::Single : Quotation::None);
    Check(selected == expected, "the quotation follows the marks");
}

void CheckPaste(const std::u16string& text, const NotationOptions& before) {
    const PasteOutcome outcome = PasteText(text, before);
    Check(CanPasteText(text) == outcome.colour.has_value(),
          "paste is offered exactly when it takes a colour");

    const NotationOptions& after = outcome.options;
    Check(after.nameBox == before.nameBox || after.nameBox == 1, "the name box is only ticked");
    Check(after.letterCase != LetterCase::FirstUpper || after.nameBox != 0,
          "first upper never comes with an unticked name box");

    const std::u16string bare = StripQuotation(text);
    NotationOptions adopted = before;
    adopted.quotation = after.quotation;
    AdoptNotation(bare, adopted);
    Check(adopted.nameBox == after.nameBox && adopted.letterCase == after.letterCase,
          "the paste adopts the notation of the bare text");
    if (!bare.empty() && bare.front() == u'#') {
        Check(after.nameBox == before.nameBox, "the digit form never changes the name box");
    }
    Check(ReadColorString(bare) == outcome.colour, "the paste reads the bare text");

    if (!outcome.colour) {
        return;
    }
    const Rgb colour = *outcome.colour;
    Check(ValidChannel(colour.red) && ValidChannel(colour.green) && ValidChannel(colour.blue),
          "channels are 0..255");

    // Writing the colour with the adopted options and pasting it again changes nothing.
    const std::u16string written = ComposeColorString(colour, after);
    const PasteOutcome again = PasteText(written, after);
    Check(again.colour == colour, "a composed string pastes back as the same colour");
    Check(ComposeColorString(colour, again.options) == written,
          "a composed string pastes back as the same notation");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    NotationOptions before = OptionsFromByte(data[0]);
    // First upper is only reachable with the name box ticked or greyed.
    if (before.letterCase == LetterCase::FirstUpper && before.nameBox == 0) {
        before.nameBox = 1;
    }
    std::u16string text;
    text.reserve((size - 1) / 2);
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }

    CheckLookups(text);
    CheckStrip(text);
    CheckPaste(text, before);

    if (size >= 3) {
        const auto channel = static_cast<std::int16_t>(data[1] | (data[2] << 8));
        const std::u16string hex = ToHexByte(channel);
        Check(hex.size() >= 2 && hex.size() <= 4, "a 16-bit value has two to four digits");
        const unsigned long back = std::stoul(std::string(hex.begin(), hex.end()), nullptr, 16);
        Check(back == static_cast<std::uint16_t>(channel), "the digits are the 16-bit value");
    }
    return 0;
}
