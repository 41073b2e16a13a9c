// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/ucSlider.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace vitrel {
namespace {

constexpr std::int32_t kTickTop = static_cast<std::int32_t>(TBS_TOP);
constexpr std::int32_t kTickBoth = static_cast<std::int32_t>(TBS_BOTH);
constexpr std::int32_t kNoTicks = static_cast<std::int32_t>(TBS_NOTICKS);
constexpr std::int32_t kVertical = static_cast<std::int32_t>(TBS_VERT);
constexpr std::int32_t kSelRange = static_cast<std::int32_t>(TBS_ENABLESELRANGE);
constexpr std::int32_t kDisabled = static_cast<std::int32_t>(WS_DISABLED);

bool KeyIsDown(int virtKey) {
    return (GetKeyState(virtKey) & kKeyDown) != 0;
}

std::int16_t ShiftState() {
    const auto down = [](int virtKey) { return (GetAsyncKeyState(virtKey) & kKeyDown) != 0; };
    return static_cast<std::int16_t>((down(VK_SHIFT) ? 1 : 0) | (down(VK_CONTROL) ? 2 : 0) |
                                     (down(VK_MENU) ? 4 : 0));
}

bool Fits32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

/// A stored field keeps only the bits it may hold, so a damaged entry cannot put other window
/// styles on the trackbar.
std::int32_t TickStyleBits(std::int32_t bits) {
    return bits == kTickTop || bits == kTickBoth || bits == kNoTicks ? bits : 0;
}

template <typename F, typename... Args>
void Raise(const F& event, Args&... args) {
    if (event) {
        event(args...);
    }
}

}  // namespace

std::u16string_view ucSliderTexts::Description(std::string_view name) {
    for (const auto& [property, text] : Descriptions) {
        if (property == name) {
            return text;
        }
    }
    return {};
}

ucSlider::ucSlider(ISliderContainer& container) : m_container(container) {
    m_trackbar = CreateWindowExA(
        0, TRACKBAR_CLASS, "", BaseStyle, 0, 0, static_cast<int>(m_container.ScaleWidth()),
        static_cast<int>(m_container.ScaleHeight()), m_container.hWnd(), 0, m_container.Instance());
}

ucSlider::~ucSlider() {
    m_trackbarSubscription.reset();
    m_controlSubscription.reset();
    if (TrackbarExists()) {
        DestroyWindow(m_trackbar);
    }
}

void ucSlider::InitProperties() {
    m_tipSide = TBTS_TOP;
    m_selLength = 0;
    m_selStart = 0;
    m_selectRangeBits = 0;
    m_smallChange = DefaultSmallChange;
    m_largeChange = DefaultLargeChange;
    m_value = 0;
    m_max = DefaultMax;
    m_min = DefaultMin;
    m_tickFrequency = DefaultTickFrequency;
    m_orientationBits = 0;
    m_tickStyleBits = 0;
    m_disabledBits = 0;
    RebuildTrackbar();
}

void ucSlider::ReadProperties(const IPropertyBag& bag) {
    m_container.SetBorderStyle(
        ReadPropertyOr<std::int16_t>(bag, "BorderStyle", DefaultBorderStyle));
    m_tickStyleBits = TickStyleBits(ReadPropertyOr<std::int32_t>(bag, "TickStyle", 0));
    m_orientationBits = ReadPropertyOr<std::int32_t>(bag, "Orientation", 0) & kVertical;
    m_tickFrequency = ReadPropertyOr<std::int32_t>(bag, "TickFrequency", DefaultTickFrequency);
    m_max = ReadPropertyOr<std::int32_t>(bag, "Max", DefaultMax);
    m_min = ReadPropertyOr<std::int32_t>(bag, "Min", DefaultMin);
    m_value = ReadPropertyOr<std::int32_t>(bag, "Value", 0);
    m_disabledBits = ReadPropertyOr<std::int32_t>(bag, "Enabled", 0) & kDisabled;
    m_largeChange = ReadPropertyOr<std::int32_t>(bag, "LargeChange", DefaultLargeChange);
    m_smallChange = ReadPropertyOr<std::int32_t>(bag, "SmallChange", DefaultSmallChange);
    m_selectRangeBits = ReadPropertyOr<std::int32_t>(bag, "SelectRange", 0) & kSelRange;
    m_selStart = ReadPropertyOr<std::int32_t>(bag, "SelStart", 0);
    m_selLength = ReadPropertyOr<std::int32_t>(bag, "SelLength", 0);
    const auto tipSide = ReadPropertyOr<std::int16_t>(bag, "TextPosition", TBTS_TOP);
    m_tipSide = tipSide >= TBTS_TOP && tipSide <= TBTS_RIGHT ? tipSide : std::int16_t{TBTS_TOP};
    SetMouseIcon(ReadPropertyOr<Picture>(bag, "MouseIcon", Picture{}));
    m_container.SetMousePointer(ReadPropertyOr<std::int16_t>(bag, "MousePointer", 0));
    m_container.SetOLEDropMode(ReadPropertyOr<std::int16_t>(bag, "OLEDropMode", 0));
    RebuildTrackbar();
    m_container.SetEnabled(m_disabledBits == 0);
}

