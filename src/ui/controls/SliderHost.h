// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QFrame>
#include <array>
#include <memory>
#include <optional>

#include "core/controls/ISliderContainer.h"
#include "ui/controls/FormControl.h"

class QDropEvent;
class QPushButton;

namespace vitrel {

class IPropertyBag;
class IScreen;
class ucSlider;

/// The control window of a ucSlider on a running form: the widget the form places and tabs
/// through, holding the trackbar and the two hidden buttons, and serving the slider as its
/// container. The slider itself is the core control; the form talks to it through Slider().
class SliderHost final : public FormControl<QFrame>, public ISliderContainer {
public:
    SliderHost(IForm* form, QWidget* parent, IScreen& screen, IMessageBox& messageBox);
    ~SliderHost() override;
    SliderHost(const SliderHost&) = delete;
    SliderHost& operator=(const SliderHost&) = delete;

    /// Gives the slider its design-time properties, as a form does when it loads.
    void Load(const IPropertyBag& bag);
    [[nodiscard]] ucSlider& Slider() const { return *m_slider; }

    void PropertyChanged(std::string_view name) override;
    [[nodiscard]] bool UserMode() const override { return true; }
    [[nodiscard]] HWND ContainerHwnd() const override;
    [[nodiscard]] HWND hWnd() const override;
    [[nodiscard]] HINSTANCE Instance() const override { return 0; }
    [[nodiscard]] double ScaleWidth() const override;
    [[nodiscard]] double ScaleHeight() const override;
    [[nodiscard]] std::int32_t Width() const override;
    [[nodiscard]] std::int32_t Height() const override;
    void SetSize(std::int32_t width, std::int32_t height) override;
    [[nodiscard]] std::int16_t TwipsPerPixelX() const override;
    [[nodiscard]] std::int16_t TwipsPerPixelY() const override;
    [[nodiscard]] std::int16_t BorderStyle() const override { return m_borderStyle; }
    void SetBorderStyle(std::int16_t value) override;
    [[nodiscard]] bool Enabled() const override { return isEnabled(); }
    void SetEnabled(bool value) override { setEnabled(value); }
    [[nodiscard]] Picture MouseIcon() const override { return m_mouseIcon; }
    void SetMouseIcon(const Picture& value) override;
    [[nodiscard]] std::int16_t MousePointer() const override { return m_mousePointer; }
    void SetMousePointer(std::int16_t value) override;
    [[nodiscard]] std::int16_t OLEDropMode() const override { return m_oleDropMode; }
    void SetOLEDropMode(std::int16_t value) override;
    void Refresh() override { update(); }
    /// Lets the slider's holder fill a drag and runs it from this window.
    void OLEDrag() override;
    [[nodiscard]] std::int32_t CommandHeight(int index) const override;
    void SetCommandTop(int index, std::int32_t top) override;
    IMessageBox& MessageBox() override { return m_messageBox; }
    void SendKeys(std::u16string_view keys) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ApplyPointer();
    /// Raises OLEDragOver in a state, or OLEDragDrop without one, and writes the effect the
    /// holder chose back into the event.
    void RaiseDrag(QDropEvent& event, std::optional<std::int16_t> state);

    IScreen& m_screen;
    IMessageBox& m_messageBox;
    std::array<QPushButton*, 2> m_commands{};
    std::int16_t m_borderStyle = 1;
    Picture m_mouseIcon;
    std::int16_t m_mousePointer = 0;
    std::int16_t m_oleDropMode = 0;
    /// The last drag over this window, for its leave, which carries nothing itself.
    std::unique_ptr<QDropEvent> m_lastDrag;
    std::unique_ptr<ucSlider> m_slider;
};

}  // namespace vitrel
