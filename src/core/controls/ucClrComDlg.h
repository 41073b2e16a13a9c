// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/controls/IColorDialog.h"
#include "core/controls/IPropertyBag.h"
#include "core/input/IControl.h"
#include "core/services/IMessageBox.h"

namespace vitrel {

/// The colour dialog control's own texts, each kept here once.
namespace ucClrComDlgTexts {
inline constexpr std::u16string_view CancelMessage = u"[ｷｬﾝｾﾙ]ﾎﾞﾀﾝが選択されました。";
inline constexpr std::u16string_view AboutTitle = u"ｺﾓﾝﾀﾞｲｱﾛｸﾞﾕｰｻﾞｰｺﾝﾄﾛｰﾙのﾊﾞｰｼﾞｮﾝ情報";
inline constexpr std::u16string_view AboutText =
    u"ShowColor Common Dialog UserControl - Version 1.0.1\r\n"
    u"Vitrel developers\r\n"
    u"vitrel@example.org\r\n"
    u"\r\n"
    u"ucClrComDlg ﾕｰｻﾞｰｺﾝﾄﾛｰﾙ\r\n"
    u"ppColFlags ﾌﾟﾛﾊﾟﾃｨﾍﾟｰｼﾞ";
/// Descriptions of the properties for a property browser.
inline constexpr std::u16string_view ColorDescription =
    u"[色の設定] ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽで選択される色を設定します。値の取得も可能です。";
inline constexpr std::u16string_view flagsDescription = u"ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｵﾌﾟｼｮﾝを設定します。";
inline constexpr std::u16string_view CancelErrorDescription =
    u"ﾕｰｻﾞｰが [ｷｬﾝｾﾙ] ﾎﾞﾀﾝを選択した場合を、ErorrOccuredｲﾍﾞﾝﾄの項目に含めるかを設定します。"
    u"値の取得も可能です。";
}  // namespace ucClrComDlgTexts

/// A control that shows the platform colour dialog: the holder sets Color, calls ShowColor and
/// reads Color back. It keeps sixteen custom colours for the dialog, which start as a grey ramp
/// and keep what the user defines for as long as the instance lives.
class ucClrComDlg {
public:
    static constexpr std::int32_t DefaultColor = 0xFFFFFF;
    static constexpr std::int16_t DefaultFlags = 1;
    static constexpr bool DefaultCancelError = false;

    /// formWindow answers the handle of the form that holds the control, which owns the dialog
    /// unless hWndParent names another window.
    ucClrComDlg(IColorDialog& dialog, std::function<WindowHandle()> formWindow);

    // Every setter stores the value, then raises PropertyChanged with the property's name.
    [[nodiscard]] std::int32_t Color() const { return m_color; }
    void SetColor(std::int32_t value);
    [[nodiscard]] std::int16_t flags() const { return m_flags; }
    /// A value outside -32768..32767 is an overflow: not stored, nothing raised, false.
    [[nodiscard]] bool Setflags(std::int64_t value);
    [[nodiscard]] bool CancelError() const { return m_cancelError; }
    void SetCancelError(bool value);
    [[nodiscard]] WindowHandle hWndParent() const { return m_hWndParent; }
    void SethWndParent(WindowHandle value);

    /// Loads "Flags", "Color" and "CancelError" in that order; a missing entry (or one of
    /// another type) reads as its default. Loading raises no PropertyChanged.
    void ReadProperties(const IPropertyBag& bag);
    /// Saves them in the same order, leaving out each one equal to its default.
    void WriteProperties(IPropertyBag& bag) const;

    /// Shows the modal dialog. Color receives the dialog's result whatever the outcome (on
    /// cancel that is the colour it started with), and so do the custom colours. A cancel
    /// raises ErorrOccured(0, CancelMessage) when CancelError is set; a failing dialog raises
    /// nothing.
    void ShowColor();
    /// The control's version information, in a message box with an OK button.
    static void showAbout(IMessageBox& messageBox);

    /// The control is always 32 × 32 pixels: its outer size in twips for these factors.
    struct TwipsSize {
        std::int32_t width;
        std::int32_t height;
    };
    [[nodiscard]] static TwipsSize OuterSizeTwips(std::int16_t tppX, std::int16_t tppY);

    std::function<void(std::string_view name)> PropertyChanged;
    std::function<void(std::int32_t ErrNum, const std::u16string& strMsg)> ErorrOccured;

private:
    void RaisePropertyChanged(std::string_view name);

    std::int16_t m_flags = DefaultFlags;
    std::array<std::int32_t, 16> m_customColors{};
    std::int32_t m_color = DefaultColor;
    WindowHandle m_hWndParent = 0;
    bool m_cancelError = DefaultCancelError;

    IColorDialog& m_dialog;
    std::function<WindowHandle()> m_formWindow;
};

}  // namespace vitrel
