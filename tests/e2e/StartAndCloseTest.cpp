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
QPoint TopPlacedLeft(QSize frame) {  // TOP -100 twips: 0; LEFT where openbox places it
    return {Centred(frame).x(), 0};
}
QPoint LeftPlacedTop(QSize frame) {
    return {0, Centred(frame).y()};
}

struct RunRow {
    const char* name;
    const char* stored;
    QPoint (*origin)(QSize frame);
    void (*close)(Vitrel& vitrel);
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

    row.close(vitrel);
    ASSERT_EQ(vitrel.WaitForExit(), 0) << "crashed, killed or still running";
    Settings expected = row.storedBack;
    expected["TOP"] = std::to_string(frame.top() * kTwipsPerPixel);
    expected["LEFT"] = std::to_string(frame.left() * kTwipsPerPixel);
    EXPECT_EQ(vitrel.ReadSettings(), expected);
}

const Settings kFirstRun = Stored(0, 0, 0, "100001", 1);

INSTANTIATE_TEST_SUITE_P(
    , StartAndClose,
    ::testing::Values(
        // The window stays where openbox places a new one.
        RunRow{"FirstRunClosedWithAltF4", "", Centred, [](Vitrel&) { Key("alt+F4"); }, kFirstRun},
        RunRow{"ClampedToTheBottomRightCorner",
               "R=300 G=128 B=-5 TOP=999999 LEFT=999999 OP1=False OP2=True OP4=True "
               "OP6=False CCK=0",
               BottomRightCorner, [](Vitrel&) { Key("ctrl+q"); }, Stored(255, 128, 0, "010100", 0)},
        RunRow{"TopWithoutLeft", "TOP=-100", TopPlacedLeft, [](Vitrel&) { Key("ctrl+q"); },
               kFirstRun},
        RunRow{"LeftWithoutTop", "LEFT=-100", LeftPlacedTop,
               [](Vitrel& vitrel) { vitrel.Click(kCloseButton); }, kFirstRun},
        RunRow{"SIGTERM", "R=1", Centred, [](Vitrel& vitrel) { vitrel.Signal(SIGTERM); },
               Stored(1, 0, 0, "100001", 1)},
        RunRow{"SIGINT", "R=1", Centred, [](Vitrel& vitrel) { vitrel.Signal(SIGINT); },
               Stored(1, 0, 0, "100001", 1)},
        RunRow{"SIGHUP", "R=1", Centred, [](Vitrel& vitrel) { vitrel.Signal(SIGHUP); },
               Stored(1, 0, 0, "100001", 1)}),
    kRowName);

struct NoDisplayRow {
    const char* name;
    const char* display;  // nullptr: DISPLAY unset
    QStringList arguments;
    int exitCode;
    const char* output;              // how standard output starts
    const char* error;               // what the one line on standard error names; nullptr: no line
    const char* platform = nullptr;  // QT_QPA_PLATFORM
};

class NoDisplay : public ::testing::TestWithParam<NoDisplayRow> {};

TEST_P(NoDisplay, EndsAtOnceWithItsAnswerAndLeavesTheSettings) {
    const NoDisplayRow& row = GetParam();
    Vitrel vitrel("R=42");
    QProcessEnvironment environment = vitrel.Environment();
    environment.remove("DISPLAY");
    if (row.display != nullptr) {
        environment.insert("DISPLAY", row.display);
    }
    if (row.platform != nullptr) {
        environment.insert("QT_QPA_PLATFORM", row.platform);
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(VITREL_BINARY, row.arguments);
    ASSERT_TRUE(process.waitForFinished(10000)) << "still running";

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
    EXPECT_EQ(process.exitCode(), row.exitCode);
    const QByteArray output = process.readAllStandardOutput();
    EXPECT_TRUE(output.startsWith(row.output) && (output.isEmpty() || output.endsWith('\n')))
        << output.data();
    const QByteArray error = process.readAllStandardError();
    EXPECT_TRUE(row.error == nullptr
                    ? error.isEmpty()
                    : error.count('\n') == 1 && error.endsWith('\n') && error.contains(row.error))
        << error.data();
    EXPECT_EQ(vitrel.ReadSettings(), (Settings{{"R", "42"}}));
}

INSTANTIATE_TEST_SUITE_P(
    , NoDisplay,
    ::testing::Values(
        NoDisplayRow{"Unset", nullptr, {}, 1, "", "DISPLAY is not set"},
        // No X server listens on a display of that number.
        NoDisplayRow{"Unreachable", ":65529", {}, 1, "", "X11 display \":65529\""},
        NoDisplayRow{"NoSuchPlugin", ":65529", {}, 1, "", "plugin \"nosuch\"", "nosuch"},
        NoDisplayRow{"WaylandUnreachable", nullptr, {}, 1, "", "Wayland display", "wayland"},
        NoDisplayRow{"Version", nullptr, {"--version"}, 0, "vitrel " VITREL_VERSION "\n", nullptr},
        NoDisplayRow{"Help", nullptr, {"-h"}, 0, "Usage: vitrel [options]\n", nullptr},
        NoDisplayRow{"UnknownOption", ":65529", {"--colour=red"}, 2, "", "'colour'"},
        NoDisplayRow{"FileArgument", nullptr, {"red.txt"}, 2, "", "'red.txt'"}),
    kRowName);

}  // namespace
}  // namespace vitrel::e2e
