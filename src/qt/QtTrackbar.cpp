// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtTrackbar.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QToolTip>
#include <algorithm>
#include <climits>
#include <tuple>
#include <utility>

#include "core/windowsystem/Trackbar.h"
#include "qt/WindowRegistry.h"

namespace vitrel {
namespace {

/// Message arguments are pointer-sized; positions are ints, so larger values are clamped.
int ToInt(LPARAM value) {
    return static_cast<int>(std::clamp<LPARAM>(value, INT_MIN, INT_MAX));
}

int NotificationOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return TB_LINEUP;
        case QAbstractSlider::SliderSingleStepAdd:
            return TB_LINEDOWN;
        case QAbstractSlider::SliderPageStepSub:
            return TB_PAGEUP;
        case QAbstractSlider::SliderPageStepAdd:
            return TB_PAGEDOWN;
        case QAbstractSlider::SliderToMinimum:
            return TB_TOP;
        case QAbstractSlider::SliderToMaximum:
            return TB_BOTTOM;
        case QAbstractSlider::SliderMove:
            return TB_THUMBTRACK;
        default:
            return -1;
    }
}

}  // namespace

QtTrackbar::QtTrackbar(DWORD style, QWidget* parent) : QSlider(parent), m_style(style) {
    // A trackbar starts at 0..100 with a page of a fifth of that; a vertical one has its
    // minimum at the top.
    setRange(0, 100);
    setPageStep(20);
    setSingleStep(1);
    setOrientation((style & TBS_VERT) != 0 ? Qt::Vertical : Qt::Horizontal);
    setInvertedAppearance((style & TBS_VERT) != 0);
    setFocusPolicy((style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
    setEnabled((style & WS_DISABLED) == 0);
    ApplyTicks();
    if ((style & TBS_TOOLTIPS) != 0) {
        m_tip = new QLabel(this, Qt::ToolTip);
        m_tip->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));  // a window
        m_tip->setMargin(2);
        m_tip->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_tip->setPalette(QToolTip::palette());
        m_tip->setAutoFillBackground(true);
    }
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this](int action) { m_pendingCode = NotificationOf(action); });
    setVisible((style & WS_VISIBLE) != 0);
}

QWidget* QtTrackbar::ToolTip() const {
    return m_tip.data();
}

LRESULT QtTrackbar::Answer(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    // What the slider does not repaint by itself: the selection band and the ticks.
    const auto drawn = std::tuple(m_selStart, m_selEnd, m_frequency, minimum(), maximum());
    switch (uMsg) {
        case TBM_GETPOS:
            return value();
        case TBM_GETRANGEMIN:
            return minimum();
        case TBM_GETRANGEMAX:
            return maximum();
        case TBM_SETPOS:
            setValue(ToInt(lParam));
            break;
        case TBM_SETRANGE:
            setRange(static_cast<std::int16_t>(lParam & 0xFFFF),
                     static_cast<std::int16_t>((lParam >> 16) & 0xFFFF));
            break;
        case TBM_SETRANGEMIN:
            setMinimum(ToInt(lParam));
            break;
        case TBM_SETRANGEMAX:
            setMaximum(ToInt(lParam));
            break;
        case TBM_SETSEL:
            m_selStart = static_cast<std::int16_t>(lParam & 0xFFFF);
            m_selEnd = static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
            break;
        case TBM_SETSELSTART:
            m_selStart = ToInt(lParam);
            break;
        case TBM_SETSELEND:
            m_selEnd = ToInt(lParam);
            break;
        case TBM_GETSELSTART:
            return m_selStart;
        case TBM_GETSELEND:
            return m_selEnd;
        case TBM_CLEARSEL:
            m_selStart = 0;
            m_selEnd = 0;
            break;
        case TBM_GETNUMTICS: {
            if ((m_style & TBS_NOTICKS) != 0) {
                return 0;
            }
            // Both ends, and with automatic ticks one every frequency steps in between.
            const LRESULT span = static_cast<LRESULT>(maximum()) - minimum();
            const bool inner = (m_style & TBS_AUTOTICKS) != 0 && m_frequency > 0 && span > 0;
            return 2 + (inner ? (span - 1) / m_frequency : 0);
        }
        case TBM_SETTICFREQ:
            m_frequency = ToInt(static_cast<LPARAM>(wParam));
            break;
        case TBM_SETPAGESIZE:
            result = pageStep();
            setPageStep(ToInt(lParam));
            return result;
        case TBM_GETPAGESIZE:
            return pageStep();
        case TBM_SETLINESIZE:
            result = singleStep();
            setSingleStep(ToInt(lParam));
            return result;
        case TBM_GETLINESIZE:
            return singleStep();
        case TBM_GETTOOLTIPS:
            return static_cast<LRESULT>(WindowRegistry::Instance().HandleOf(m_tip.data()));
        case TBM_SETTIPSIDE:
            result = m_tipSide;
            m_tipSide = ToInt(static_cast<LPARAM>(wParam));
            return result;
        default:
            return 0;
    }
    if (std::tuple(m_selStart, m_selEnd, m_frequency, minimum(), maximum()) != drawn) {
        ApplyTicks();
        update();
    }
    return 0;
}

