// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// The colour string as a pure value: composing it from a colour and the notation options,
/// and reading a pasted text back into a colour and options. The main window keeps the
/// options in its controls and calls these rules; the fuzz target calls them directly.
namespace vitrel::ColorStringRules {

enum class LetterCase { Upper, Lower, FirstUpper };  // Option1, Option2, Option3
enum class Quotation { Double, Single, None };       // Option4, Option5, Option6

struct NotationOptions {
    std::int16_t nameBox = 1;  // CckColStr: 0 unticked, 1 ticked, 2 greyed
    LetterCase letterCase = LetterCase::Upper;
    Quotation quotation = Quotation::None;
    friend bool operator==(const NotationOptions&, const NotationOptions&) = default;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// Two upper-case hexadecimal digits; a one-digit value gets a leading "0".
std::u16string ToHexByte(std::int16_t channel);

/// Name, then case, then quotation, each applied independently.
std::u16string ComposeColorString(Rgb colour, const NotationOptions& options);

/// Quotation marks become spaces and the ends are trimmed of spaces. When selected is given it
/// receives the quotation the marks ask for (a double quote wins over a single quote).
std::u16string StripQuotation(const std::u16string& text, Quotation* selected = nullptr);

/// Changes only the name box and letter case that the bare (unquoted) text asks for.
void AdoptNotation(const std::u16string& text, NotationOptions& options);

/// The colour of a bare text: "#" and three hexadecimal pairs, or a known colour name.
std::optional<Rgb> ReadColorString(const std::u16string& bareText);

/// Whether the paste command can take a colour from this clipboard text (options untouched).
bool CanPasteText(const std::u16string& clipboardText);

/// What one paste of a text does to the options and the colour, in the paste command's order:
/// quotation from the marks, notation adopted before the text is judged, then the colour.
struct PasteOutcome {
    NotationOptions options;
    std::optional<Rgb> colour;
};
PasteOutcome PasteText(const std::u16string& clipboardText, const NotationOptions& before);

}  // namespace vitrel::ColorStringRules
