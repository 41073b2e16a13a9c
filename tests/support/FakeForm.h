// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "input/IControl.h"
#include "input/IForm.h"
#include "input/IInputEnvironment.h"

namespace vitrel::fakes {

class FakeForm;

/// An in-memory control. Which properties it has depends on the kind it was made as (see
/// FakeForm's Add functions); a missing property reads as nullopt and refuses writes, like a
/// late-bound call on the wrong kind of control. A broken control throws from every call.
class FakeControl : public IControl {
public:
    FakeControl(std::u16string className, std::u16string name)
        : m_className(std::move(className)), m_name(std::move(name)) {}

    // IControl
    [[nodiscard]] std::u16string ClassName() const override {
        Check();
        return m_className;
    }
    [[nodiscard]] std::optional<std::u16string> Text() const override {
        Check();
        return m_text;
    }
    /// Like a text box: the caret goes to the start and the selection is cleared.
    bool SetText(const std::u16string& text) override {
        Check();
        if (!m_text) {
            return false;
        }
        m_text = text;
        m_selStart = 0;
        m_selLength = 0;
        ++m_textWrites;
        if (m_onChange) {
            m_onChange();
        }
        return true;
    }
    [[nodiscard]] std::optional<int> SelStart() const override {
        Check();
        return m_text ? std::optional<int>(m_selStart) : std::nullopt;
    }
    bool SetSelStart(int start) override {
        Check();
        if (!m_text || start < 0) {
            return false;
        }
        m_selStart = std::min(start, Length());
        m_selLength = 0;
        return true;
    }
    [[nodiscard]] std::optional<int> SelLength() const override {
        Check();
        return m_text ? std::optional<int>(m_selLength) : std::nullopt;
    }
    bool SetSelLength(int length) override {
        Check();
        if (!m_text || length < 0) {
            return false;
        }
        m_selLength = std::min(length, Length() - m_selStart);
        return true;
    }
    [[nodiscard]] std::optional<int> style() const override {
        Check();
        return m_style;
    }
    [[nodiscard]] std::optional<int> TabIndex() const override {
        Check();
        return m_tabIndex;
    }
    [[nodiscard]] std::optional<bool> TabStop() const override {
        Check();
        return m_tabStop;
    }
    [[nodiscard]] std::optional<bool> Visible() const override {
        Check();
        return m_visible;
    }
    [[nodiscard]] WindowHandle hWnd() const override {
        Check();
        return m_hWnd;
    }
    [[nodiscard]] IForm* Parent() const override;
    /// Refused by a disabled or hidden control; otherwise it becomes the form's active control
    /// and its GotFocus handler runs.
    bool SetFocus() override;

    // Arranging a test.
    FakeControl& WithText(std::u16string text, int selStart = 0, int selLength = 0) {
        m_text = std::move(text);
        m_selStart = std::clamp(selStart, 0, Length());
        m_selLength = std::clamp(selLength, 0, Length() - m_selStart);
        return *this;
    }
    /// Caret at the end of the text, nothing selected.
    FakeControl& WithCaretAtEnd() { return WithText(m_text.value_or(u""), Length(), 0); }
    FakeControl& WithTabIndex(std::optional<int> tabIndex) {
        m_tabIndex = tabIndex;
        return *this;
    }
    FakeControl& WithTabStop(std::optional<bool> tabStop) {
        m_tabStop = tabStop;
        return *this;
    }
    FakeControl& WithVisible(std::optional<bool> visible) {
        m_visible = visible;
        return *this;
    }
    FakeControl& WithStyle(std::optional<int> style) {
        m_style = style;
        return *this;
    }
    FakeControl& WithEnabled(bool enabled) {
        m_enabled = enabled;
        return *this;
    }
    FakeControl& WithWindow(WindowHandle handle) {
        m_hWnd = handle;
        return *this;
    }
    /// A control outside any form (or moved to another one).
    FakeControl& WithParent(FakeForm* form) {
        m_parent = form;
        return *this;
    }
    FakeControl& Broken(bool broken = true) {
        m_broken = broken;
        return *this;
    }
    FakeControl& OnGotFocus(std::function<void()> handler) {
        m_onGotFocus = std::move(handler);
        return *this;
    }
    FakeControl& OnChange(std::function<void()> handler) {
        m_onChange = std::move(handler);
        return *this;
    }

    // Reading back; these never throw.
    [[nodiscard]] const std::u16string& Name() const { return m_name; }
    [[nodiscard]] std::u16string CurrentText() const { return m_text.value_or(u""); }
    [[nodiscard]] int CurrentSelStart() const { return m_selStart; }
    [[nodiscard]] int CurrentSelLength() const { return m_selLength; }
    [[nodiscard]] int TextWrites() const { return m_textWrites; }
    [[nodiscard]] WindowHandle Window() const { return m_hWnd; }

private:
    void Check() const {
        if (m_broken) {
            throw std::runtime_error("control cannot be read");
        }
    }
    [[nodiscard]] int Length() const { return m_text ? static_cast<int>(m_text->size()) : 0; }

    std::u16string m_className;
    std::u16string m_name;
    std::optional<std::u16string> m_text;
    int m_selStart = 0;
    int m_selLength = 0;
    std::optional<int> m_style;
    std::optional<int> m_tabIndex;
    std::optional<bool> m_tabStop;
    std::optional<bool> m_visible;
    bool m_enabled = true;
    bool m_broken = false;
    WindowHandle m_hWnd = 0;
    FakeForm* m_parent = nullptr;
    std::function<void()> m_onGotFocus;
    std::function<void()> m_onChange;
    int m_textWrites = 0;
};

/// An in-memory form: a Controls collection in creation order (nullptr entries allowed) and
/// an active control. Controls get the next TabIndex in creation order unless told otherwise;
/// windowed kinds get a window handle unique in the process.
class FakeForm : public IForm {
public:
    FakeForm() = default;
    FakeForm(const FakeForm&) = delete;
    FakeForm& operator=(const FakeForm&) = delete;

