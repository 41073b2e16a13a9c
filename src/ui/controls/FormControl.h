// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "core/input/IControl.h"
#include "qt/WindowRegistry.h"
#include "ui/controls/FormControlState.h"
#include "ui/controls/VbKeys.h"

namespace vitrel {

class IForm;

/// A Qt widget dressed as a form control: it belongs to a form, carries TabIndex, TabStop and
/// Visible, and raises GotFocus and LostFocus. Focus changes caused by switching windows or
/// opening a menu raise nothing, so a channel box is not committed by a glance at a menu.
template <class Widget>
class FormControl : public Widget, public IControl, public FormControlState {
public:
    FormControl(IForm* form, QWidget* parent, std::u16string className)
        : Widget(parent), m_form(form), m_className(std::move(className)) {}

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(std::int16_t& KeyCode, std::int16_t Shift)> KeyDown;
    std::function<void(std::int32_t& KeyAscii)> KeyPress;

    [[nodiscard]] std::u16string ClassName() const override { return m_className; }
    [[nodiscard]] std::optional<int> TabIndex() const override { return m_tabIndex; }
    [[nodiscard]] std::optional<bool> TabStop() const override { return m_tabStop; }
    [[nodiscard]] std::optional<bool> Visible() const override { return !this->isHidden(); }
    [[nodiscard]] WindowHandle hWnd() const override {
        return WindowRegistry::Instance().HandleOf(this);
    }
    [[nodiscard]] IForm* Parent() const override { return m_form; }

    bool SetFocus() override {
        if (!this->isEnabled() || !this->isVisibleTo(this->window()) ||
            this->focusPolicy() == Qt::NoFocus) {
            return false;
        }
        this->setFocus(Qt::OtherFocusReason);
        return true;
    }

    void SetTabIndex(int tabIndex) { m_tabIndex = tabIndex; }
    /// A control that is no tab stop is skipped by Tab but still takes the focus on a click.
    void SetTabStop(bool tabStop) {
        m_tabStop = tabStop;
        this->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }

protected:
    /// A plain frame (a picture box) draws nothing for the focus: taking or losing it repaints
    /// nothing.
    static constexpr bool kPlainFrame = std::is_same_v<Widget, QFrame>;

    void focusInEvent(QFocusEvent* event) override {
        if constexpr (!kPlainFrame) {
            Widget::focusInEvent(event);  // which repaints the control
        }
        // Coming back to a window gives the focus back to the control that had it: that is no
        // new entry. The first activation of a window is one, though.
        if (IsWindowLevel(event->reason()) && m_keptFocusAcrossWindows) {
            m_keptFocusAcrossWindows = false;
            return;
        }
        m_mouseCapture = event->reason() == Qt::MouseFocusReason;
        if (GotFocus) {
            GotFocus();
        }
    }

    void focusOutEvent(QFocusEvent* event) override {
        if constexpr (!kPlainFrame) {
            Widget::focusOutEvent(event);
        }
        m_mouseCapture = false;
        if (IsWindowLevel(event->reason())) {
            m_keptFocusAcrossWindows = true;
            return;
        }
        if (LostFocus) {
            LostFocus();
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        m_mouseCapture = false;
        Widget::mouseReleaseEvent(event);
    }

    /// Raises KeyDown and then KeyPress for a key press. Returns false when a handler
    /// consumed the key; typed receives the character to type (0 when the key types none).
    bool RaiseKeyEvents(QKeyEvent* event, std::int32_t& typed) {
        typed = 0;
        std::int16_t keyCode = VbKeys::KeyCode(*event);
        if (keyCode != 0 && KeyDown) {
            KeyDown(keyCode, VbKeys::ShiftMask(event->modifiers()));
            if (keyCode == 0) {
                return false;
            }
        }
        typed = VbKeys::KeyAscii(*event);
        if (typed != 0 && KeyPress) {
            KeyPress(typed);
            if (typed == 0) {
                return false;
            }
        }
        return true;
    }

private:
    static bool IsWindowLevel(Qt::FocusReason reason) {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    IForm* m_form;
    std::u16string m_className;
    std::optional<int> m_tabIndex;
    bool m_tabStop = true;
    bool m_keptFocusAcrossWindows = false;
};

}  // namespace vitrel
