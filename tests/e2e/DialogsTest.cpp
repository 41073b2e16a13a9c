// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The add and colour dialogs open centred on the main window's frame, all in Japanese.
#include "E2e.h"

namespace vitrel::e2e {
namespace {

/// Opens a dialog with the keys, expects its frame centred on the main window's: its caption.
QString ExpectCentredDialog(const Vitrel& vitrel, const QString& keys) {
    Key(keys);
    const QRect main = vitrel.Frame();
    QString dialog;
    QRect frame;
    EXPECT_TRUE(WaitUntil([&] {  // twice the centres' distance: an odd pixel larger is centred
        const QStringList windows = vitrel.WindowIds();
        dialog = windows.size() == 2 ? windows.at(windows.at(0) == vitrel.WindowId() ? 1 : 0) : "";
        frame = dialog.isEmpty() ? QRect() : FrameOf(dialog);
        return (frame.topLeft() + frame.bottomRight() - main.topLeft() - main.bottomRight())
                   .manhattanLength() <= 2;
    })) << keys.toStdString()
        << ": the frame is at " << frame.x() << ", " << frame.y();
    return QString::fromUtf8(Tool({"xdotool", "getwindowname", dialog})).trimmed();
}

TEST(Dialogs, OpenCentredOnTheMainWindowsFrame) {
    Vitrel vitrel("TOP=3000 LEFT=4500");
    vitrel.Start();
    ExpectCentredDialog(vitrel, "ctrl+a");
    Key("Escape");
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));
    EXPECT_EQ(ExpectCentredDialog(vitrel, "alt+d").toStdString(), "色を選択");  // Qt's, in Japanese
}

}  // namespace
}  // namespace vitrel::e2e
