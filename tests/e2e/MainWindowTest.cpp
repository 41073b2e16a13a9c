// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Start-up and shutdown of the real program under a window manager: what it restores from
// the settings file, where it puts its frame, and that every way of ending it stores the
// settings.
#include <QThread>
#include <csignal>
#include <functional>
#include <ostream>
#include <string_view>

#include "E2eTest.h"

// Readable failure messages for positions.
void PrintTo(const QPoint& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}

namespace vitrel::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kTwipsPerPixel = 15;  // Xvfb runs at 96 DPI
// Client positions: inside the preview's 2-pixel border, and the middle of the close button.
constexpr QPoint kPreview{376 + 89 / 2, 8 + 68 / 2};
constexpr QPoint kCloseButton{376 + 89 / 2, 152 + 25 / 2};

std::string Twips(int pixels) {
    return std::to_string(pixels * kTwipsPerPixel);
}

/// The whole settings group as closing writes it: the channels, the six options given as a
/// string of 1s and 0s ("100001": OP1 and OP6 selected), the name box, and the frame's
/// position when it is known.
IniFile::Group Stored(int red, int green, int blue, std::string_view options, int nameBox,
                      const QRect* frame = nullptr) {
    IniFile::Group group{{"R", std::to_string(red)},
                         {"G", std::to_string(green)},
                         {"B", std::to_string(blue)},
                         {"CCK", std::to_string(nameBox)}};
    for (std::size_t i = 0; i < options.size(); ++i) {
        group["OP" + std::to_string(i + 1)] = options[i] == '1' ? "True" : "False";
    }
    if (frame != nullptr) {
        group["TOP"] = Twips(frame->top());
        group["LEFT"] = Twips(frame->left());
    }
    return group;
}

/// Waits until the window's frame stands at `expected` (computed from the frame's size, as
/// the window manager's decorations are not known in advance); returns the last frame seen.
QRect WaitForFrame(const VitrelProcess& vitrel, const std::function<QPoint(QSize)>& expected) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    QRect frame = vitrel.FrameGeometry();
    while (frame.topLeft() != expected(frame.size()) &&
           std::chrono::steady_clock::now() < deadline) {
        QThread::msleep(50);
        frame = vitrel.FrameGeometry();
    }
    return frame;
}

void ExpectCleanExit(VitrelProcess& vitrel) {
    const auto exit = vitrel.WaitForExit();
    ASSERT_TRUE(exit.has_value()) << "vitrel still runs after being asked to close";
    EXPECT_FALSE(exit->crashed) << "ended by signal " << exit->code;
    EXPECT_EQ(exit->code, 0);
}

// Types a red value into the focused red box and leaves the box, which commits it; returns
// once the preview shows the committed colour, so nothing is still queued when the test goes
// on to close the program.
void CommitRed(VitrelProcess& vitrel, int red, const QColor& previewAfter) {
    vitrel.Type(QString::number(red));
    vitrel.Key(QStringLiteral("Tab"));
    const QColor seen = vitrel.WaitForClientPixel(kPreview, previewAfter, 5s);
    ASSERT_EQ(seen.name().toStdString(), previewAfter.name().toStdString())
        << "the preview did not take the typed red value";
}

class MainWindowE2e : public E2eTest {};

TEST_F(MainWindowE2e, FirstRunClosedWithAltF4StoresTheInitialStateAndFramePosition) {
    Vitrel().Start();
    const QRect window = Vitrel().WindowGeometry();
    ASSERT_EQ(window.width(), VitrelProcess::kClientSize.width());
    ASSERT_GT(window.height(), VitrelProcess::kClientSize.height()) << "no menu bar";

    const QRect frame = Vitrel().FrameGeometry();
    const QImage screen = Shot();
    SaveShot(screen.copy(frame), QStringLiteral("main-window.png"));

    Vitrel().Key(QStringLiteral("alt+F4"));
    ExpectCleanExit(Vitrel());

    EXPECT_EQ(Vitrel().Settings(), Stored(0, 0, 0, "100001", 1, &frame));
}

struct RestoreCase {
    const char* name;
    IniFile::Group stored;
    QColor preview;
    std::function<QPoint(QSize)> frameOrigin;
    IniFile::Group storedAfterwards;  // TOP and LEFT come from the frame
};

void PrintTo(const RestoreCase& row, std::ostream* out) {
    *out << row.name;
}

class StoredSettings : public E2eTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(StoredSettings, AreRestoredWithinTheScreenAndStoredBackOnClose) {
    const RestoreCase& row = GetParam();
    Vitrel().WriteSettings(row.stored);
    Vitrel().Start();

