// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "input/modTxtBoxUtl.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utrans.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "input/IForm.h"
#include "input/IInputEnvironment.h"

namespace vitrel::modTxtBoxUtl {
namespace {

constexpr std::u16string_view kTextBox = u"TextBox";
constexpr std::u16string_view kComboBox = u"ComboBox";
constexpr std::u16string_view kTextBoxComboBox = u"TextBoxComboBox";
constexpr int kDropDownList = 2;

constexpr std::int16_t kVbKeyLeft = 37;
constexpr std::int16_t kVbKeyUp = 38;
constexpr std::int16_t kVbKeyRight = 39;
constexpr std::int16_t kVbKeyDown = 40;

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

struct CharRange {
    char32_t lo;
    char32_t hi;
};

// The range an entry allows, or nothing for an entry of any other shape.
std::optional<CharRange> EntryRange(std::u16string_view entry) {
    if (entry.empty()) {
        return CharRange{0, 0};
    }
    char32_t chars[3] = {};
    std::size_t count = 0;
    for (std::size_t i = 0; i < entry.size();) {
        if (count == 3) {
            return std::nullopt;
        }
        chars[count++] = NextCodePoint(entry, i);
    }
    if (count == 1) {
        return CharRange{chars[0], chars[0]};
    }
    if (count == 3 && chars[1] == U'-') {
        return CharRange{std::min(chars[0], chars[2]), std::max(chars[0], chars[2])};
    }
    return std::nullopt;
}

bool IsAllowed(const std::vector<CharRange>& ranges, char32_t code) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [code](const CharRange& r) { return r.lo <= code && code <= r.hi; });
}

