// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "core/input/IControl.h"
#include "core/input/IForm.h"
#include "core/services/IScreen.h"

namespace vitrel {

/// A window built from form controls laid out in twips: its Controls collection in the order
/// they were added, its active control, and the tab order from the controls' TabIndex.
template <class Window>
class Form : public Window, public IForm {
public:
    using Window::Window;

    [[nodiscard]] int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    [[nodiscard]] IControl* Controls(int index) const override {
        return index >= 0 && index < ControlCount() ? m_controls[static_cast<std::size_t>(index)]
                                                    : nullptr;
    }
    [[nodiscard]] IControl* ActiveControl() const override {
        for (QWidget* widget = QApplication::focusWidget(); widget != nullptr && widget != this;
             widget = widget->parentWidget()) {
            auto* control = dynamic_cast<IControl*>(widget);
            if (control != nullptr &&
                std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end()) {
                return control;
            }
        }
        return nullptr;
    }

    /// The text face of the program's windows, drawn for a proportional Japanese gothic. The
    /// face this desktop has comes first: a family that is missing sends the font database
    /// into a slow search for stand-ins on the first text drawn.
    static QFont GothicFont(double pointSize, bool bold) {
        QFont font;
        font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("ＭＳ Ｐゴシック")});
        font.setPointSizeF(pointSize);
        font.setBold(bold);
        return font;
    }
    /// GothicFont for captions and digits, all of which the gothic holds: one font engine, and
    /// no search for fallback fonts. Text the user names (favourites) keeps GothicFont.
    static QFont CaptionFont(double pointSize, bool bold) {
        QFont font = GothicFont(pointSize, bold);
        font.setStyleStrategy(QFont::NoFontMerging);
        return font;
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ScreenChangeInternal && this->isWindow() &&
            this->windowHandle() != nullptr && this->minimumSize() == this->maximumSize()) {
            // A fixed-size window keeps the size limits the window manager was given in the
            // old screen's device pixels: on a screen with another scale it stays cut off or
            // padded. The same limits again, in the new screen's pixels, and the size with them.
            QWindow* window = this->windowHandle();
            const QSize size = this->size();
            window->setMinimumSize(QSize(0, 0));
            window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            window->setMinimumSize(size);
            window->setMaximumSize(size);
            window->resize(size);
        }
        return Window::event(event);
    }

    /// Twips become pixels by integer division by the screen's factors: the one place the
    /// windows read them from the screen.
    void RefreshTwipsPerPixel(const IScreen& screen) {
        m_tppX = std::max<std::int16_t>(screen.TwipsPerPixelX(), 1);
        m_tppY = std::max<std::int16_t>(screen.TwipsPerPixelY(), 1);
    }
    [[nodiscard]] QRect Twips(int left, int top, int width, int height) const {
        return {left / m_tppX, top / m_tppY, width / m_tppX, height / m_tppY};
    }

    /// Places a control at its twips rectangle and appends it to the Controls collection.
    template <class Control>
    Control* Add(Control* control, int tabIndex, int left, int top, int width, int height) {
        control->SetTabIndex(tabIndex);
        QRect geometry = Twips(left, top, width, height);
        if constexpr (std::is_base_of_v<QAbstractButton, Control>) {
            // Option buttons and check boxes drawn for a smaller system font would clip their
            // indicator here; they grow around their middle instead.
            const int needed = ButtonHeight(*control);
            if (geometry.height() < needed) {
                geometry.adjust(0, -(needed - geometry.height()) / 2, 0, 0);
                geometry.setHeight(needed);
            }
        }
        control->setGeometry(geometry);
        m_controls.push_back(control);
        return control;
    }
    /// A control that is part of the collection without a twips place of its own.
    void AddControl(IControl* control) { m_controls.push_back(control); }

    /// The keyboard's tab chain in TabIndex order, over the controls that are tab stops.
    void ApplyTabOrder() {
        std::vector<QWidget*> order;
        for (IControl* control : m_controls) {
            auto* widget = dynamic_cast<QWidget*>(control);
            if (widget != nullptr && control->TabIndex() && control->TabStop().value_or(false)) {
                order.push_back(widget);
            }
        }
        std::stable_sort(order.begin(), order.end(), [](QWidget* a, QWidget* b) {
            return *dynamic_cast<IControl*>(a)->TabIndex() <
                   *dynamic_cast<IControl*>(b)->TabIndex();
        });
        for (std::size_t i = 1; i < order.size(); ++i) {
            QWidget::setTabOrder(order[i - 1], order[i]);
        }
    }

    std::int16_t m_tppX = 15;
    std::int16_t m_tppY = 15;

private:
    /// The height of the button's size hint, without laying out its caption: one line of its
    /// font, the indicator or the icon, and the style's margins.
    static int ButtonHeight(const QAbstractButton& button) {
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        option.icon = button.icon();
        option.iconSize = button.iconSize();
        QStyle::ContentsType type = QStyle::CT_PushButton;
        if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
            type = QStyle::CT_CheckBox;
        } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
            type = QStyle::CT_RadioButton;
        } else if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
            if (push->autoDefault()) {
                option.features |= QStyleOptionButton::AutoDefaultButton;
            }
        }
        // A line's height does not depend on its text: one space stands for the caption.
        const QString line(u' ');
        int height = type == QStyle::CT_PushButton
                         ? button.fontMetrics().size(Qt::TextShowMnemonic, line).height()
                         : button.style()
                               ->itemTextRect(button.fontMetrics(), QRect(), Qt::TextShowMnemonic,
                                              false, line)
                               .height();
        if (!option.icon.isNull()) {
            height = std::max(height, option.iconSize.height());
        }
        return button.style()->sizeFromContents(type, &option, QSize(0, height), &button).height();
    }

    std::vector<IControl*> m_controls;
};

}  // namespace vitrel
