// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/input/modTxtBoxUtl.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utrans.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "core/input/IForm.h"
#include "core/input/IInputEnvironment.h"
#include "core/input/KeyCodes.h"
#include "core/notation/HexDigit.h"

namespace vitrel::modTxtBoxUtl {
namespace {

constexpr std::u16string_view kTextBox = u"TextBox";
constexpr std::u16string_view kComboBox = u"ComboBox";
constexpr std::u16string_view kTextBoxComboBox = u"TextBoxComboBox";
constexpr int kDropDownList = 2;

// Character codes of KeyPress, not key codes.
constexpr std::int32_t kCtrlC = 3;
constexpr std::int32_t kBackspace = 8;
constexpr std::int32_t kTab = 9;
constexpr std::int32_t kCtrlEnter = 10;
constexpr std::int32_t kEnter = 13;
constexpr std::int32_t kCtrlV = 22;

bool IsComboClass(std::u16string_view className) {
    return className == kComboBox || className == kTextBoxComboBox;
}

bool IsBoxClass(std::u16string_view className) {
    return className == kTextBox || IsComboClass(className);
}

bool FitsInt16(long long value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

int ClampToInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, std::numeric_limits<int>::max()));
}

IControl* ActiveControl(IInputEnvironment& env) {
    std::int16_t direction = 0;
    IControl* control = nullptr;
    return GetTabOrderControl(env, direction, control);
}

IControl* Neighbour(IInputEnvironment& env, std::int16_t direction, IControl* control) {
    return GetTabOrderControl(env, direction, control);
}

// Code point at text[i], advancing i; a lone surrogate stands for itself.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
    const char16_t unit = text[i++];
    if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 &&
        text[i] <= 0xDFFF) {
        const char16_t low = text[i++];
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
    }
    return unit;
}

// Whether an entry allows code: one character, a range "a-z" (ends in either order), or ""
// for the character 0. An entry of any other shape allows nothing.
bool EntryAllows(std::u16string_view entry, char32_t code) {
    char32_t chars[3] = {};
    std::size_t count = 0;
    for (std::size_t i = 0; i < entry.size(); ++count) {
        if (count == 3) {
            return false;
        }
        chars[count] = NextCodePoint(entry, i);
    }
    if (count <= 1) {
        return code == chars[0];
    }
    return count == 3 && chars[1] == U'-' && std::min(chars[0], chars[2]) <= code &&
           code <= std::max(chars[0], chars[2]);
}

bool IsAllowed(std::span<const std::u16string_view> list, char32_t code) {
    return std::any_of(list.begin(), list.end(),
                       [code](std::u16string_view entry) { return EntryAllows(entry, code); });
}

// A control whose TabStop and Visible both read as True is a candidate; controls that cannot
// be read, and indexes or tab indexes a 16-bit row cannot hold, are left out.
TabOrderTable BuildTabOrderTable(const IForm& form) {
    TabOrderTable table;
    const int count = std::min(form.ControlCount(), std::numeric_limits<std::int16_t>::max() + 1);
    for (int i = 0; i < count; ++i) {
        const IControl* control = form.Controls(i);
        if (control == nullptr || control->TabStop() != true || control->Visible() != true) {
            continue;
        }
        const std::optional<int> tabIndex = control->TabIndex();
        if (tabIndex && FitsInt16(*tabIndex)) {
            table.push_back({static_cast<std::int16_t>(i), static_cast<std::int16_t>(*tabIndex)});
        }
    }
    return table;
}

// Whether a decimal number (no sign) that from_chars found out of a double's range lies beyond
// the largest double rather than below the smallest; from_chars leaves the value alone in both
// cases. The power of ten of the first significant digit tells, give or take one: out of range,
// it is hundreds away from 0.
bool IsBeyondLargest(std::string_view number) {
    const std::size_t mark = std::min(number.find_first_of("eE"), number.size());
    std::string_view exponent = number.substr(std::min(mark + 1, number.size()));
    if (exponent.starts_with('+')) {
        exponent.remove_prefix(1);
    }
    long long power = 0;
    if (std::from_chars(exponent.data(), exponent.data() + exponent.size(), power).ec ==
        std::errc::result_out_of_range) {
        // No number of digits outweighs this.
        power = (exponent.starts_with('-') ? -1 : 1) * (std::numeric_limits<long long>::max() / 2);
    }
    const std::string_view mantissa = number.substr(0, mark);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<long long>(mantissa.find_first_not_of("0."));
    return power + point - first >= 0;
}

