// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/TextBox.h"

#include <algorithm>

namespace vitrel {

TextBox::TextBox(IForm* form, QWidget* parent) : FormControl(form, parent, u"TextBox") {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (Change) {
            Change();
        }
    });
}

std::optional<std::u16string> TextBox::Text() const {
    return text().toStdU16String();
}

bool TextBox::SetText(const std::u16string& value) {
    const QString text = QString::fromStdU16String(value);
    if (text != this->text()) {
        setText(text);
    }
    return true;
}

std::optional<int> TextBox::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

bool TextBox::SetSelStart(int start) {
    setCursorPosition(std::clamp(start, 0, static_cast<int>(text().size())));
    return true;
}

std::optional<int> TextBox::SelLength() const {
    return static_cast<int>(selectedText().size());
}

bool TextBox::SetSelLength(int length) {
    const int start = *SelStart();
    const int available = static_cast<int>(text().size()) - start;
    const int clamped = std::clamp(length, 0, available);
    if (clamped == 0) {
        setCursorPosition(start);
    } else {
        setSelection(start, clamped);
    }
    return true;
}

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            // Not claiming it lets a window shortcut (Ctrl+C, Ctrl+V ...) take the key; keys
            // that are no shortcut still arrive here as ordinary key presses.
            event->ignore();
            return true;
        }
    }
    return FormControl::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    std::int32_t typed = 0;
    if (!RaiseKeyEvents(event, typed)) {
        event->accept();
        return;
    }
    const std::int32_t original = VbKeys::KeyAscii(*event);
    if (typed != 0 && typed != original) {
        // A handler asked for another character than the one pressed.
        QKeyEvent replaced(event->type(), 0, Qt::NoModifier,
                           QString(QChar(static_cast<char16_t>(typed))));
        QLineEdit::keyPressEvent(&replaced);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace vitrel