    /// Text, selection, TabIndex, TabStop, Visible and a window.
    FakeControl& AddTextBox(std::u16string name = u"", std::u16string text = u"") {
        return Add(u"TextBox", std::move(name)).WithText(std::move(text)).WithTabStop(true);
    }
    /// The same as a text box plus style; className may be "TextBoxComboBox".
    FakeControl& AddComboBox(int style, std::u16string name = u"", std::u16string text = u"",
                             std::u16string className = u"ComboBox") {
        return Add(std::move(className), std::move(name))
            .WithText(std::move(text))
            .WithTabStop(true)
            .WithStyle(style);
    }
    /// TabIndex, TabStop, Visible and a window; no text.
    FakeControl& AddCheckBox(std::u16string name = u"") {
        return Add(u"CheckBox", std::move(name)).WithTabStop(true);
    }
    /// A windowless label: TabIndex and Visible, but no TabStop and no window.
    FakeControl& AddLabel(std::u16string name = u"") {
        return Add(u"Label", std::move(name)).WithTabStop(std::nullopt).WithWindow(0);
    }
    /// A control of any class with no readable property at all (a menu, a timer).
    FakeControl& AddBare(std::u16string className, std::u16string name = u"") {
        return Add(std::move(className), std::move(name))
            .WithTabIndex(std::nullopt)
            .WithTabStop(std::nullopt)
            .WithVisible(std::nullopt)
            .WithWindow(0);
    }
    /// A hole in the Controls collection.
    void AddNullEntry() { m_controls.push_back(nullptr); }

    [[nodiscard]] int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    [[nodiscard]] IControl* Controls(int index) const override {
        if (index < 0 || index >= ControlCount()) {
            return nullptr;
        }
        return m_controls[static_cast<std::size_t>(index)].get();
    }
    [[nodiscard]] IControl* ActiveControl() const override { return m_active; }

    /// Sets the active control without focus events (nullptr: none).
    void Activate(FakeControl* control) { m_active = control; }
    [[nodiscard]] FakeControl* Active() const { return m_active; }

private:
    FakeControl& Add(std::u16string className, std::u16string name) {
        auto control = std::make_unique<FakeControl>(std::move(className), std::move(name));
        control->WithTabIndex(m_nextTabIndex++)
            .WithVisible(true)
            .WithWindow(NextWindowHandle())
            .WithParent(this);
        m_controls.push_back(std::move(control));
        return *m_controls.back();
    }

    static WindowHandle NextWindowHandle() {
        static WindowHandle next = 0x1000;
        return next++;
    }

    std::vector<std::unique_ptr<FakeControl>> m_controls;
    FakeControl* m_active = nullptr;
    int m_nextTabIndex = 0;
};

inline IForm* FakeControl::Parent() const {
    Check();
    return m_parent;
}

inline bool FakeControl::SetFocus() {
    Check();
    if (!m_enabled || m_visible == false) {
        return false;
    }
    if (m_parent != nullptr) {
        m_parent->Activate(this);
    }
    if (m_onGotFocus) {
        m_onGotFocus();
    }
    return true;
}

/// The application around the forms: the active form, the mouse capture, the clipboard text
/// and a random source that is either scripted (values repeated in turn) or a fixed-seed
/// generator.
class FakeEnvironment : public IInputEnvironment {
public:
    [[nodiscard]] IForm* ActiveForm() const override { return m_activeForm; }
    [[nodiscard]] WindowHandle GetCapture() const override { return m_capture; }
    [[nodiscard]] std::u16string ClipboardText() const override { return m_clipboard; }
    double Rnd() override {
        ++m_rndCalls;
        if (m_rndSource) {
            return m_rndSource();
        }
        if (!m_rndScript.empty()) {
            const double value = m_rndScript[m_rndNext];
            m_rndNext = (m_rndNext + 1) % m_rndScript.size();
            return value;
        }
        m_seed = m_seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_seed >> 11) * 0x1.0p-53;
    }

    void SetActiveForm(IForm* form) { m_activeForm = form; }
    void SetCapture(WindowHandle window) { m_capture = window; }
    void SetClipboardText(std::u16string text) { m_clipboard = std::move(text); }
    void ScriptRnd(std::vector<double> values) {
        m_rndScript = std::move(values);
        m_rndNext = 0;
        m_rndSource = nullptr;
    }
    void UseRnd(std::function<double()> source) { m_rndSource = std::move(source); }
    [[nodiscard]] int RndCalls() const { return m_rndCalls; }

    /// Enters the control with the keyboard (Tab, Enter): no capture while it gets the focus.
    bool TabInto(FakeControl& control) { return control.SetFocus(); }
    /// Enters the control with a mouse click: the mouse holds the capture on it meanwhile.
    bool ClickInto(FakeControl& control) {
        const WindowHandle before = m_capture;
        m_capture = control.Window();
        const bool focused = control.SetFocus();
        m_capture = before;
        return focused;
    }

private:
    IForm* m_activeForm = nullptr;
    WindowHandle m_capture = 0;
    std::u16string m_clipboard;
    std::vector<double> m_rndScript;
    std::size_t m_rndNext = 0;
    std::function<double()> m_rndSource;
    std::uint64_t m_seed = 0x5EEDULL;
    int m_rndCalls = 0;
};

}  // namespace vitrel::fakes
