// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "core/controls/IDataObject.h"
#include "core/controls/IPropertyBag.h"
#include "core/controls/ISliderContainer.h"
#include "core/controls/IpvSbClsWin.h"
#include "core/controls/cSbClsWin.h"
#include "core/windowsystem/Trackbar.h"
#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

/// The slider control's own texts, each kept here once.
namespace ucSliderTexts {
inline constexpr std::u16string_view CommandCaption =
    u"このボタンはｽﾗｲﾀﾞｰのﾌｫｰｶｽを保持する為に必要で、実行時には見えない場所に隠しています。";
inline constexpr std::u16string_view InvalidValue = u"ﾌﾟﾛﾊﾟﾃｨの値が不正です。";
inline constexpr std::u16string_view InvalidValueTitle = u"ucSlider";
inline constexpr std::u16string_view AboutTitle = u"ｽﾗｲﾀﾞｰﾊﾞｰﾕｰｻﾞｰｺﾝﾄﾛｰﾙのﾊﾞｰｼﾞｮﾝ情報";
inline constexpr std::u16string_view AboutText =
    u"Slider UserControl - Version 1.1.1\r\n"
    u"Vitrel developers\r\n"
    u"\r\n"
    u"ucSlider ﾕｰｻﾞｰｺﾝﾄﾛｰﾙ";
/// Descriptions of the properties and of showAbout for a property browser.
inline constexpr std::array<std::pair<std::string_view, std::u16string_view>, 18> Descriptions{{
    {"BorderStyle", u"ｵﾌﾞｼﾞｪｸﾄの境界線のｽﾀｲﾙを設定します。値の取得も可能です。"},
    {"TickStyle",
     u"ｽﾗｲﾀﾞｺﾝﾄﾛｰﾙ上に表示される目盛りのｽﾀｲﾙ（または位置）を設定します。値の取得も可能です。"},
    {"Orientation",
     u"ｽﾗｲﾀﾞｺﾝﾄﾛｰﾙの向きを水平方向または垂直方向のいずれかに設定します。値の取得も可能です。"},
    {"TickFrequency",
     u"ｽﾗｲﾀﾞｺﾝﾄﾛｰﾙの目盛りを設定します。値の取得も可能です。"
     u"設定値の増分ごとに１つの目盛りが表示されます。"},
    {"Max", u"ｺﾝﾄﾛｰﾙの最大値を設定します。値の取得も可能です。"},
    {"Min", u"ｺﾝﾄﾛｰﾙの最小値を設定します。値の取得も可能です。"},
    {"Value", u"ｵﾌﾞｼﾞｪｸﾄの位置を設定します。値の取得も可能です。"},
    {"Enabled",
     u"ﾕｰｻﾞｰの操作で発生したｲﾍﾞﾝﾄを、ｵﾌﾞｼﾞｪｸﾄに認識させるかどうかを設定します。"
     u"値の取得も可能です。"},
    {"LargeChange", u"PageDown ｷｰまたは PageUp ｷｰが押されたときにつまみが移動する量を設定します。"},
    {"SmallChange",
     u"←または→ｷｰが押されたときにつまみが移動する量を、目盛りの数で設定します。"
     u"値の取得も可能です。"},
    {"SelectRange", u"範囲を選択できるかどうかを設定します。値の取得も可能です。"},
    {"SelStart", u"選択範囲の先頭を設定します。値の取得も可能です。"},
    {"SelLength", u"選択範囲の長さを設定します。値の取得も可能です。"},
    {"TextPosition",
     u"ｽﾗｲﾀﾞのつまみの位置を表示するﾂｰﾙﾋﾝﾄを表示する場所を設定します。値の取得も可能です。"},
    {"MouseIcon", u"ｶｽﾀﾑ ﾏｳｽ ｱｲｺﾝを設定します。"},
    {"MousePointer",
     u"ｵﾌﾞｼﾞｪｸﾄ上にﾏｳｽ ﾎﾟｲﾝﾀが置かれたときに表示される、ﾏｳｽ ﾎﾟｲﾝﾀの種類を"
     u"設定します。値の取得も可能です。"},
    {"OLEDropMode",
     u"このｺﾝﾄﾛｰﾙが OLE ﾄﾞﾛｯﾌﾟ ﾀｰｹﾞｯﾄとして動作するかどうかを設定します。"
     u"値の取得も可能です。"},
    {"showAbout", u"ｽﾗｲﾀﾞｰﾊﾞｰﾕｰｻﾞｰｺﾝﾄﾛｰﾙのﾊﾞｰｼﾞｮﾝ情報を表示します。"},
}};
/// The description of a property or method; empty for another name.
[[nodiscard]] std::u16string_view Description(std::string_view name);
}  // namespace ucSliderTexts