void ucSlider::WriteProperties(IPropertyBag& bag) const {
    WritePropertyUnlessDefault(bag, "BorderStyle", m_container.BorderStyle(), DefaultBorderStyle);
    WritePropertyUnlessDefault(bag, "TickStyle", m_tickStyleBits, 0);
    WritePropertyUnlessDefault(bag, "Orientation", m_orientationBits, 0);
    WritePropertyUnlessDefault(bag, "TickFrequency", m_tickFrequency, DefaultTickFrequency);
    WritePropertyUnlessDefault(bag, "Max", m_max, DefaultMax);
    WritePropertyUnlessDefault(bag, "Min", m_min, DefaultMin);
    WritePropertyUnlessDefault(bag, "Value", m_value, 0);
    WritePropertyUnlessDefault(bag, "Enabled", m_disabledBits, 0);
    WritePropertyUnlessDefault(bag, "LargeChange", m_largeChange, DefaultLargeChange);
    WritePropertyUnlessDefault(bag, "SmallChange", m_smallChange, DefaultSmallChange);
    WritePropertyUnlessDefault(bag, "SelectRange", m_selectRangeBits, 0);
    WritePropertyUnlessDefault(bag, "SelStart", m_selStart, 0);
    WritePropertyUnlessDefault(bag, "SelLength", m_selLength, 0);
    WritePropertyUnlessDefault(bag, "TextPosition", m_tipSide, std::int16_t{TBTS_TOP});
    WritePropertyUnlessDefault(bag, "MouseIcon", m_container.MouseIcon(), Picture{});
    WritePropertyUnlessDefault(bag, "MousePointer", m_container.MousePointer(), std::int16_t{0});
    WritePropertyUnlessDefault(bag, "OLEDropMode", m_container.OLEDropMode(), std::int16_t{0});
}

std::int16_t ucSlider::BorderStyle() const {
    return m_container.BorderStyle();
}

void ucSlider::SetBorderStyle(std::int16_t value) {
    m_container.SetBorderStyle(value);
    Notify("BorderStyle");
}

std::int32_t ucSlider::TickStyle() const {
    switch (m_tickStyleBits) {
        case kTickTop:
            return 1;
        case kTickBoth:
            return 2;
        case kNoTicks:
            return 3;
        default:
            return 0;
    }
}

void ucSlider::SetTickStyle(std::int32_t value) {
    static constexpr std::array<std::int32_t, 4> kBits{0, kTickTop, kTickBoth, kNoTicks};
    m_tickStyleBits = value >= 0 && value <= 3 ? kBits[static_cast<std::size_t>(value)] : 0;
    RebuildTrackbar();
    Notify("TickStyle");
}

std::int32_t ucSlider::Orientation() const {
    return m_orientationBits == kVertical ? 1 : 0;
}

void ucSlider::SetOrientation(std::int32_t value) {
    const std::int32_t bits = value == 1 ? kVertical : 0;
    if (bits == m_orientationBits) {
        return;
    }
    m_orientationBits = bits;
    RebuildTrackbar();
    m_container.SetSize(m_container.Height(), m_container.Width());
    Notify("Orientation");
}

