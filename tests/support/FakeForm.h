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

/// An in-memory control whose properties a test sets directly. A broken control throws from
/// its reads, like a control that cannot be read at all.
class FakeControl : public IControl {
public:
    std::u16string ClassName() const override { return Readable().className; }
    std::optional<std::u16string> Text() const override { return Readable().text; }
    /// Like a text box: the caret goes to the start and the selection is cleared.
    bool SetText(const std::u16string& newText) override {
        WithText(newText);
        ++textWrites;
        return true;
    }
    std::optional<int> SelStart() const override { return selStart; }
    bool SetSelStart(int start) override {
        WithText(text, start);
        return true;
    }
    std::optional<int> SelLength() const override { return selLength; }
    bool SetSelLength(int length) override {
        WithText(text, selStart, length);
        return true;
    }
    std::optional<int> style() const override { return styleValue; }
    std::optional<int> TabIndex() const override { return Readable().tabIndex; }
    std::optional<bool> TabStop() const override { return Readable().tabStop; }
    std::optional<bool> Visible() const override { return Readable().visible; }
    WindowHandle hWnd() const override { return window; }
    IForm* Parent() const override { return Readable().parent; }
    /// Refused when disabled or hidden; otherwise the control becomes the form's active
    /// control and its GotFocus handler runs.
    bool SetFocus() override {
        if (!Readable().enabled || !visible) {
            return false;
        }
        activate();
        if (onGotFocus) {
            onGotFocus();
        }
        return true;
    }

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
    std::optional<bool> tabStop = true;  // nullopt: a control that has no TabStop (a label)
    bool visible = true;
    bool enabled = true;
    WindowHandle window = 0;
    IForm* parent = nullptr;
    std::function<void()> activate;  // makes it the active control of its form
    std::function<void()> onGotFocus;
    int textWrites = 0;
    bool broken = false;

private:
    const FakeControl& Readable() const {
        if (broken) {
            throw std::runtime_error("the control cannot be read");
        }
        return *this;
    }
};

/// An in-memory form: a Controls collection in creation order and an active control. Each
/// control gets the next TabIndex in creation order and a window of its own.
class FakeForm : public IForm {
public:
    FakeControl& Add(std::u16string className, std::u16string text = u"") {
        static WindowHandle nextWindow = 0x1000;
        FakeControl& control = *m_controls.emplace_back(std::make_unique<FakeControl>());
        control.className = std::move(className);
        control.text = std::move(text);
        control.tabIndex = ControlCount() - 1;
        control.window = nextWindow++;
        control.parent = this;
        control.activate = [this, &control] { m_active = &control; };
        return control;
    }
    /// A hole in the Controls collection.
    void AddHole() { m_controls.push_back(nullptr); }
    FakeControl& AddTextBox(std::u16string text = u"") { return Add(u"TextBox", std::move(text)); }
    FakeControl& AddComboBox(int style, std::u16string className = u"ComboBox") {
        FakeControl& combo = Add(std::move(className));
        combo.styleValue = style;
        return combo;
    }

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

/// The application around the forms. Rnd is a fixed-seed generator.
class FakeEnvironment : public IInputEnvironment {
public:
    IForm* ActiveForm() const override { return activeForm; }
    WindowHandle GetCapture() const override { return capture; }
    std::u16string ClipboardText() const override { return clipboard; }
    double Rnd() override {
        m_seed = m_seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_seed >> 11) * 0x1.0p-53;
    }

    IForm* activeForm = nullptr;
    WindowHandle capture = 0;
    std::u16string clipboard;

private:
    std::uint64_t m_seed = 0x5EEDULL;
};

}  // namespace vitrel::fakes
