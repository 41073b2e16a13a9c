// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The add, editor and colour dialogs open centred on the main window's frame, all in Japanese.
#include <QFile>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

/// Waits for the program's one window besides the main window: its frame, and its caption in
/// `caption`.
QRect OpenedDialog(const Vitrel& vitrel, QString* caption = nullptr) {
    QString dialog;
    WaitUntil([&] {
        for (const QString& window : vitrel.WindowIds()) {
            if (window != vitrel.WindowId()) {
                dialog = window;
            }
        }
        return !dialog.isEmpty();
    });
    if (dialog.isEmpty()) {
        ADD_FAILURE() << "no dialog";
        return {};
    }
    QThread::msleep(300);  // framed and placed
    if (caption != nullptr) {
        *caption = QString::fromUtf8(Tool({"xdotool", "getwindowname", dialog})).trimmed();
    }
    return FrameOf(dialog);
}

void ExpectCentredOn(const QRect& dialog, const QRect& owner) {
    const QPoint offset = (dialog.topLeft() + dialog.bottomRight()) -
                          (owner.topLeft() + owner.bottomRight());  // twice the centres' distance
    EXPECT_LE(std::abs(offset.x()), 1) << "left of the dialog's frame: " << dialog.x();
    EXPECT_LE(std::abs(offset.y()), 1) << "top of the dialog's frame: " << dialog.y();
}

TEST(Dialogs, OpenCentredOnTheMainWindowsFrame) {
    Vitrel vitrel("TOP=3000 LEFT=4500");
    vitrel.program = vitrel.Folder() + "/vitrel";  // its Favorites folder beside it
    ASSERT_TRUE(QFile::copy(VITREL_BINARY, vitrel.program));
    vitrel.Start();
    const QRect main = vitrel.Frame();

    Key("ctrl+a");
    ExpectCentredOn(OpenedDialog(vitrel), main);
    Type("a");
    Key("Return");  // saved: the editor has a favourite to show
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));

    Key("ctrl+e");
    ExpectCentredOn(OpenedDialog(vitrel), main);
    Key("Escape");
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));

    Key("alt+d");
    QString caption;
    const QRect colour = OpenedDialog(vitrel, &caption);
    ExpectCentredOn(colour, main);
    EXPECT_EQ(caption.toStdString(), "色を選択") << "Qt's own texts are not in Japanese";
    Screenshot().copy(colour).save(VITREL_E2E_SHOTS_DIR "/colour-dialog.png");
    Key("Escape");
    EXPECT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 1; }));
}

}  // namespace
}  // namespace vitrel::e2e