void ucSlider::SetTickFrequency(std::int32_t value) {
    m_tickFrequency = value;
    if (TrackbarExists()) {
        SendTrackbar(TBM_SETTICFREQ, static_cast<WPARAM>(value));
    }
    Notify("TickFrequency");
}

// The selection end is compared in 64 bits: a sum past the 32-bit range is out of range and so
// refused, never wrapped into it.
void ucSlider::SetMax(std::int32_t value) {
    m_max = value;
    if (value < m_min) {
        m_max = m_min;
        m_value = m_min;
    }
    if (TrackbarExists()) {
        SendTrackbar(TBM_SETRANGEMAX, kRedraw, m_max);
    }
    if (m_max < std::int64_t{m_selStart} + m_selLength) {
        SetSelStart(m_max < m_selStart ? m_max : m_selStart);
    }
    Notify("Max");
}

void ucSlider::SetMin(std::int32_t value) {
    m_min = value;
    if (value > m_max) {
        m_min = m_max;
        m_value = m_max;
    }
    if (TrackbarExists()) {
        SendTrackbar(TBM_SETRANGEMIN, kRedraw, m_min);
    }
    if (std::int64_t{m_selStart} + m_selLength < m_min) {
        SetSelStart(m_selStart < m_min ? m_min : m_selStart);
    }
    Notify("Min");
}

std::int32_t ucSlider::Value() {
    m_value = static_cast<std::int32_t>(SendTrackbar(TBM_GETPOS, 0));
    return m_value;
}

void ucSlider::SetValue(std::int32_t value) {
    m_value = value > m_max ? m_max : value < m_min ? m_min : value;
    if (TrackbarExists()) {
        SendTrackbar(TBM_SETPOS, kRedraw, m_value);
        if (m_selectRangeBits == 0 && m_value != m_selStart) {
            SetSelStart(m_value);
        }
        SetSelLength(0);
    }
    Notify("Value");
}

bool ucSlider::Enabled() const {
    return m_container.Enabled();
}

void ucSlider::SetEnabled(bool value) {
    m_container.SetEnabled(value);
    m_disabledBits = value ? 0 : kDisabled;
    RebuildTrackbar();
    Notify("Enabled");
}

void ucSlider::SetLargeChange(std::int32_t value) {
    m_largeChange = value;
    if (TrackbarExists()) {
        SendTrackbar(TBM_SETPAGESIZE, 0, value);
    }
    Notify("LargeChange");
}

void ucSlider::SetSmallChange(std::int32_t value) {
    m_smallChange = value;
    if (TrackbarExists()) {
        SendTrackbar(TBM_SETLINESIZE, 0, value);
    }
    Notify("SmallChange");
}

void ucSlider::SetSelectRange(bool value) {
    if (value) {
        m_selectRangeBits = kSelRange;
    } else {
        m_selectRangeBits = 0;
        SetSelStart(Value());
        SetSelLength(0);
    }
    RebuildTrackbar();
    Notify("SelectRange");
}

std::int32_t ucSlider::SelStart() {
    return m_selectRangeBits != 0 ? static_cast<std::int32_t>(SendTrackbar(TBM_GETSELSTART, 0))
                                  : Value();
}

bool ucSlider::SetSelStart(std::int32_t value) {
    if (value < m_min || value > m_max) {
        if (!m_container.UserMode()) {
            RejectValue();
        }
        Notify("SelStart");
        return false;
    }
    m_selStart = value;
    if (TrackbarExists()) {
        if (m_selectRangeBits != 0) {
            SendTrackbar(TBM_SETSELSTART, kRedraw, value);
            if (std::int64_t{m_selLength} + value < m_min) {
                SetSelLength(0);
            } else if (std::int64_t{m_max} - value < m_selLength) {
                // Below the stored length, so within 32 bits.
                SetSelLength(static_cast<std::int32_t>(std::int64_t{m_max} - value));
            }
        } else {
            if (value != m_value) {
                SetValue(value);
            }
            SetSelLength(0);
        }
    }
    Notify("SelStart");
    return true;
}