void QtTrackbar::ApplyTicks() {
    if ((m_style & TBS_NOTICKS) != 0) {
        setTickPosition(NoTicks);
    } else if ((m_style & TBS_BOTH) != 0) {
        setTickPosition(TicksBothSides);
    } else {
        setTickPosition((m_style & TBS_TOP) != 0 ? TicksAbove : TicksBelow);
    }
    // Without automatic ticks only the two ends carry one.
    const int span = std::max(1, maximum() - minimum());
    setTickInterval((m_style & TBS_AUTOTICKS) != 0 ? std::max(1, m_frequency) : span);
}

void QtTrackbar::Notify(int code) {
    WindowRegistry& registry = WindowRegistry::Instance();
    const bool withPosition = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    const WPARAM position = withPosition ? (static_cast<WPARAM>(value()) & 0xFFFF) << 16 : 0;
    SendMessageA(
        registry.HandleOf(parentWidget()), orientation() == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL,
        position | static_cast<WPARAM>(code), static_cast<LPARAM>(registry.HandleOf(this)));
}

void QtTrackbar::NotifyAction() {
    const int code = std::exchange(m_pendingCode, -1);
    if (code >= 0) {
        Notify(code);
    }
}

void QtTrackbar::keyPressEvent(QKeyEvent* event) {
    // Left and Up step towards the minimum, Right and Down towards the maximum, in either
    // orientation, and so do Page Up and Page Down.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    triggerAction(action);
    NotifyAction();
}

void QtTrackbar::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (!event->isAutoRepeat()) {
                Notify(TB_ENDTRACK);
            }
            return;
        default:
            QWidget::keyReleaseEvent(event);
    }
}

void QtTrackbar::mousePressEvent(QMouseEvent* event) {
    m_tracking = m_tracking || event->button() == Qt::LeftButton;
    // The whole breadth of the trackbar is its channel, ticks included, not only the groove
    // the style draws.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QPoint groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this).center();
    QPointF at = event->position();
    if (orientation() == Qt::Horizontal) {
        at.setY(groove.y());
    } else {
        at.setX(groove.x());
    }
    QMouseEvent onChannel(event->type(), at, event->globalPosition(), event->button(),
                          event->buttons(), event->modifiers(), event->pointingDevice());
    QSlider::mousePressEvent(&onChannel);
    event->setAccepted(onChannel.isAccepted());
    // A press on the channel pages at once; Qt only starts repeating after a delay.
    if (repeatAction() != SliderNoAction && m_pendingCode < 0) {
        triggerAction(repeatAction());
    }
    NotifyAction();
    PlaceTip();
}

