// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "controls/SliderHost.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "controls/ucSlider.h"
#include "platform/IScreen.h"

namespace vitrel {
namespace {

constexpr int kCommandHeight = 25;

/// The form pointer numbers (0 the default, 1 arrow ... 15 size all) as the desktop's shapes.
std::optional<Qt::CursorShape> CursorOf(std::int16_t pointer) {
    static constexpr std::array<Qt::CursorShape, 15> kShapes{
        Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,   Qt::ArrowCursor,
        Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
        Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,    Qt::ForbiddenCursor,
        Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (pointer < 1 || pointer > static_cast<std::int16_t>(kShapes.size())) {
        return std::nullopt;
    }
    return kShapes[static_cast<std::size_t>(pointer - 1)];
}

}  // namespace

SliderHost::SliderHost(IForm* form, QWidget* parent, IScreen& screen, IMessageBox& messageBox)
    : FormControl(form, parent, u"ucSlider"), m_screen(screen), m_messageBox(messageBox) {
    SetBorderStyle(m_borderStyle);
    for (QPushButton*& command : m_commands) {
        // They exist for the keyboard focus of the original platform; here they stay out of
        // the tab chain and out of sight.
        command = new QPushButton(
            QString::fromStdU16String(std::u16string(ucSliderTexts::CommandCaption)), this);
        command->setFocusPolicy(Qt::NoFocus);
        command->setGeometry(0, -2 * kCommandHeight, 100, kCommandHeight);
    }
    m_slider = std::make_unique<ucSlider>(*this);
}

SliderHost::~SliderHost() {
    // The slider ends its subscriptions and its trackbar while this window still exists.
    m_slider.reset();
}

void SliderHost::Load(const IPropertyBag& bag) {
    m_slider->ReadProperties(bag);
}

void SliderHost::PropertyChanged(std::string_view /*name*/) {
    // A running form keeps no design-time properties: nothing is marked for saving.
}

HWND SliderHost::ContainerHwnd() const {
    return WindowRegistry::Instance().HandleOf(window());
}

HWND SliderHost::hWnd() const {
    return FormControl::hWnd();
}

double SliderHost::ScaleWidth() const {
    return contentsRect().width();
}

double SliderHost::ScaleHeight() const {
    return contentsRect().height();
}

std::int32_t SliderHost::Width() const {
    return width() * TwipsPerPixelX();
}

std::int32_t SliderHost::Height() const {
    return height() * TwipsPerPixelY();
}

void SliderHost::SetSize(std::int32_t width, std::int32_t height) {
    resize(width / TwipsPerPixelX(), height / TwipsPerPixelY());
}

std::int16_t SliderHost::TwipsPerPixelX() const {
    return std::max<std::int16_t>(m_screen.TwipsPerPixelX(), 1);
}

std::int16_t SliderHost::TwipsPerPixelY() const {
    return std::max<std::int16_t>(m_screen.TwipsPerPixelY(), 1);
}

void SliderHost::SetBorderStyle(std::int16_t value) {
    m_borderStyle = value == 1 ? std::int16_t{1} : std::int16_t{0};
    setFrameStyle(m_borderStyle == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void SliderHost::SetMousePointer(std::int16_t value) {
    m_mousePointer = value;
    if (const std::optional<Qt::CursorShape> shape = CursorOf(value)) {
        setCursor(*shape);
    } else {
        unsetCursor();
    }
}

void SliderHost::SetOLEDropMode(std::int16_t value) {
    m_oleDropMode = value;
    setAcceptDrops(value == 1);  // manual: the holder handles what is dropped
}

void SliderHost::OLEDrag() {}

std::int32_t SliderHost::CommandHeight(int index) const {
    return m_commands.at(static_cast<std::size_t>(index))->height();
}

void SliderHost::SetCommandTop(int index, std::int32_t top) {
    QPushButton* command = m_commands.at(static_cast<std::size_t>(index));
    command->move(command->x(), top);
}

void SliderHost::SendKeys(std::u16string_view keys) {
    QWidget* active = QApplication::activeWindow();
    QWidget* target =
        active != nullptr && active->focusWidget() != nullptr ? active->focusWidget() : active;
    if (target == nullptr) {
        return;
    }
    // Posted, not sent: the keystrokes arrive after the message being handled now.
    for (const char16_t key : keys) {
        const int code = key == u'\t'   ? int{Qt::Key_Tab}
                         : key == u'\r' ? int{Qt::Key_Return}
                                        : int{key};
        const QString text(QChar{key});
        QCoreApplication::postEvent(target,
                                    new QKeyEvent(QEvent::KeyPress, code, Qt::NoModifier, text));
        QCoreApplication::postEvent(target,
                                    new QKeyEvent(QEvent::KeyRelease, code, Qt::NoModifier, text));
    }
}

void SliderHost::resizeEvent(QResizeEvent* event) {
    FormControl::resizeEvent(event);
    if (m_slider) {
        m_slider->UserControl_Resize();
    }
}

void SliderHost::focusInEvent(QFocusEvent* event) {
    FormControl::focusInEvent(event);
    if (m_slider) {
        m_slider->UserControl_EnterFocus();
    }
}

}  // namespace vitrel
