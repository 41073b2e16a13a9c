// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/SliderHost.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "core/controls/ucSlider.h"
#include "core/services/IScreen.h"
#include "qt/DragMimeData.h"
#include "qt/QtPicture.h"
#include "ui/controls/MouseEvent.h"

namespace vitrel {
namespace {

constexpr int kCommandHeight = 25;
/// The pointer number that shows the window's mouse icon.
constexpr std::int16_t kCustomPointer = 99;
constexpr std::int16_t kOLEDropManual = 1;
constexpr std::int32_t kEffectCopy = 1;
constexpr std::int32_t kEffectMove = 2;
constexpr std::int16_t kDragEnter = 0;
constexpr std::int16_t kDragLeave = 1;
constexpr std::int16_t kDragOver = 2;

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

std::int32_t EffectOf(Qt::DropActions actions) {
    return (actions.testFlag(Qt::CopyAction) ? kEffectCopy : 0) |
           (actions.testFlag(Qt::MoveAction) ? kEffectMove : 0);
}

Qt::DropActions ActionsOf(std::int32_t effect) {
    Qt::DropActions actions;
    actions.setFlag(Qt::CopyAction, (effect & kEffectCopy) != 0);
    actions.setFlag(Qt::MoveAction, (effect & kEffectMove) != 0);
    return actions;
}

/// The one action a drop takes from the effects a handler left: the user's choice (Ctrl for
/// copy) when it is among them, else move before copy.
Qt::DropAction ActionOf(std::int32_t effect, Qt::DropAction proposed) {
    const Qt::DropActions allowed = ActionsOf(effect);
    if (proposed != Qt::IgnoreAction && allowed.testFlag(proposed)) {
        return proposed;
    }
    return allowed.testFlag(Qt::MoveAction)   ? Qt::MoveAction
           : allowed.testFlag(Qt::CopyAction) ? Qt::CopyAction
                                              : Qt::IgnoreAction;
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

void SliderHost::SetMouseIcon(const Picture& value) {
    m_mouseIcon = value;
    ApplyPointer();
}

void SliderHost::SetMousePointer(std::int16_t value) {
    m_mousePointer = value;
    ApplyPointer();
}

void SliderHost::ApplyPointer() {
    if (m_mousePointer == kCustomPointer && !m_mouseIcon.IsNone()) {
        setCursor(QCursor(QPixmap::fromImage(QtPicture::ToImage(m_mouseIcon))));
    } else if (const std::optional<Qt::CursorShape> shape = CursorOf(m_mousePointer)) {
        setCursor(*shape);
    } else {
        unsetCursor();
    }
}

void SliderHost::SetOLEDropMode(std::int16_t value) {
    m_oleDropMode = value;
    setAcceptDrops(value == kOLEDropManual);  // manual: the holder handles what is dropped
}

void SliderHost::OLEDrag() {
    auto data = std::make_unique<DragMimeData>();
    std::int32_t allowedEffects = kEffectCopy | kEffectMove;
    m_slider->UserControl_OLEStartDrag(data->Data(), allowedEffects);
    const Qt::DropActions actions = ActionsOf(allowedEffects);
    if (data->formats().isEmpty() || !actions) {
        return;  // nothing to carry, or nothing a target may do with it
    }
    data->Requested = [this](IDataObject& Data, std::int16_t& DataFormat) {
        m_slider->UserControl_OLESetData(Data, DataFormat);
    };
    auto* drag = new QDrag(this);  // Qt deletes it once the drag is over
    drag->setMimeData(data.release());
    connect(drag, &QDrag::actionChanged, this, [this, drag](Qt::DropAction action) {
        std::int32_t effect = EffectOf(action);
        bool defaultCursors = true;
        m_slider->UserControl_OLEGiveFeedback(effect, defaultCursors);
        // A holder that gives its own feedback gets this window's icon as the drag's pointer.
        if (!defaultCursors && !m_mouseIcon.IsNone()) {
            drag->setDragCursor(QPixmap::fromImage(QtPicture::ToImage(m_mouseIcon)), action);
        }
    });
    std::int32_t effect = EffectOf(drag->exec(actions));
    m_slider->UserControl_OLECompleteDrag(effect);
}

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

void SliderHost::dragEnterEvent(QDragEnterEvent* event) {
    RaiseDrag(*event, kDragEnter);
    // Taken even when the holder refuses a drop here: a refused enter would bring no moves, and
    // the holder may take the drop further in.
    event->accept();
}

void SliderHost::dragMoveEvent(QDragMoveEvent* event) {
    RaiseDrag(*event, kDragOver);
}

void SliderHost::dragLeaveEvent(QDragLeaveEvent* event) {
    FormControl::dragLeaveEvent(event);
    if (const std::unique_ptr<QDropEvent> last = std::move(m_lastDrag)) {
        RaiseDrag(*last, kDragLeave);
    }
}

void SliderHost::dropEvent(QDropEvent* event) {
    m_lastDrag.reset();
    RaiseDrag(*event, std::nullopt);
}

void SliderHost::RaiseDrag(QDropEvent& event, std::optional<std::int16_t> state) {
    if (event.mimeData() == nullptr || !m_slider) {
        event.ignore();
        return;
    }
    if (state && *state != kDragLeave) {
        m_lastDrag.reset(event.clone());
    }
    // Button, Shift, X and Y as every mouse event of the form reads them.
    const QMouseEvent pointer(QEvent::MouseMove, event.position(),
                              event.position() + QPointF(mapTo(window(), QPoint(0, 0))),
                              mapToGlobal(event.position()), Qt::NoButton, event.buttons(),
                              event.modifiers());
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
    RaiseMouseEvent(
        [&](std::int16_t b, std::int16_t s, float px, float py) {
            button = b;
            shift = s;
            x = px;
            y = py;
        },
        pointer, *this, contentsRect().topLeft(), TwipsPerPixelX(), TwipsPerPixelY());
    MimeDataObject data(*event.mimeData());
    std::int32_t effect = EffectOf(event.possibleActions());
    if (state) {
        std::int16_t dragState = *state;
        m_slider->UserControl_OLEDragOver(data, effect, button, shift, x, y, dragState);
    } else {
        m_slider->UserControl_OLEDragDrop(data, effect, button, shift, x, y);
    }
    const Qt::DropAction action = ActionOf(effect, event.proposedAction());
    event.setDropAction(action);
    event.setAccepted(action != Qt::IgnoreAction);
}

}  // namespace vitrel