bool ucSlider::SetSelLength(std::int32_t value) {
    const std::int64_t end = std::int64_t{m_selStart} + value;
    if (end < m_min || end > m_max || (m_selectRangeBits == 0 && value != 0)) {
        RejectValue();
        Notify("SelLength");
        return false;
    }
    m_selLength = value;
    SendTrackbar(TBM_SETSELEND, kRedraw, static_cast<LPARAM>(end));
    Notify("SelLength");
    return true;
}

std::int32_t ucSlider::TextPosition() const {
    return m_tipSide == TBTS_BOTTOM || m_tipSide == TBTS_RIGHT ? 1 : 0;
}

void ucSlider::SetTextPosition(std::int32_t value) {
    if (m_orientationBits == kVertical) {
        m_tipSide = static_cast<std::int16_t>(value == 1 ? TBTS_RIGHT : TBTS_LEFT);
    } else {
        m_tipSide = static_cast<std::int16_t>(value == 1 ? TBTS_BOTTOM : TBTS_TOP);
    }
    SendTrackbar(TBM_SETTIPSIDE, static_cast<WPARAM>(m_tipSide));
    Notify("TextPosition");
}

Picture ucSlider::MouseIcon() const {
    return m_container.MouseIcon();
}

void ucSlider::SetMouseIcon(const Picture& value) {
    m_container.SetMouseIcon(value);
    Notify("MouseIcon");
}

std::int16_t ucSlider::MousePointer() const {
    return m_container.MousePointer();
}

void ucSlider::SetMousePointer(std::int16_t value) {
    m_container.SetMousePointer(value);
    Notify("MousePointer");
}

std::int16_t ucSlider::OLEDropMode() const {
    return m_container.OLEDropMode();
}

void ucSlider::SetOLEDropMode(std::int16_t value) {
    m_container.SetOLEDropMode(value);
    Notify("OLEDropMode");
}

HWND ucSlider::hWnd() const {
    return m_container.hWnd();
}

std::int32_t ucSlider::GetNumTicks() const {
    return static_cast<std::int32_t>(SendTrackbar(TBM_GETNUMTICS, 0));
}

void ucSlider::Refresh() {
    m_container.Refresh();
    RebuildTrackbar();
}

void ucSlider::OLEDrag() {
    m_container.OLEDrag();
}

void ucSlider::ClearSel() {
    SendTrackbar(TBM_CLEARSEL, kRedraw);
    m_selStart = SelStart();
}

void ucSlider::showAbout() {
    m_container.MessageBox().Show(std::u16string(ucSliderTexts::AboutText),
                                  std::u16string(ucSliderTexts::AboutTitle),
                                  IMessageBox::Buttons::Ok, IMessageBox::Icon::None);
}

void ucSlider::UserControl_Resize() {
    for (int index = 0; index < 2; ++index) {
        m_container.SetCommandTop(index, -2 * m_container.CommandHeight(index));
    }
    const int width = static_cast<int>(m_container.ScaleWidth());
    const int height = static_cast<int>(m_container.ScaleHeight());
    // The new size brings another resize, which fits the trackbar.
    if (m_orientationBits == kVertical && width > MaxThickness) {
        m_container.SetSize(MaxThickness * m_container.TwipsPerPixelX(), m_container.Height());
        return;
    }
    if (m_orientationBits != kVertical && height > MaxThickness) {
        m_container.SetSize(m_container.Width(), MaxThickness * m_container.TwipsPerPixelY());
        return;
    }
    if (TrackbarExists()) {
        MoveWindow(m_trackbar, 0, 0, width, height, true);
    }
}

void ucSlider::UserControl_EnterFocus() {
    if (TrackbarExists()) {
        SetFocus(m_trackbar);
    }
}

void ucSlider::UserControl_OLECompleteDrag(std::int32_t& Effect) {
    Raise(OLECompleteDrag, Effect);
}

void ucSlider::UserControl_OLEDragOver(IDataObject& Data, std::int32_t& Effect,
                                       std::int16_t& Button, std::int16_t& Shift, float& X,
                                       float& Y, std::int16_t& State) {
    Raise(OLEDragOver, Data, Effect, Button, Shift, X, Y, State);
}

