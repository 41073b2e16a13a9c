// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The program in a Wayland session (wayland-session.sh), through XWayland: the compositor shows
// the desktop exactly through the glass of a translucent window, a snapshot through the
// desktop portal holds exactly the square under the glass, a click picks the colour shown
// under the pointer; without a portal a snapshot is a message, not a black canvas.
#include <QDir>
#include <QTemporaryFile>

#include "Desktop.h"

namespace vitrel::e2e {
namespace {

constexpr QSize kOutput{1280, 800};

class WaylandSession : public ::testing::Test {
protected:
    void SetUp() override {
        // The desktop picture, which swaybg shows pixel for pixel.
        ASSERT_TRUE(m_picture.open() && DesktopPicture(kOutput).save(&m_picture, "PNG") &&
                    m_picture.flush());
        m_picture.setPermissions(m_picture.permissions() | QFile::ReadOther);
        Tool({"swaymsg", "output", "HEADLESS-1", "bg", m_picture.fileName(), "center"});
        ASSERT_TRUE(WaitUntil([] {
            return Screenshot().pixel(1279, 799) == DesktopColour({1279, 799});
        }));
        // The session bus and its portal answer only the session's own user.
        m_vitrel.AsAnotherUser();
    }

    QTemporaryFile m_picture{QDir::tempPath() + "/desktop-XXXXXX.png"};
    Vitrel m_vitrel{"CCK=0"};  // no colour names: every copy is #RRGGBB
};

TEST_F(WaylandSession, TheGlassShowsSnapsThroughThePortalAndPicksExactlyTheDesktopUnderIt) {
    m_vitrel.Start();
    const Placed placed(m_vitrel, 1);
    EXPECT_EQ(SeeThrough(Screenshot(), placed.window), QRegion(placed.Glass()));
    ExpectSnapshotOfGlass(placed);
    ExpectClicksPickWhatIsShown(placed);
    Screenshot().save(VITREL_E2E_SHOTS_DIR "/glass-wayland.png");
}

TEST_F(WaylandSession, WithoutAPortalASnapshotIsAMessageAndTheCanvasStays) {
    m_vitrel.extraEnvironment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    m_vitrel.Start();
    const QRect canvas(Placed(m_vitrel, 1).At({10, 112}).toPoint(), QSize(64, 64));
    const QImage before = Screenshot().copy(canvas);
    Key("ctrl+s");
    ASSERT_TRUE(WaitUntil([&] { return !m_vitrel.OtherWindow().isEmpty(); })) << "no message";
    Key("Return");
    ASSERT_TRUE(WaitUntil([&] { return m_vitrel.OtherWindow().isEmpty(); }));
    EXPECT_EQ(Screenshot().copy(canvas), before);
}

}  // namespace
}  // namespace vitrel::e2e
