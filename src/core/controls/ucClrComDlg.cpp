// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/controls/ucClrComDlg.h"

#include <limits>
#include <utility>

namespace vitrel {
namespace {

constexpr std::string_view kColor = "Color";
constexpr std::string_view kFlags = "Flags";
constexpr std::string_view kCancelError = "CancelError";
constexpr std::string_view khWndParent = "hWndParent";

constexpr int kSidePixels = 32;

}  // namespace

ucClrComDlg::ucClrComDlg(IColorDialog& dialog, std::function<WindowHandle()> formWindow)
    : m_dialog(dialog), m_formWindow(std::move(formWindow)) {
    // Slot i holds the grey 255 − 16 i: white down to 0x0F0F0F.
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(m_customColors.size()); ++i) {
        const std::int32_t grey = 255 - 16 * i;
        m_customColors[static_cast<std::size_t>(i)] = grey | grey << 8 | grey << 16;
    }
}

void ucClrComDlg::SetColor(std::int32_t value) {
    m_color = value;
    RaisePropertyChanged(kColor);
}

bool ucClrComDlg::Setflags(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    m_flags = static_cast<std::int16_t>(value);
    RaisePropertyChanged(kFlags);
    return true;
}

void ucClrComDlg::SetCancelError(bool value) {
    m_cancelError = value;
    RaisePropertyChanged(kCancelError);
}

void ucClrComDlg::SethWndParent(WindowHandle value) {
    m_hWndParent = value;
    RaisePropertyChanged(khWndParent);
}

void ucClrComDlg::ReadProperties(const IPropertyBag& bag) {
    m_flags = ReadPropertyOr(bag, kFlags, DefaultFlags);
    m_color = ReadPropertyOr(bag, kColor, DefaultColor);
    m_cancelError = ReadPropertyOr(bag, kCancelError, DefaultCancelError);
}

void ucClrComDlg::WriteProperties(IPropertyBag& bag) const {
    WritePropertyUnlessDefault(bag, kFlags, m_flags, DefaultFlags);
    WritePropertyUnlessDefault(bag, kColor, m_color, DefaultColor);
    WritePropertyUnlessDefault(bag, kCancelError, m_cancelError, DefaultCancelError);
}

void ucClrComDlg::ShowColor() {
    IColorDialog::Request request;
    request.color = m_color;
    request.customColors = m_customColors;
    request.owner = m_hWndParent != 0 ? m_hWndParent : (m_formWindow ? m_formWindow() : 0);
    request.flags = m_flags;
    const bool confirmed = m_dialog.ChooseColor(request);
    m_customColors = request.customColors;
    SetColor(request.color);
    if (!confirmed && m_dialog.ExtendedError() == 0 && m_cancelError && ErorrOccured) {
        ErorrOccured(0, std::u16string(ucClrComDlgTexts::CancelMessage));
    }
}

void ucClrComDlg::showAbout(IMessageBox& messageBox) {
    messageBox.Show(std::u16string(ucClrComDlgTexts::AboutText),
                    std::u16string(ucClrComDlgTexts::AboutTitle), IMessageBox::Buttons::Ok,
                    IMessageBox::Icon::None);
}

ucClrComDlg::TwipsSize ucClrComDlg::OuterSizeTwips(std::int16_t tppX, std::int16_t tppY) {
    return {kSidePixels * tppX, kSidePixels * tppY};
}

void ucClrComDlg::RaisePropertyChanged(std::string_view name) {
    if (PropertyChanged) {
        PropertyChanged(name);
    }
}

}  // namespace vitrel