void ucSlider::UserControl_OLEGiveFeedback(std::int32_t& Effect, bool& DefaultCursors) {
    Raise(OLEGiveFeedback, Effect, DefaultCursors);
}

void ucSlider::UserControl_OLESetData(IDataObject& Data, std::int16_t& DataFormat) {
    Raise(OLESetData, Data, DataFormat);
}

void ucSlider::UserControl_OLEStartDrag(IDataObject& Data, std::int32_t& AllowedEffects) {
    Raise(OLEStartDrag, Data, AllowedEffects);
}

void ucSlider::UserControl_OLEDragDrop(IDataObject& Data, std::int32_t& Effect,
                                       std::int16_t& Button, std::int16_t& Shift, float& X,
                                       float& Y) {
    Raise(OLEDragDrop, Data, Effect, Button, Shift, X, Y);
}

void ucSlider::RebuildTrackbar() {
    if (!TrackbarExists()) {
        return;
    }
    DestroyWindow(m_trackbar);
    const auto style = static_cast<DWORD>(BaseStyle | m_orientationBits | m_tickStyleBits |
                                          m_selectRangeBits | m_disabledBits);
    m_trackbar = CreateWindowExA(
        0, TRACKBAR_CLASS, "", style, 0, 0, static_cast<int>(m_container.ScaleWidth()),
        static_cast<int>(m_container.ScaleHeight()), m_container.hWnd(), 0, m_container.Instance());

    // A design-time or disabled slider listens to nothing, so it raises no event.
    const bool listen = m_container.UserMode() && m_disabledBits == 0;
    m_trackbarSubscription.reset();
    if (listen) {
        m_trackbarSubscription = std::make_unique<cSbClsWin<>>();
        m_trackbarSubscription->SetSbCls(m_trackbar, "Slider", this);
    }
    m_controlSubscription.reset();
    if (listen) {
        m_controlSubscription = std::make_unique<cSbClsWin<>>();
        m_controlSubscription->SetSbCls(m_container.hWnd(), "UserControl", this);
    }
    if (m_disabledBits == 0) {
        const auto tooltips = static_cast<HWND>(SendTrackbar(TBM_GETTOOLTIPS, 0));
        SetWindowLongA(tooltips, GWL_HWNDPARENT,
                       static_cast<LONG_PTR>(m_container.ContainerHwnd()));
    }

    // The fields as they were: re-applying Value clears the stored selection length, which the
    // selection would otherwise lose.
    const std::int32_t tickFrequency = m_tickFrequency;
    const std::int32_t minimum = m_min;
    const std::int32_t maximum = m_max;
    const std::int32_t value = m_value;
    const std::int32_t largeChange = m_largeChange;
    const std::int32_t smallChange = m_smallChange;
    const std::int32_t selStart = m_selStart;
    const std::int32_t selLength = m_selLength;
    SetTextPosition(TextPosition());
    SetTickFrequency(tickFrequency);
    SetMin(minimum);
    SetMax(maximum);
    SetValue(value);
    SetLargeChange(largeChange);
    SetSmallChange(smallChange);
    SetSelStart(selStart);
    SetSelLength(selLength);
}

void ucSlider::WindowProc(std::int32_t /*Index*/, HWND hWnd, UINT& uMsg, WPARAM& wParam,
                          LPARAM& lParam) {
    if (hWnd == m_trackbar) {
        TrackbarMessage(uMsg, wParam, lParam);
    } else if (hWnd == m_container.hWnd()) {
        ControlWindowMessage(uMsg, wParam);
    }
}

void ucSlider::TrackbarMessage(UINT& uMsg, WPARAM& wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_KILLFOCUS:
            KeyboardStep(uMsg);
            break;
        case WM_MOUSEACTIVATE:
            SetFocus(m_container.hWnd());
            SetFocus(m_trackbar);
            break;
        case WM_KEYDOWN:
        case WM_KEYUP: {
            auto keyCode = static_cast<std::int16_t>(wParam & 0xFFFF);
            std::int16_t shift = ShiftState();
            Raise(uMsg == WM_KEYDOWN ? KeyDown : KeyUp, keyCode, shift);
            wParam = static_cast<WPARAM>(static_cast<std::intptr_t>(keyCode));
            break;
        }
        case WM_CHAR: {
            auto keyAscii = static_cast<std::int16_t>(wParam & 0xFFFF);
            Raise(KeyPress, keyAscii);
            wParam = static_cast<WPARAM>(static_cast<std::intptr_t>(keyAscii));
            break;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseMessage(uMsg, wParam, lParam);
            break;
        default:
            break;
    }
}