    const QRect frame = WaitForFrame(Vitrel(), row.frameOrigin);
    EXPECT_EQ(frame.topLeft(), row.frameOrigin(frame.size()))
        << "frame size " << frame.width() << "x" << frame.height();
    const QColor preview = Vitrel().ClientPixel(Shot(), kPreview);
    EXPECT_EQ(preview.name().toStdString(), row.preview.name().toStdString());

    Vitrel().Key(QStringLiteral("ctrl+q"));
    ExpectCleanExit(Vitrel());

    IniFile::Group expected = row.storedAfterwards;
    expected["TOP"] = Twips(frame.top());
    expected["LEFT"] = Twips(frame.left());
    EXPECT_EQ(Vitrel().Settings(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Restore, StoredSettings,
    ::testing::Values(
        // Channels clamped; a top beyond the screen puts the frame's bottom on the screen's
        // bottom; a left in range is kept to the twip.
        RestoreCase{
            "ClampedColourAtTheBottomEdge",
            {{"R", "300"},
             {"G", "128"},
             {"B", "-5"},
             {"TOP", "999999"},
             {"LEFT", "30"},
             {"OP1", "False"},
             {"OP3", "True"},
             {"OP6", "True"},
             {"CCK", "1"}},
            QColor(255, 128, 0),
            [](QSize frame) { return QPoint(2, XSession::kScreenSize.height() - frame.height()); },
            Stored(255, 128, 0, "001001", 1)},
        // A negative top becomes 0, a left beyond the screen puts the frame's right edge on
        // the screen's; the stored unticked name box wins over the capitalised option and
        // moves the case to lower case.
        RestoreCase{
            "TopRightCornerAndUntickedNameBox",
            {{"R", "0"},
             {"G", "255"},
             {"B", "256"},
             {"TOP", "-100"},
             {"LEFT", "999999"},
             {"OP1", "False"},
             {"OP3", "True"},
             {"CCK", "0"}},
            QColor(0, 255, 255),
            [](QSize frame) { return QPoint(XSession::kScreenSize.width() - frame.width(), 0); },
            Stored(0, 255, 255, "010001", 0)}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    std::function<void(VitrelProcess&)> close;
};

void PrintTo(const CloseCase& row, std::ostream* out) {
    *out << row.name;
}

class CloseCommand : public E2eTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseCommand, StoresTheCommittedColourPositionAndOptions) {
    // No stored position: the window stays where openbox puts it, so only the closing is
    // under test here.
    Vitrel().WriteSettings(Stored(10, 20, 30, "010010", 0));
    Vitrel().Start();
    ASSERT_NO_FATAL_FAILURE(CommitRed(Vitrel(), 77, QColor(77, 20, 30)));
    const QRect frame = Vitrel().FrameGeometry();
    Shot();

    ASSERT_NO_FATAL_FAILURE(GetParam().close(Vitrel()));
    ExpectCleanExit(Vitrel());

    EXPECT_EQ(Vitrel().Settings(), Stored(77, 20, 30, "010010", 0, &frame));
}

INSTANTIATE_TEST_SUITE_P(
    Close, CloseCommand,
    ::testing::Values(
        CloseCase{"ExitShortcut",
                  [](VitrelProcess& vitrel) { vitrel.Key(QStringLiteral("ctrl+q")); }},
        CloseCase{"FileMenuExit",
                  [](VitrelProcess& vitrel) {
                      vitrel.Key(QStringLiteral("alt+f"));
                      // The item's access key only reaches the menu once it is open.
                      const auto deadline = std::chrono::steady_clock::now() + 5s;
                      while (vitrel.VisibleWindows().size() < 2 &&
                             std::chrono::steady_clock::now() < deadline) {
                          QThread::msleep(50);
                      }
                      ASSERT_GE(vitrel.VisibleWindows().size(), 2U) << "the file menu did not open";
                      vitrel.Key(QStringLiteral("q"));
                  }},
        CloseCase{"CloseButton", [](VitrelProcess& vitrel) { vitrel.ClickClient(kCloseButton); }}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

class TerminationSignal : public E2eTest, public ::testing::WithParamInterface<int> {};

TEST_P(TerminationSignal, EndsThroughTheShutdownAndStoresTheCommittedColour) {
    Vitrel().Start();
    ASSERT_NO_FATAL_FAILURE(CommitRed(Vitrel(), 200, QColor(200, 0, 0)));
    Shot();

    Vitrel().Signal(GetParam());
    ExpectCleanExit(Vitrel());

    const IniFile::Group stored = Vitrel().Settings();
    EXPECT_EQ(stored.count("R") ? stored.at("R") : "(missing)", "200");
    EXPECT_EQ(stored.size(), 12U) << "not every setting was stored";
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, ::testing::Values(SIGTERM, SIGINT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGINT");
                         });

}  // namespace
}  // namespace vitrel::e2e