// The number at the start of a text, as the numeric boxes read it: blanks (space, tab, line
// feed) skipped anywhere, then an optional sign, digits, fraction and exponent (E or D), or an
// "&H"/"&O" whole number; whatever follows is ignored and no number at all reads as 0.
double ReadNumber(std::u16string_view text) {
    // A number is ASCII, so it ends at the first character outside ASCII.
    std::string number;
    for (const char16_t c : text) {
        if (c >= 0x80) {
            break;
        }
        if (c != u' ' && c != u'\t' && c != u'\n') {
            number.push_back(static_cast<char>(c));
        }
    }
    if (number.starts_with('&')) {
        const char kind = number.size() > 1 ? number[1] : '\0';
        const int base = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        double value = 0;
        for (std::size_t i = 2; base != 0 && i < number.size(); ++i) {
            const int digit = HexDigitValue(static_cast<char32_t>(number[i]));
            if (digit < 0 || digit >= base) {
                break;
            }
            value = value * base + digit;  // grows to infinity at worst
        }
        return value;
    }
    const bool negative = number.starts_with('-');
    if (negative || number.starts_with('+')) {
        number.erase(0, 1);
    }
    // from_chars would take a second sign, "inf" and "nan", and knows no D exponent.
    if (number.empty() ||
        !(std::isdigit(static_cast<unsigned char>(number[0])) || number[0] == '.')) {
        return 0;
    }
    if (const std::size_t mark = number.find_first_not_of("0123456789.");
        mark != std::string::npos && (number[mark] == 'D' || number[mark] == 'd')) {
        number[mark] = 'E';
    }
    double value = 0;  // also when from_chars finds no number, as in "."
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = IsBeyondLargest({number.data(), end}) ? std::numeric_limits<double>::infinity() : 0;
    }
    return negative ? -value : value;
}

// Decimal, at most 15 significant digits, no needless zeros, "1E+20" for large magnitudes.
std::u16string FormatNumber(double value) {
    if (value == 0) {
        return u"0";
    }
    char buffer[32];  // sign, 15 digits, point and exponent
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::u16string text;
    for (const char* p = buffer; p != end; ++p) {
        text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
    }
    return text;
}

const icu::Transliterator* NarrowingTransliterator() {
    static const std::unique_ptr<const icu::Transliterator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<const icu::Transliterator> created(icu::Transliterator::createInstance(
            icu::UnicodeString(u"Fullwidth-Halfwidth"), UTRANS_FORWARD, status));
        if (U_FAILURE(status)) {
            created.reset();
        }
        return created;
    }();
    return instance.get();
}

}  // namespace

int FindTabIndexRow(const TabOrderTable& table, std::int16_t TabIndex) {
    const auto row = std::lower_bound(table.begin(), table.end(), TabIndex,
                                      [](const auto& r, std::int16_t key) { return r[1] < key; });
    return row != table.end() && (*row)[1] == TabIndex ? static_cast<int>(row - table.begin()) : -1;
}

void SortTabOrderTable(TabOrderTable& table, int first, int last) {
    if (first >= last || first < 0 || static_cast<std::size_t>(last) >= table.size()) {
        return;
    }
    std::sort(table.begin() + first, table.begin() + last + 1,
              [](const auto& a, const auto& b) { return a[1] < b[1]; });
}

IControl* GetTabOrderControl(IInputEnvironment& env, std::int16_t& direction, IControl*& control) {
    if (control == nullptr) {
        const IForm* form = env.ActiveForm();
        if (form == nullptr) {
            return nullptr;
        }
        control = form->ActiveControl();
        if (control == nullptr) {
            return nullptr;
        }
    }
    if (direction == 0) {
        return control;
    }
    const IForm* form = control->Parent();
    const std::optional<int> current = control->TabIndex();
    if (form == nullptr || !current || !FitsInt16(*current)) {
        return nullptr;
    }
    TabOrderTable table = BuildTabOrderTable(*form);
    if (table.size() >= 2) {
        SortTabOrderTable(table, 0, static_cast<int>(table.size()) - 1);
    }
    int p = FindTabIndexRow(table, static_cast<std::int16_t>(*current));
    if (p < 0) {
        return nullptr;
    }
    const int last = static_cast<int>(table.size()) - 1;
    if (direction < 0) {
        p = p > 0 ? p - 1 : last;
    } else {
        p = p < last ? p + 1 : 0;
    }
    return form->Controls(table[p][0]);
}

void SetFocusSafe(IControl* control) {
    if (control != nullptr) {
        control->SetFocus();  // a disabled or hidden target refuses; the focus stays put
    }
}

void SelectAllOnFocus(IInputEnvironment& env) {
    IControl* box = ActiveControl(env);
    if (box == nullptr || box->ClassName() != kTextBox) {
        return;
    }
    // A click into the box holds the capture on it and places the caret itself.
    const WindowHandle capture = env.GetCapture();
    if (capture != 0 && capture == box->hWnd()) {
        return;
    }
    if (const std::optional<std::u16string> text = box->Text()) {
        box->SetSelStart(0);
        box->SetSelLength(ClampToInt(text->size()));
    }
}