/// A slider over the platform trackbar, which it creates as a child of its own control window
/// and rebuilds whenever a style changes. It sees the trackbar's keyboard, mouse and focus
/// messages and its own window's scroll notifications through two subscriptions, held only
/// while the form runs and the control is enabled: so setting a property from code never
/// raises an event, and a disabled or design-time slider raises none at all.
class ucSlider final : public IpvSbClsWin {
public:
    static constexpr std::int32_t BaseStyle = 0x54000101;  // child, visible, tooltips, ticks
    static constexpr std::int16_t DefaultBorderStyle = 1;
    static constexpr std::int32_t DefaultTickFrequency = 1;
    static constexpr std::int32_t DefaultMax = 10;
    static constexpr std::int32_t DefaultMin = 0;
    static constexpr std::int32_t DefaultLargeChange = 5;
    static constexpr std::int32_t DefaultSmallChange = 1;
    /// The thickness across the slider is capped at this many pixels.
    static constexpr std::int32_t MaxThickness = 42;

    /// Creates the trackbar with the base style only, sized to the scale size, and no
    /// subscriptions; InitProperties or ReadProperties then gives the control its state.
    explicit ucSlider(ISliderContainer& container);
    /// Ends both subscriptions, then destroys the trackbar.
    ~ucSlider() override;
    ucSlider(const ucSlider&) = delete;
    ucSlider& operator=(const ucSlider&) = delete;

    /// A new instance placed on a form: the defaults, then a rebuild.
    void InitProperties();
    /// Loads the stored entries (a missing one, or one of another type, reads as its default),
    /// rebuilds, then enables or disables the control window.
    void ReadProperties(const IPropertyBag& bag);
    /// Saves the entries in the same order, leaving out each one equal to its default.
    void WriteProperties(IPropertyBag& bag) const;

    // Each setter ends by notifying the holder under the property's stored name.
    [[nodiscard]] std::int16_t BorderStyle() const;
    void SetBorderStyle(std::int16_t value);
    /// 0 bottom/right, 1 top/left, 2 both, 3 none.
    [[nodiscard]] std::int32_t TickStyle() const;
    void SetTickStyle(std::int32_t value);
    /// 0 horizontal, 1 vertical. A change rebuilds and swaps the outer width and height.
    [[nodiscard]] std::int32_t Orientation() const;
    void SetOrientation(std::int32_t value);
    [[nodiscard]] std::int32_t TickFrequency() const { return m_tickFrequency; }
    void SetTickFrequency(std::int32_t value);
    [[nodiscard]] std::int32_t Max() const { return m_max; }
    void SetMax(std::int32_t value);
    [[nodiscard]] std::int32_t Min() const { return m_min; }
    void SetMin(std::int32_t value);
    /// Read back from the trackbar, and stored.
    [[nodiscard]] std::int32_t Value();
    /// Clamped into Min..Max; raises no event.
    void SetValue(std::int32_t value);
    [[nodiscard]] std::int32_t Info() { return Value(); }
    void SetInfo(std::int32_t value) { SetValue(value); }
    [[nodiscard]] bool Enabled() const;
    void SetEnabled(bool value);
    [[nodiscard]] std::int32_t LargeChange() const { return m_largeChange; }
    void SetLargeChange(std::int32_t value);
    [[nodiscard]] std::int32_t SmallChange() const { return m_smallChange; }
    void SetSmallChange(std::int32_t value);
    [[nodiscard]] bool SelectRange() const { return m_selectRangeBits != 0; }
    void SetSelectRange(bool value);
    [[nodiscard]] std::int32_t SelStart();
    /// False when the start is rejected (outside Min..Max); only a rejection at design time
    /// tells the user.
    bool SetSelStart(std::int32_t value);
    [[nodiscard]] std::int32_t SelLength() const { return m_selLength; }
    /// False when the length is rejected, which tells the user: the end, summed without
    /// wrapping, leaves Min..Max, or a nonzero length without range selection.
    bool SetSelLength(std::int32_t value);
    /// 0 above/left, 1 below/right.
    [[nodiscard]] std::int32_t TextPosition() const;
    void SetTextPosition(std::int32_t value);
    [[nodiscard]] Picture MouseIcon() const;
    void SetMouseIcon(const Picture& value);
    [[nodiscard]] std::int16_t MousePointer() const;
    void SetMousePointer(std::int16_t value);
    [[nodiscard]] std::int16_t OLEDropMode() const;
    void SetOLEDropMode(std::int16_t value);
    /// The control window's handle, not the trackbar's.
    [[nodiscard]] HWND hWnd() const;
    [[nodiscard]] std::int32_t GetNumTicks() const;
    [[nodiscard]] HWND Trackbar() const { return m_trackbar; }

