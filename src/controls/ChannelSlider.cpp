// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "controls/ChannelSlider.h"

#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace vitrel {

ChannelSlider::ChannelSlider(IForm* form, QWidget* parent)
    : FormControl(form, parent, u"Slider"), m_track(new QSlider(Qt::Horizontal, this)) {
    m_track->setRange(0, 10);
    m_track->setTickPosition(QSlider::TicksBelow);
    m_track->setTracking(true);
    m_track->setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(m_track);
    connect(m_track, &QSlider::valueChanged, this, [this] {
        if (Scroll) {
            Scroll();
        }
    });
}

int ChannelSlider::Value() const {
    return m_track->value();
}

void ChannelSlider::SetValue(int value) {
    const QSignalBlocker programChange(m_track);  // only the user's changes raise Scroll
    m_track->setValue(std::clamp(value, m_track->minimum(), m_track->maximum()));
}

int ChannelSlider::Min() const {
    return m_track->minimum();
}

void ChannelSlider::SetMin(int value) {
    const QSignalBlocker programChange(m_track);
    m_track->setMinimum(value);
}

int ChannelSlider::Max() const {
    return m_track->maximum();
}

void ChannelSlider::SetMax(int value) {
    const QSignalBlocker programChange(m_track);
    m_track->setMaximum(value);
}

void ChannelSlider::SetTickFrequency(int frequency) {
    m_track->setTickInterval(frequency);
}

void ChannelSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_track->setGeometry(rect());
}

}  // namespace vitrel