void ucSlider::KeyboardStep(UINT& uMsg) {
    const std::int64_t value = Value();
    const std::int64_t minimum = Min();
    const std::int64_t maximum = m_max;
    const std::int64_t small = SmallChange();
    const std::int64_t large = LargeChange();
    std::optional<std::int64_t> target;
    if (KeyIsDown(VK_LEFT) || KeyIsDown(VK_UP)) {
        target = std::max(value - small, minimum);
    } else if (KeyIsDown(VK_RIGHT) || KeyIsDown(VK_DOWN)) {
        target = std::min(value + small, maximum);
    } else if (KeyIsDown(VK_PRIOR)) {
        target = std::max(value - large, minimum);
    } else if (KeyIsDown(VK_NEXT)) {
        target = std::min(value + large, maximum);
    }
    if (!target) {
        if (KeyIsDown(VK_TAB)) {
            m_container.SendKeys(u"\t");
        }
        return;
    }
    // A step past the 32-bit range (a negative change) is refused; the focus loss passes on.
    if (!Fits32(*target)) {
        return;
    }
    SetValue(static_cast<std::int32_t>(*target));
    uMsg = WM_NULL;
    const HWND trackbar = m_trackbar;
    SetFocus(m_container.hWnd());
    SetFocus(trackbar);
    Raise(Scroll);
    Raise(Change);
}

void ucSlider::MouseMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto button = static_cast<std::int16_t>(((wParam & MK_LBUTTON) != 0 ? 1 : 0) |
                                            ((wParam & MK_RBUTTON) != 0 ? 2 : 0) |
                                            ((wParam & MK_MBUTTON) != 0 ? 4 : 0));
    std::int16_t shift = ShiftState();
    const auto low = static_cast<std::int16_t>(lParam & 0xFFFF);
    const auto high = static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
    float x = static_cast<float>(low) * static_cast<float>(m_container.TwipsPerPixelX());
    float y = static_cast<float>(high) * static_cast<float>(m_container.TwipsPerPixelY());
    switch (uMsg) {
        case WM_MOUSEMOVE:
            Raise(MouseMove, button, shift, x, y);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            Raise(MouseDown, button, shift, x, y);
            break;
        default:
            Raise(MouseUp, button, shift, x, y);
            Raise(Click);
            break;
    }
}

void ucSlider::ControlWindowMessage(UINT uMsg, WPARAM wParam) {
    if (uMsg != WM_HSCROLL && uMsg != WM_VSCROLL) {
        return;
    }
    // The user's position becomes the stored value at once, and without range selection the
    // selection start with it: a rebuild (disabling the slider at shutdown, say) re-applies
    // both and would otherwise undo the move.
    static_cast<void>(Value());
    if (m_selectRangeBits == 0) {
        m_selStart = m_value;
    }
    Raise(Scroll);
    if ((wParam & 0xFFFF) == static_cast<WPARAM>(TB_ENDTRACK)) {
        Raise(Change);
    }
}

void ucSlider::RejectValue() {
    m_container.MessageBox().Show(std::u16string(ucSliderTexts::InvalidValue),
                                  std::u16string(ucSliderTexts::InvalidValueTitle),
                                  IMessageBox::Buttons::Ok, IMessageBox::Icon::Critical);
}

bool ucSlider::TrackbarExists() const {
    return m_trackbar != 0 && IsWindow(m_trackbar);
}

LRESULT ucSlider::SendTrackbar(UINT uMsg, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(m_trackbar, uMsg, wParam, lParam);
}

void ucSlider::Notify(std::string_view name) {
    m_container.PropertyChanged(name);
}

}  // namespace vitrel