// The one-character text of a key code, or nothing when the code names no character.
std::optional<std::u16string> CharacterOf(std::int32_t code) {
    if (code >= 0 && code <= 0xFFFF) {
        return std::u16string(1, static_cast<char16_t>(code));
    }
    if (code > 0xFFFF && code <= 0x10FFFF) {
        const std::int32_t offset = code - 0x10000;
        return std::u16string{static_cast<char16_t>(0xD800 + (offset >> 10)),
                              static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
    }
    return std::nullopt;
}

void SwapRows(TabOrderTable& table, int a, int b) {
    SwapIntegers(table[a][0], table[b][0]);
    SwapIntegers(table[a][1], table[b][1]);
}

int PivotRow(double random, int first, int last) {
    const double position = std::floor(random * (last - first + 1.0) + first);
    if (!(position >= first)) {  // also NaN
        return first;
    }
    return position > last ? last : static_cast<int>(position);
}

void SortRows(IInputEnvironment& env, TabOrderTable& table, int first, int last) {
    // The larger side is sorted by the loop rather than a second recursive call: the same
    // steps in the same order, with the depth bounded by the logarithm of the row count.
    while (first < last) {
        if (last - first == 1) {
            if (table[last][1] < table[first][1]) {
                SwapRows(table, first, last);
            }
            return;
        }
        SwapRows(table, PivotRow(env.Rnd(), first, last), last);
        const std::int16_t pivot = table[last][1];
        int i = first;
        int j = last;
        do {
            while (i < j && table[i][1] <= pivot) {
                ++i;
            }
            while (j > i && table[j][1] >= pivot) {
                --j;
            }
            if (i < j) {
                SwapRows(table, i, j);
            }
        } while (i < j);
        SwapRows(table, i, last);
        if (i - first < last - i) {
            SortRows(env, table, first, i - 1);
            first = i + 1;
        } else {
            SortRows(env, table, i + 1, last);
            last = i - 1;
        }
    }
}

// A control whose TabStop and Visible both read as True is a candidate; controls that cannot
// be read, and indexes or tab indexes a 16-bit row cannot hold, are left out.
TabOrderTable BuildTabOrderTable(const IForm& form) {
    TabOrderTable table;
    const int count = std::min(form.ControlCount(), std::numeric_limits<std::int16_t>::max() + 1);
    for (int i = 0; i < count; ++i) {
        try {
            const IControl* control = form.Controls(i);
            if (control == nullptr) {
                continue;
            }
            const std::optional<bool> tabStop = control->TabStop();
            const std::optional<bool> visible = control->Visible();
            if (!tabStop || !visible || !*tabStop || !*visible) {
                continue;
            }
            const std::optional<int> tabIndex = control->TabIndex();
            if (tabIndex && FitsInt16(*tabIndex)) {
                table.push_back(
                    {static_cast<std::int16_t>(i), static_cast<std::int16_t>(*tabIndex)});
            }
        } catch (...) {
            // An unreadable control is not a candidate.
        }
    }
    return table;
}

// The number at the start of a text, as the numeric boxes read it: blanks (space, tab, line
// feed) skipped anywhere, then an optional sign, digits, fraction and exponent (E or D), or an
// "&H"/"&O" whole number; whatever follows is ignored and no number at all reads as 0.

// Enough significant digits to round any decimal text to the nearest double.
constexpr std::size_t kMaxSignificantDigits = 800;
constexpr long long kExponentCap = 1'000'000;

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int DigitValue(char16_t c, int base) {
    int digit = -1;
    if (IsDigit(c)) {
        digit = c - u'0';
    } else if (c >= u'A' && c <= u'F') {
        digit = c - u'A' + 10;
    } else if (c >= u'a' && c <= u'f') {
        digit = c - u'a' + 10;
    }
    return digit < base ? digit : -1;
}

class NumberScanner {
public:
    explicit NumberScanner(std::u16string_view text) : m_text(text) {}

    double Read() {
        SkipBlanks();
        if (Peek() == u'&') {
            return ReadPrefixed();
        }
        return ReadDecimal();
    }

private:
    char16_t Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : u'\0'; }

    void SkipBlanks() {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) {
            ++m_pos;
        }
    }

    // Next character, blanks skipped; '\0' at the end.
    char16_t Next() {
        SkipBlanks();
        return Peek();
    }

    // "&H1F" and "&O17": plain whole numbers, no sign.
    double ReadPrefixed() {
        ++m_pos;
        const char16_t kind = Next();
        const int base = (kind == u'H' || kind == u'h')   ? 16
                         : (kind == u'O' || kind == u'o') ? 8
                                                          : 0;
        if (base == 0) {
            return 0;
        }
        ++m_pos;
        double value = 0;
        for (int digit = DigitValue(Next(), base); digit >= 0; digit = DigitValue(Next(), base)) {
            value = value * base + digit;  // grows to infinity at worst
            ++m_pos;
        }
        return value;
    }

    // Sign, digits, fraction, exponent. Only the first kMaxSignificantDigits digits are kept;
    // the rest count for the scale, and a non-zero one among them is kept as a sticky digit
    // so the rounding stays right.
    double ReadDecimal() {
        bool negative = false;
        if (const char16_t sign = Next(); sign == u'+' || sign == u'-') {
            negative = sign == u'-';
            ++m_pos;
        }
        std::string digits;
        long long scale = 0;
        bool sticky = false;
        for (char16_t c = Next(); IsDigit(c); c = Next()) {
            if (digits.size() < kMaxSignificantDigits) {
                if (!digits.empty() || c != u'0') {
                    digits.push_back(static_cast<char>(c));
                }
            } else {
                ++scale;
                sticky = sticky || c != u'0';
            }
            ++m_pos;
        }
        if (Next() == u'.') {
            ++m_pos;
            for (char16_t c = Next(); IsDigit(c); c = Next()) {
                if (digits.size() < kMaxSignificantDigits) {
                    if (!digits.empty() || c != u'0') {
                        digits.push_back(static_cast<char>(c));
                    }
                    --scale;
                } else {
                    sticky = sticky || c != u'0';
                }
                ++m_pos;
            }
        }
        long long exponent = 0;
        const char16_t mark = Next();
        if (mark == u'E' || mark == u'e' || mark == u'D' || mark == u'd') {
            ++m_pos;
            bool negativeExponent = false;
            if (const char16_t sign = Next(); sign == u'+' || sign == u'-') {
                negativeExponent = sign == u'-';
                ++m_pos;
            }
            for (char16_t c = Next(); IsDigit(c); c = Next()) {
                exponent = std::min(exponent * 10 + (c - u'0'), kExponentCap);
                ++m_pos;
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
        }
        if (digits.empty()) {
            return 0;
        }
        if (sticky) {
            digits.push_back('1');
            --scale;
        }
        const long long power = scale + exponent;
        // Decimal exponent of the leading digit.
        const long long magnitude = power + static_cast<long long>(digits.size()) - 1;
        double value = 0;
        if (magnitude > 400) {
            value = std::numeric_limits<double>::infinity();
        } else if (magnitude >= -400) {
            digits += 'e';
            digits += std::to_string(power);
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (error == std::errc::result_out_of_range) {
                value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
            } else if (error != std::errc{} || end != digits.data() + digits.size()) {
                value = 0;
            }
        }
        return negative ? -value : value;
    }

    std::u16string_view m_text;
    std::size_t m_pos = 0;
};

