// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/input/IControl.h"
#include "core/input/IForm.h"
#include "core/input/IInputEnvironment.h"

namespace vitrel::fakes {

/// An in-memory control whose properties a test sets directly.
class FakeControl : public IControl {
public:
    std::u16string ClassName() const override { return className; }
    std::optional<std::u16string> Text() const override { return text; }
    /// Like a text box: the caret goes to the start and the selection is cleared.
    bool SetText(const std::u16string& newText) override {
        ++textWrites;
        return WithText(newText), true;
    }
    std::optional<int> SelStart() const override { return selStart; }
    bool SetSelStart(int start) override { return WithText(text, start), true; }
    std::optional<int> SelLength() const override { return selLength; }
    bool SetSelLength(int length) override { return WithText(text, selStart, length), true; }
    std::optional<int> style() const override { return styleValue; }
    std::optional<int> TabIndex() const override { return tabIndex; }
    std::optional<bool> TabStop() const override { return tabStop; }
    std::optional<bool> Visible() const override { return visible; }
    WindowHandle hWnd() const override { return window; }
    IForm* Parent() const override { return parent; }
    /// The control becomes its form's active control.
    bool SetFocus() override { return activate(), true; }

    /// Sets the text and the selection, kept inside the text.
    FakeControl& WithText(std::u16string newText, int start = 0, int length = 0) {
        const int size = static_cast<int>(newText.size());
        text = std::move(newText);
        selStart = std::clamp(start, 0, size);
        selLength = std::clamp(length, 0, size - selStart);
        return *this;
    }

    std::u16string className;
    std::u16string text;
    int selStart = 0;
    int selLength = 0;
    std::optional<int> styleValue;
    std::optional<int> tabIndex;
    std::optional<bool> tabStop = true;  // nullopt: a control without the property (a label)
    bool visible = true;
    WindowHandle window = 0;
    IForm* parent = nullptr;
    std::function<void()> activate;
    int textWrites = 0;
};

/// An in-memory form: a Controls collection in creation order and an active control. Each
/// control gets the next TabIndex in creation order and a window of its own.
class FakeForm : public IForm {
public:
    FakeControl& Add(std::u16string className, int style = 0) {
        FakeControl& control = *m_controls.emplace_back(std::make_unique<FakeControl>());
        control.className = std::move(className);
        control.styleValue = style;
        control.tabIndex = ControlCount() - 1;
        control.window = 0x1000 + m_controls.size();
        control.parent = this;
        control.activate = [this, &control] { m_active = &control; };
        return control;
    }
    /// A hole in the Controls collection.
    void AddHole() { m_controls.push_back(nullptr); }

    int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    IControl* Controls(int index) const override {
        return index >= 0 && index < ControlCount() ? m_controls[index].get() : nullptr;
    }
    IControl* ActiveControl() const override { return m_active; }
    /// Sets the active control without focus events (nullptr: none).
    void Activate(IControl* control) { m_active = control; }

private:
    std::vector<std::unique_ptr<FakeControl>> m_controls;
    IControl* m_active = nullptr;
};

/// The application around the forms.
class FakeEnvironment : public IInputEnvironment {
public:
    IForm* ActiveForm() const override { return activeForm; }
    WindowHandle GetCapture() const override { return capture; }
    std::u16string ClipboardText() const override { return clipboard; }

    IForm* activeForm = nullptr;
    WindowHandle capture = 0;
    std::u16string clipboard;
};

}  // namespace vitrel::fakes