void QtTrackbar::mouseMoveEvent(QMouseEvent* event) {
    QSlider::mouseMoveEvent(event);
    NotifyAction();
    PlaceTip();
}

void QtTrackbar::mouseReleaseEvent(QMouseEvent* event) {
    const bool dragged = isSliderDown();
    QSlider::mouseReleaseEvent(event);
    NotifyAction();
    if (m_tracking && event->button() == Qt::LeftButton) {
        m_tracking = false;
        if (dragged) {
            Notify(TB_THUMBPOSITION);
        }
        Notify(TB_ENDTRACK);
    }
    PlaceTip();
}

void QtTrackbar::wheelEvent(QWheelEvent* event) {
    QSlider::wheelEvent(event);
    if (m_pendingCode >= 0) {
        NotifyAction();
        Notify(TB_ENDTRACK);
    }
}

void QtTrackbar::timerEvent(QTimerEvent* event) {
    // Holding the mouse on the channel repeats page steps from a timer.
    QSlider::timerEvent(event);
    NotifyAction();
}

void QtTrackbar::PlaceTip() {
    if (m_tip == nullptr) {
        return;
    }
    if (!isSliderDown()) {
        m_tip->hide();
        return;
    }
    // Laying out the tip's text is most of a drag step's work: the tip takes the size of the
    // longer end of the range once, and its text changes only with the value.
    const QString text = QString::number(value());
    if (m_tip->text() != text) {
        m_tip->setText(text);
    }
    const std::pair<int, int> range{minimum(), maximum()};
    if (range != m_tipRange) {
        m_tipRange = range;
        const QFontMetrics metrics = m_tip->fontMetrics();
        const int widest = std::max(metrics.horizontalAdvance(QString::number(range.first)),
                                    metrics.horizontalAdvance(QString::number(range.second)));
        const int frame = 2 * (m_tip->margin() + m_tip->frameWidth());
        m_tip->setAlignment(Qt::AlignCenter);
        m_tip->resize(widest + frame + 2, metrics.height() + frame);
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QSize size = m_tip->size();
    QPoint at;
    switch (m_tipSide) {
        case TBTS_LEFT:
            at = QPoint(handle.left() - size.width(), handle.center().y() - size.height() / 2);
            break;
        case TBTS_RIGHT:
            at = QPoint(handle.right() + 1, handle.center().y() - size.height() / 2);
            break;
        case TBTS_BOTTOM:
            at = QPoint(handle.center().x() - size.width() / 2, handle.bottom() + 1);
            break;
        default:
            at = QPoint(handle.center().x() - size.width() / 2, handle.top() - size.height());
            break;
    }
    const QPoint global = mapToGlobal(at);
    if (m_tip->pos() != global) {
        m_tip->move(global);
    }
    if (m_tip->isHidden()) {
        m_tip->show();
    }
}

void QtTrackbar::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if ((m_style & TBS_ENABLESELRANGE) == 0 || m_selEnd <= m_selStart) {
        return;
    }
    // The selected range as a band along the channel, with the thumb drawn again over it.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int thumb = horizontal ? handle.width() : handle.height();
    const int span = (horizontal ? groove.width() : groove.height()) - thumb;
    auto at = [&](int position) {
        return QStyle::sliderPositionFromValue(minimum(), maximum(),
                                               std::clamp(position, minimum(), maximum()), span,
                                               option.upsideDown) +
               thumb / 2;
    };
    const int from = std::min(at(m_selStart), at(m_selEnd));
    const int to = std::max(at(m_selStart), at(m_selEnd));
    const QRect band = horizontal
                           ? QRect(groove.left() + from, groove.center().y() - 2, to - from, 5)
                           : QRect(groove.center().x() - 2, groove.top() + from, 5, to - from);
    QPainter painter(this);
    painter.fillRect(band, palette().color(QPalette::Highlight));
    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

}  // namespace vitrel
