// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <string_view>

#include "core/controls/Picture.h"
#include "core/services/IMessageBox.h"
#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

/// What the slider control needs of the form that holds it and of its own control window: the
/// window-system handles, the outer size in twips and the inner (scale) size in pixels, the
/// control window's own properties, the change notification and a few program services.
class ISliderContainer {
public:
    virtual ~ISliderContainer() = default;

    /// Tells the holder that a property changed, under its stored name.
    virtual void PropertyChanged(std::string_view name) = 0;
    /// True while the form runs, false while it is being designed.
    [[nodiscard]] virtual bool UserMode() const = 0;
    /// The form that holds the control.
    [[nodiscard]] virtual HWND ContainerHwnd() const = 0;
    /// The control's own window, the trackbar's parent.
    [[nodiscard]] virtual HWND hWnd() const = 0;
    [[nodiscard]] virtual HINSTANCE Instance() const = 0;

    [[nodiscard]] virtual double ScaleWidth() const = 0;
    [[nodiscard]] virtual double ScaleHeight() const = 0;
    [[nodiscard]] virtual std::int32_t Width() const = 0;
    [[nodiscard]] virtual std::int32_t Height() const = 0;
    /// Changes the outer size in twips; the holder then resizes the control again.
    virtual void SetSize(std::int32_t width, std::int32_t height) = 0;
    [[nodiscard]] virtual std::int16_t TwipsPerPixelX() const = 0;
    [[nodiscard]] virtual std::int16_t TwipsPerPixelY() const = 0;

    [[nodiscard]] virtual std::int16_t BorderStyle() const = 0;
    virtual void SetBorderStyle(std::int16_t value) = 0;
    [[nodiscard]] virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool value) = 0;
    /// The picture the window shows as its pointer for the custom pointer; none by default.
    [[nodiscard]] virtual Picture MouseIcon() const = 0;
    virtual void SetMouseIcon(const Picture& value) = 0;
    [[nodiscard]] virtual std::int16_t MousePointer() const = 0;
    virtual void SetMousePointer(std::int16_t value) = 0;
    [[nodiscard]] virtual std::int16_t OLEDropMode() const = 0;
    virtual void SetOLEDropMode(std::int16_t value) = 0;
    virtual void Refresh() = 0;
    virtual void OLEDrag() = 0;

    /// The two hidden buttons (index 0 and 1) that keep the focus inside the control: their
    /// height, and their top, in the control's scale.
    [[nodiscard]] virtual std::int32_t CommandHeight(int index) const = 0;
    virtual void SetCommandTop(int index, std::int32_t top) = 0;

    virtual IMessageBox& MessageBox() = 0;
    /// Sends the keystrokes to the active window, without waiting for them to be handled.
    virtual void SendKeys(std::u16string_view keys) = 0;
};

}  // namespace vitrel
