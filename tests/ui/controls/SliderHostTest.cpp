// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/controls/SliderHost.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDropEvent>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "FakeServices.h"
#include "core/controls/ucSlider.h"
#include "qt/DragMimeData.h"

namespace vitrel {
namespace {

/// The text of the data, then the numbers an event carried.
std::string Describe(const IDataObject& data, std::initializer_list<float> numbers) {
    auto line = QString::fromStdU16String(std::get<std::u16string>(data.GetData(1))).toStdString();
    for (const float number : numbers) {
        line += ' ' + std::to_string(static_cast<int>(number));
    }
    return line;
}

TEST(SliderHostTest, DropInManualModeRaisesDragOverThenDragDropWithTheDroppedText) {
    testing::FakeScreen screen;
    testing::ScriptedMessageBox messages;
    QWidget window;
    auto* host = new SliderHost(nullptr, &window, screen, messages);
    host->setGeometry(10, 20, 200, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<std::string> raised;
    ucSlider& slider = host->Slider();
    slider.OLEDragOver = [&](IDataObject& data, std::int32_t& effect, std::int16_t& button,
                             std::int16_t& shift, float& x, float& y, std::int16_t& state) {
        raised.push_back(
            Describe(data, {float(effect), float(button), float(shift), x, y, float(state)}));
    };
    slider.OLEDragDrop = [&](IDataObject& data, std::int32_t& effect, std::int16_t& button,
                             std::int16_t& shift, float& x, float& y) {
        raised.push_back(Describe(data, {float(effect), float(button), float(shift), x, y}));
        effect = 1;  // copy, though the user asked for a move
    };
    QMimeData dropped;
    dropped.setText(QStringLiteral("#FF8000"));
    // 4 and 2 pixels into the control, inside its one-pixel border.
    const QPoint at = host->mapTo(&window, host->contentsRect().topLeft() + QPoint(4, 2));
    const auto both = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, both, &dropped, Qt::LeftButton, Qt::ShiftModifier);
    QDragLeaveEvent leave;
    QDragMoveEvent move(at, both, &dropped, Qt::LeftButton, Qt::ShiftModifier);
    QDropEvent drop(at, both, &dropped, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window.windowHandle(), &enter);
    EXPECT_FALSE(enter.isAccepted());  // not a drop target until the mode is manual
    slider.SetOLEDropMode(1);
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &leave, &enter, &move, &drop}) {
        QApplication::sendEvent(window.windowHandle(), event);
    }

    EXPECT_EQ(raised, (std::vector<std::string>{"#FF8000 3 1 1 60 30 0", "#FF8000 3 1 1 60 30 1",
                                                "#FF8000 3 1 1 60 30 0", "#FF8000 3 1 1 60 30 2",
                                                "#FF8000 3 1 1 60 30"}));
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
}

TEST(SliderHostTest, AFormatDeclaredForADragIsAskedOfTheSourceOnceATargetReadsIt) {
    DragMimeData dragged;
    std::vector<std::int16_t> asked;
    dragged.Requested = [&](IDataObject& Data, std::int16_t& DataFormat) {
        asked.push_back(DataFormat);
        EXPECT_EQ(Describe(Data, {}), "");  // reading it back asks nothing more
        Data.SetData(std::u16string(u"#FF8000"), DataFormat);
    };
    dragged.Data().SetData({}, IDataObject::Text);
    EXPECT_TRUE(dragged.hasText());
    EXPECT_EQ(dragged.text() + dragged.text(), QStringLiteral("#FF8000#FF8000"));
    EXPECT_EQ(asked, std::vector<std::int16_t>{IDataObject::Text});
}

}  // namespace
}  // namespace vitrel