    void Refresh();
    void OLEDrag();
    /// Clears the trackbar's selection and takes its start back; the length stays stored.
    void ClearSel();
    void showAbout();

    /// The holder's resize: hides the two buttons, caps the thickness, fits the trackbar.
    void UserControl_Resize();
    /// The control received the focus: it goes on to the trackbar.
    void UserControl_EnterFocus();
    // The control window's drag-and-drop events, raised on to the holder with the same
    // arguments; what a handler changes reaches the window.
    void UserControl_OLECompleteDrag(std::int32_t& Effect);
    void UserControl_OLEDragOver(IDataObject& Data, std::int32_t& Effect, std::int16_t& Button,
                                 std::int16_t& Shift, float& X, float& Y, std::int16_t& State);
    void UserControl_OLEGiveFeedback(std::int32_t& Effect, bool& DefaultCursors);
    void UserControl_OLESetData(IDataObject& Data, std::int16_t& DataFormat);
    void UserControl_OLEStartDrag(IDataObject& Data, std::int32_t& AllowedEffects);
    void UserControl_OLEDragDrop(IDataObject& Data, std::int32_t& Effect, std::int16_t& Button,
                                 std::int16_t& Shift, float& X, float& Y);

    void WindowProc(std::int32_t Index, HWND hWnd, UINT& uMsg, WPARAM& wParam,
                    LPARAM& lParam) override;

    // Events; every argument by reference, and a changed key reaches the trackbar.
    std::function<void()> Click;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseMove;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseDown;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseUp;
    std::function<void(std::int32_t& Effect)> OLECompleteDrag;
    std::function<void(IDataObject& Data, std::int32_t& Effect, std::int16_t& Button,
                       std::int16_t& Shift, float& X, float& Y, std::int16_t& State)>
        OLEDragOver;
    std::function<void(std::int32_t& Effect, bool& DefaultCursors)> OLEGiveFeedback;
    std::function<void(IDataObject& Data, std::int16_t& DataFormat)> OLESetData;
    std::function<void(IDataObject& Data, std::int32_t& AllowedEffects)> OLEStartDrag;
    std::function<void(IDataObject& Data, std::int32_t& Effect, std::int16_t& Button,
                       std::int16_t& Shift, float& X, float& Y)>
        OLEDragDrop;
    std::function<void(std::int16_t& KeyAscii)> KeyPress;
    std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyDown;
    std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyUp;
    std::function<void()> Scroll;
    std::function<void()> Change;

private:
    void RebuildTrackbar();
    void TrackbarMessage(UINT& uMsg, WPARAM& wParam, LPARAM lParam);
    void KeyboardStep(UINT& uMsg);
    void MouseMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void ControlWindowMessage(UINT uMsg, WPARAM wParam);
    void RejectValue();
    [[nodiscard]] bool TrackbarExists() const;
    LRESULT SendTrackbar(UINT uMsg, WPARAM wParam, LPARAM lParam = 0) const;
    void Notify(std::string_view name);

    std::int16_t m_tipSide = TBTS_TOP;
    std::int32_t m_selLength = 0;
    std::int32_t m_selStart = 0;
    std::int32_t m_selectRangeBits = 0;
    std::int32_t m_smallChange = DefaultSmallChange;
    std::int32_t m_largeChange = DefaultLargeChange;
    std::int32_t m_value = 0;
    std::int32_t m_max = DefaultMax;
    std::int32_t m_min = DefaultMin;
    std::int32_t m_tickFrequency = DefaultTickFrequency;
    std::int32_t m_orientationBits = 0;
    std::int32_t m_tickStyleBits = 0;
    std::int32_t m_disabledBits = 0;
    HWND m_trackbar = 0;
    std::unique_ptr<cSbClsWin<>> m_controlSubscription;
    std::unique_ptr<cSbClsWin<>> m_trackbarSubscription;

    ISliderContainer& m_container;
};

}  // namespace vitrel
