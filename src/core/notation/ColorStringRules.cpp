// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/notation/ColorStringRules.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "core/notation/HexDigit.h"
#include "core/notation/modVitrel.h"

namespace vitrel::ColorStringRules {

namespace {

constexpr char16_t kDoubleQuote = u'"';
constexpr char16_t kSingleQuote = u'\'';

bool IsUpper(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

bool IsLower(char16_t c) {
    return c >= u'a' && c <= u'z';
}

char16_t ToUpper(char16_t c) {
    return IsLower(c) ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

char16_t ToLower(char16_t c) {
    return IsUpper(c) ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// "#" and three pairs of hexadecimal digits, nothing else.
std::optional<Rgb> ReadDigitForm(std::u16string_view text) {
    if (text.size() != 7 || text.front() != u'#') {
        return std::nullopt;
    }
    int channels[3] = {};
    for (std::size_t pair = 0; pair < 3; ++pair) {
        const int high = HexDigitValue(text[1 + 2 * pair]);
        const int low = HexDigitValue(text[2 + 2 * pair]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        channels[pair] = high * 16 + low;
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

}  // namespace

std::u16string ToHexByte(std::int16_t channel) {
    // Out-of-range values show their whole 16-bit pattern (two's complement when negative),
    // so that a bad channel stays visible instead of being cut to two digits.
    auto value = static_cast<std::uint16_t>(channel);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), u"0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value != 0);
    if (digits.size() == 1) {
        digits.insert(digits.begin(), u'0');
    }
    return digits;
}

std::u16string ComposeColorString(Rgb colour, const NotationOptions& options) {
    std::u16string text = u"#" + ToHexByte(static_cast<std::int16_t>(colour.red)) +
                          ToHexByte(static_cast<std::int16_t>(colour.green)) +
                          ToHexByte(static_cast<std::int16_t>(colour.blue));

    // A greyed name box (2) does not turn names on.
    if (options.nameBox == 1) {
        std::u16string name = modVitrel::HexToColorName(text);
        if (!name.empty()) {
            text = std::move(name);
        }
    }

    switch (options.letterCase) {
        case LetterCase::Upper:
            for (char16_t& c : text) {
                c = ToUpper(c);
            }
            break;
        case LetterCase::Lower:
            for (char16_t& c : text) {
                c = ToLower(c);
            }
            break;
        case LetterCase::FirstUpper:
            for (std::size_t i = 0; i < text.size(); ++i) {
                text[i] = i == 0 ? ToUpper(text[i]) : ToLower(text[i]);
            }
            break;
    }

    switch (options.quotation) {
        case Quotation::Double:
            text = kDoubleQuote + text + kDoubleQuote;
            break;
        case Quotation::Single:
            text = kSingleQuote + text + kSingleQuote;
            break;
        case Quotation::None:
            break;
    }
    return text;
}

std::u16string StripQuotation(const std::u16string& text, Quotation* selected) {
    if (selected != nullptr) {
        if (text.find(kDoubleQuote) != std::u16string::npos) {
            *selected = Quotation::Double;
        } else if (text.find(kSingleQuote) != std::u16string::npos) {
            *selected = Quotation::Single;
        } else {
            *selected = Quotation::None;
        }
    }

    // Marks become spaces, so a text is trimmed past them as well as past the spaces.
    const auto isBlank = [](char16_t c) {
        return c == u' ' || c == kDoubleQuote || c == kSingleQuote;
    };
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first])) {
        ++first;
    }
    std::size_t end = text.size();
    while (end > first && isBlank(text[end - 1])) {
        --end;
    }
    std::u16string bare = text.substr(first, end - first);
    for (char16_t& c : bare) {
        if (c == kDoubleQuote || c == kSingleQuote) {
            c = u' ';
        }
    }
    return bare;
}

void AdoptNotation(const std::u16string& text, NotationOptions& options) {
    if (text.empty()) {
        return;
    }

    if (text.front() != u'#') {
        if (modVitrel::ColorNameToHex(text).empty()) {
            return;
        }
        options.nameBox = 1;
        if (!IsUpper(text[0])) {
            options.letterCase = LetterCase::Lower;
        } else if (text.size() < 2 || !IsUpper(text[1])) {
            options.letterCase = LetterCase::FirstUpper;
        } else {
            options.letterCase = LetterCase::Upper;
        }
        return;
    }

    if (text.size() != 7) {
        return;
    }
    // Any letter counts here, not only A-F: a mistyped #GGGGGG still says "upper case".
    bool letterSeen = false;
    bool upperSeen = false;
    for (std::size_t i = 1; i < 7; ++i) {
        if (IsUpper(text[i])) {
            letterSeen = upperSeen = true;
            break;
        }
        if (IsLower(text[i])) {
            letterSeen = true;
        }
    }
    if (!letterSeen) {
        return;
    }
    // Digits in first-upper case look lower case; keep a first-upper choice made for names.
    if (options.nameBox != 0 && options.letterCase == LetterCase::FirstUpper) {
        return;
    }
    options.letterCase = upperSeen ? LetterCase::Upper : LetterCase::Lower;
}

std::optional<Rgb> ReadColorString(const std::u16string& bareText) {
    if (!bareText.empty() && bareText.front() != u'#') {
        return ReadDigitForm(modVitrel::ColorNameToHex(bareText));
    }
    return ReadDigitForm(bareText);
}

bool CanPasteText(const std::u16string& clipboardText) {
    const std::u16string bare = StripQuotation(clipboardText);
    if (bare.empty()) {
        return false;
    }
    if (bare.size() == 7 && bare.front() == u'#') {
        return ReadDigitForm(bare).has_value();
    }
    return !modVitrel::ColorNameToHex(bare).empty();
}

PasteOutcome PasteText(const std::u16string& clipboardText, const NotationOptions& before) {
    PasteOutcome outcome{before, std::nullopt};
    const std::u16string bare = StripQuotation(clipboardText, &outcome.options.quotation);
    // The options follow the text even when it then turns out not to be a colour.
    AdoptNotation(bare, outcome.options);
    outcome.colour = ReadColorString(bare);
    return outcome;
}

}  // namespace vitrel::ColorStringRules