void ConvertBoxText(IInputEnvironment& env, std::int32_t mode, IControl* box) {
    if (mode != vbNarrow) {
        return;
    }
    std::int16_t direction = 0;
    box = GetTabOrderControl(env, direction, box);
    if (box == nullptr) {
        return;
    }
    const std::u16string className = box->ClassName();
    if (!IsBoxClass(className) || (className == kComboBox && box->style() == kDropDownList)) {
        return;
    }
    const std::optional<int> selStart = box->SelStart();
    const std::optional<int> selLength = box->SelLength();
    const std::optional<std::u16string> text = box->Text();
    if (!selStart || !selLength || !text) {
        return;
    }
    const std::u16string converted = ToNarrow(*text);
    // Writing back an unchanged text would only raise another Change.
    if (converted != *text) {
        box->SetText(converted);
        box->SetSelStart(*selStart);
        box->SetSelLength(*selLength);
    }
}

void FilterKeyAscii(IInputEnvironment& env, std::int32_t& KeyAscii,
                    std::initializer_list<std::u16string_view> entries) {
    const std::span<const std::u16string_view> list(entries.begin(), entries.size());
    if (KeyAscii >= 0 && KeyAscii <= 0x10FFFF && IsAllowed(list, static_cast<char32_t>(KeyAscii))) {
        return;
    }
    switch (KeyAscii) {
        case kCtrlC:
        case kBackspace:
        case kTab:
        case kCtrlEnter:
        case kEnter:
            return;
        case kCtrlV:
            if (IsTextInCharList(env.ClipboardText(), list)) {
                return;
            }
            break;
        default:
            break;
    }
    KeyAscii = 0;
}

void MoveFocusOnArrowKey(IInputEnvironment& env, std::int16_t KeyCode) {
    using namespace KeyCodes;
    IControl* control = ActiveControl(env);
    if (control == nullptr) {
        return;
    }
    const std::u16string className = control->ClassName();
    bool backward = false;
    bool forward = false;
    if (className == kTextBox) {
        backward = KeyCode == vbKeyLeft || KeyCode == vbKeyUp;
        forward = KeyCode == vbKeyRight || KeyCode == vbKeyDown;
    } else if (IsComboClass(className) && control->style() != kDropDownList) {
        // Up and Down belong to the combo box's list.
        backward = KeyCode == vbKeyLeft;
        forward = KeyCode == vbKeyRight;
    }
    const std::optional<int> selLength = control->SelLength();
    const std::optional<int> selStart = control->SelStart();
    if ((!backward && !forward) || selLength != 0 || !selStart) {
        return;
    }
    std::int16_t direction = 0;
    if (backward && *selStart == 0) {
        direction = -1;
    } else if (forward) {
        const std::optional<std::u16string> text = control->Text();
        if (text && static_cast<std::size_t>(*selStart) == text->size()) {
            direction = 1;
        }
    }
    if (direction != 0) {
        SetFocusSafe(Neighbour(env, direction, control));
    }
}

void MoveFocusOnEnter(IInputEnvironment& env, std::int32_t& KeyAscii) {
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        SetFocusSafe(Neighbour(env, 1, nullptr));
    }
}

void ClampNumericText(IInputEnvironment& env, double lower, double upper, IControl* box) {
    std::int16_t direction = 0;
    box = GetTabOrderControl(env, direction, box);
    if (box == nullptr || !IsBoxClass(box->ClassName())) {
        return;
    }
    const std::optional<std::u16string> text = box->Text();
    if (!text) {
        return;
    }
    const double original = ReadNumber(*text);
    // A NaN bound counts as 0.
    const double value =
        std::min(std::max(original, std::isnan(lower) ? 0 : lower), std::isnan(upper) ? 0 : upper);
    // "0255" and "12.7" are in range as they stand: only a value that changed is written.
    if (value == original || !std::isfinite(value)) {
        return;
    }
    const std::u16string corrected = FormatNumber(value);
    box->SetText(corrected);
    box->SetSelStart(0);
    box->SetSelLength(ClampToInt(corrected.size()));
}

bool IsTextInCharList(std::u16string_view text, std::span<const std::u16string_view> list) {
    if (text.empty()) {
        return IsAllowed(list, 0);
    }
    for (std::size_t i = 0; i < text.size();) {
        if (!IsAllowed(list, NextCodePoint(text, i))) {
            return false;
        }
    }
    return true;
}

std::u16string ToNarrow(const std::u16string& text) {
    // Pure ASCII has no wide forms; this also spares loading the transliterator at start-up.
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; }) ||
        text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return text;
    }
    const icu::Transliterator* transliterator = NarrowingTransliterator();
    if (transliterator == nullptr) {
        return text;
    }
    icu::UnicodeString converted(text.data(), static_cast<std::int32_t>(text.size()));
    transliterator->transliterate(converted);
    if (converted.isBogus()) {
        return text;
    }
    return std::u16string(converted.getBuffer(), static_cast<std::size_t>(converted.length()));
}

}  // namespace vitrel::modTxtBoxUtl
