// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Start-up and shutdown of the real program under openbox: what it restores from the
// settings file, where its frame goes, that every way of ending it stores the settings, and
// that it ends cleanly when there is no display.
#include <QDir>
#include <ostream>
#include <string_view>

#include "E2e.h"

void PrintTo(const QPoint& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}

namespace vitrel::e2e {
namespace {

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };

QPoint BottomRightCorner(QSize frame) {
    return {kScreen.width() - frame.width(), kScreen.height() - frame.height()};
}
QPoint StoredTopPlacedLeft(QSize frame) {  // TOP 300 twips, LEFT where openbox places it
    return {Centred(frame).x(), 300 / kTwipsPerPixel};
}

struct RunRow {
    const char* name;
    const char* stored;
    QPoint (*origin)(QSize frame);
    const char* closeKeys;
    Settings storedBack;  // and the frame's position
};

class StartAndClose : public ::testing::TestWithParam<RunRow> {};

TEST_P(StartAndClose, PlacesTheFrameShowsTheColourAndStoresTheSettings) {
    const RunRow& row = GetParam();
    Vitrel vitrel(row.stored);
    vitrel.Start();
    QRect frame;
    WaitUntil([&] { return (frame = vitrel.Frame()).topLeft() == row.origin(frame.size()); });
    EXPECT_EQ(frame.topLeft(), row.origin(frame.size()));
    const auto channel = [&row](const char* key) { return std::stoi(row.storedBack.at(key)); };
    const QColor colour(channel("R"), channel("G"), channel("B"));
    EXPECT_EQ(vitrel.WaitForPixel(kPreview, colour), Name(colour));
    if (std::string_view(row.stored).empty()) {  // the first run
        QDir().mkpath(VITREL_E2E_SHOTS_DIR);
        Screenshot().copy(frame).save(VITREL_E2E_SHOTS_DIR "/main-window.png");
    }

    Key(row.closeKeys);
    vitrel.ExpectCleanExit();
    Settings expected = row.storedBack;
    expected["TOP"] = std::to_string(frame.top() * kTwipsPerPixel);
    expected["LEFT"] = std::to_string(frame.left() * kTwipsPerPixel);
    EXPECT_EQ(vitrel.ReadSettings(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    , StartAndClose,
    ::testing::Values(
        // The window stays where openbox places a new one.
        RunRow{"FirstRunClosedWithAltF4", "", Centred, "alt+F4", Stored(0, 0, 0, "100001", 1)},
        RunRow{"ClampedToTheBottomRightCorner",
               "R=300 G=128 B=-5 TOP=999999 LEFT=999999 OP1=False OP2=True OP4=True "
               "OP6=False CCK=0",
               BottomRightCorner, "ctrl+q", Stored(255, 128, 0, "010100", 0)},
        RunRow{"TopWithoutLeft", "TOP=300", StoredTopPlacedLeft, "ctrl+q",
               Stored(0, 0, 0, "100001", 1)}),
    kRowName);

struct CloseRow {
    const char* name;
    void (*close)(Vitrel& vitrel);
};

class Close : public ::testing::TestWithParam<CloseRow> {};

TEST_P(Close, StoresTheCommittedColourThePositionAndTheOptions) {
    Vitrel vitrel("R=10 G=20 B=30 OP1=False OP2=True OP5=True OP6=False CCK=0");
    vitrel.Start();
    Type("77\t");  // leaving the red box commits what was typed into it
    const QColor committed(77, 20, 30);
    ASSERT_EQ(vitrel.WaitForPixel(kPreview, committed), Name(committed));
    const QRect frame = vitrel.Frame();

    GetParam().close(vitrel);
    vitrel.ExpectCleanExit();
    EXPECT_EQ(vitrel.ReadSettings(), Stored(77, 20, 30, "010010", 0, frame));
}

INSTANTIATE_TEST_SUITE_P(
    , Close,
    ::testing::Values(CloseRow{"CtrlQ", [](Vitrel&) { Key("ctrl+q"); }},
                      CloseRow{"FileMenuExit",
                               [](Vitrel& vitrel) {
                                   Key("alt+f");
                                   // The item's access key works once the menu is open.
                                   WaitUntil([&] { return vitrel.WindowIds().size() > 1; });
                                   Key("q");
                               }},
                      CloseRow{"CloseButton", [](Vitrel& vitrel) { vitrel.Click(kCloseButton); }},
                      CloseRow{"SIGTERM", [](Vitrel& vitrel) { vitrel.Signal(SIGTERM); }},
                      CloseRow{"SIGINT", [](Vitrel& vitrel) { vitrel.Signal(SIGINT); }},
                      CloseRow{"SIGHUP", [](Vitrel& vitrel) { vitrel.Signal(SIGHUP); }}),
    kRowName);

struct NoDisplayRow {
    const char* name;
    const char* display;  // nullptr: DISPLAY unset
};

class NoDisplay : public ::testing::TestWithParam<NoDisplayRow> {};

TEST_P(NoDisplay, EndsWithOneLineOnStandardErrorAndLeavesTheSettings) {
    Vitrel vitrel("R=42");
    QProcessEnvironment environment = vitrel.Environment();
    environment.remove("DISPLAY");
    if (GetParam().display != nullptr) {
        environment.insert("DISPLAY", GetParam().display);
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(VITREL_BINARY, {});
    ASSERT_TRUE(process.waitForFinished(10000)) << "still running";

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
    EXPECT_NE(process.exitCode(), 0);
    const QByteArray error = process.readAllStandardError();
    EXPECT_TRUE(error.count('\n') == 1 && error.endsWith('\n') && error.size() > 1) << error.data();
    EXPECT_EQ(vitrel.ReadSettings(), (Settings{{"R", "42"}}));
}

INSTANTIATE_TEST_SUITE_P(, NoDisplay,
                         ::testing::Values(NoDisplayRow{"Unset", nullptr},
                                           // No X server listens on a display of that number.
                                           NoDisplayRow{"Unreachable", ":65529"}),
                         kRowName);

}  // namespace
}  // namespace vitrel::e2e