// Decimal, at most 15 significant digits, no needless zeros, "1E+20" for large magnitudes.
std::u16string FormatNumber(double value) {
    if (value == 0) {
        return u"0";
    }
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc{}) {
        return {};
    }
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

void SwapIntegers(std::int16_t& a, std::int16_t& b) {
    std::swap(a, b);
}

int FindTabIndexRow(const TabOrderTable& table, std::int16_t TabIndex) {
    std::ptrdiff_t lo = 0;
    std::ptrdiff_t hi = static_cast<std::ptrdiff_t>(table.size()) - 1;
    while (lo <= hi) {
        const std::ptrdiff_t mid = (lo + hi) / 2;
        if (table[mid][1] == TabIndex) {
            return static_cast<int>(mid);
        }
        if (table[mid][1] < TabIndex) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return -1;
}

void SortTabOrderTable(IInputEnvironment& env, TabOrderTable& table, int first, int last) {
    if (first >= last || first < 0 || static_cast<std::size_t>(last) >= table.size()) {
        return;
    }
    try {
        SortRows(env, table, first, last);
    } catch (...) {
        // A failing random source leaves the rows as far as they got.
    }
}

IControl* GetTabOrderControl(IInputEnvironment& env, std::int16_t& direction, IControl*& control) {
    try {
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
        if (form == nullptr) {
            return nullptr;
        }
        const std::optional<int> current = control->TabIndex();
        if (!current || !FitsInt16(*current)) {
            return nullptr;
        }
        TabOrderTable table = BuildTabOrderTable(*form);
        if (table.size() >= 2) {
            SortTabOrderTable(env, table, 0, static_cast<int>(table.size()) - 1);
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
    } catch (...) {
        return nullptr;
    }
}

void SetFocusSafe(IControl* control) {
    if (control == nullptr) {
        return;
    }
    try {
        control->SetFocus();  // a disabled or hidden target refuses; the focus stays put
    } catch (...) {
    }
}

void SelectAllOnFocus(IInputEnvironment& env) {
    try {
        IControl* box = ActiveControl(env);
        if (box == nullptr || box->ClassName() != kTextBox) {
            return;
        }
        // A click into the box holds the capture on it and places the caret itself.
        const WindowHandle capture = env.GetCapture();
        if (capture != 0 && capture == box->hWnd()) {
            return;
        }
        const std::optional<std::u16string> text = box->Text();
        if (!text) {
            return;
        }
        box->SetSelStart(0);
        box->SetSelLength(ClampToInt(text->size()));
    } catch (...) {
    }
}

void ConvertBoxText(IInputEnvironment& env, std::int32_t mode, IControl* box) {
    if (mode != vbNarrow) {
        return;
    }
    try {
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
        std::u16string converted = ToNarrow(*text);
        // Writing back an unchanged text would only raise another Change.
        if (converted == *text) {
            return;
        }
        box->SetText(converted);
        box->SetSelStart(*selStart);
        box->SetSelLength(*selLength);
    } catch (...) {
    }
}

void FilterKeyAscii(IInputEnvironment& env, std::int32_t& KeyAscii,
                    std::initializer_list<std::u16string_view> entries) {
    try {
        const std::span<const std::u16string_view> list(entries.begin(), entries.size());
        if (!list.empty()) {
            const std::optional<std::u16string> character = CharacterOf(KeyAscii);
            if (character && IsTextInCharList(*character, list)) {
                return;
            }
        }
        switch (KeyAscii) {
            case kCtrlC:
            case kBackspace:
            case kTab:
            case kCtrlEnter:
            case kEnter:
                return;
            case kCtrlV:
                if (!list.empty() && IsTextInCharList(env.ClipboardText(), list)) {
                    return;
                }
                break;
            default:
                break;
        }
        KeyAscii = 0;
    } catch (...) {
        KeyAscii = 0;
    }
}

void MoveFocusOnArrowKey(IInputEnvironment& env, std::int16_t KeyCode) {
    try {
        IControl* control = ActiveControl(env);
        if (control == nullptr) {
            return;
        }
        const std::u16string className = control->ClassName();
        bool backward = false;
        bool forward = false;
        if (className == kTextBox) {
            backward = KeyCode == kVbKeyLeft || KeyCode == kVbKeyUp;
            forward = KeyCode == kVbKeyRight || KeyCode == kVbKeyDown;
        } else if (IsComboClass(className) && control->style() != kDropDownList) {
            // Up and Down belong to the combo box's list.
            backward = KeyCode == kVbKeyLeft;
            forward = KeyCode == kVbKeyRight;
        }
        if (!backward && !forward) {
            return;
        }
        const std::optional<int> selLength = control->SelLength();
        const std::optional<int> selStart = control->SelStart();
        if (!selLength || *selLength != 0 || !selStart) {
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
    } catch (...) {
    }
}

void MoveFocusOnEnter(IInputEnvironment& env, std::int32_t& KeyAscii) {
    if (KeyAscii != kEnter) {
        return;
    }
    KeyAscii = 0;
    try {
        SetFocusSafe(Neighbour(env, 1, nullptr));
    } catch (...) {
    }
}

void ClampNumericText(IInputEnvironment& env, double lower, double upper, IControl* box) {
    try {
        std::int16_t direction = 0;
        box = GetTabOrderControl(env, direction, box);
        if (box == nullptr || !IsBoxClass(box->ClassName())) {
            return;
        }
        if (std::isnan(lower)) {
            lower = 0;
        }
        if (std::isnan(upper)) {
            upper = 0;
        }
        const std::optional<std::u16string> text = box->Text();
        if (!text) {
            return;
        }
        const double original = NumberScanner(*text).Read();
        double value = original;
        if (value < lower) {
            value = lower;
        }
        if (value > upper) {
            value = upper;
        }
        // "0255" and "12.7" are in range as they stand: only a value that changed is written.
        if (value == original || !std::isfinite(value)) {
            return;
        }
        const std::u16string corrected = FormatNumber(value);
        if (corrected.empty()) {
            return;
        }
        box->SetText(corrected);
        box->SetSelStart(0);
        box->SetSelLength(ClampToInt(corrected.size()));
    } catch (...) {
    }
}

bool IsTextInCharList(std::u16string_view text, std::span<const std::u16string_view> list) {
    try {
        std::vector<CharRange> ranges;
        ranges.reserve(list.size());
        for (const std::u16string_view entry : list) {
            if (const std::optional<CharRange> range = EntryRange(entry)) {
                ranges.push_back(*range);
            }
        }
        if (text.empty()) {
            return IsAllowed(ranges, 0);
        }
        for (std::size_t i = 0; i < text.size();) {
            if (!IsAllowed(ranges, NextCodePoint(text, i))) {
                return false;
            }
        }
        return true;
    } catch (...) {
        return false;
    }
}

std::u16string ToNarrow(const std::u16string& text) {
    // Pure ASCII has no wide forms; this also spares loading the transliterator at start-up.
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
        return text;
    }
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return text;
    }
    try {
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
    } catch (...) {
        return text;
    }
}

}  // namespace vitrel::modTxtBoxUtl
