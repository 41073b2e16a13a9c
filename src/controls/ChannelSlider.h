// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QWidget>

#include "controls/FormControl.h"

class QSlider;

namespace vitrel {

/// A horizontal slider holding an integer Value between Min and Max. A value set by the
/// program is brought into range and raises nothing; every change the user makes, by mouse
/// or keyboard and during a drag, raises Scroll.
class ChannelSlider : public FormControl<QWidget> {
public:
    ChannelSlider(IForm* form, QWidget* parent);

    std::function<void()> Scroll;

    [[nodiscard]] int Value() const;
    void SetValue(int value);
    [[nodiscard]] int Min() const;
    void SetMin(int value);
    [[nodiscard]] int Max() const;
    void SetMax(int value);
    void SetTickFrequency(int frequency);
    [[nodiscard]] bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }

    /// The slider widget inside, for tests that drive it like a user.
    [[nodiscard]] QSlider* Track() const { return m_track; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSlider* m_track;
};

}  // namespace vitrel
