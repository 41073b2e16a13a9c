// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The Debian package as a user gets it: made from this build, clean under lintian, its
// AppStream metadata and desktop entry valid, and the program unpacked from it, in a read-only
// folder and run by another user, shows its help, ends a second instance at its about box and
// stores its settings.
#include <QDir>
#include <QFileInfo>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

TEST(Package, PassesLintianAndItsProgramRunsUnpackedAsAnotherUser) {
    QTemporaryDir out;
    Tool({"cpack", "-B", out.path(), "--config", VITREL_BUILD_DIR "/CPackConfig.cmake"});
    const QString deb = out.filePath("vitrel_" VITREL_VERSION "-1_amd64.deb");
    ASSERT_TRUE(QFileInfo::exists(deb)) << QDir(out.path()).entryList().join(u' ').toStdString();
    Tool({"lintian", "--fail-on", "error,warning", deb});
    const QString root = out.filePath("root");
    Tool({"dpkg-deb", "-x", deb, root});
    // Packed relocations need a C library that shlibdeps, reading only symbols, cannot name.
    if (Tool({"readelf", "-V", root + "/usr/libexec/vitrel/vitrel"}).contains("DT_RELR")) {
        EXPECT_TRUE(Tool({"dpkg-deb", "-f", deb, "Depends"}).contains("libc6 (>= 2.36)"));
    }
    Tool({"appstreamcli", "validate", "--no-net",
          root + "/usr/share/metainfo/org.vitrel.Vitrel.metainfo.xml"});
    Tool({"desktop-file-validate", root + "/usr/share/applications/org.vitrel.Vitrel.desktop"});
    // 16, 22, 24, 32, 48, 64, 128 and 256 pixels, and scalable.
    EXPECT_EQ(Tool({"find", root + "/usr/share/icons", "-name", "org.vitrel.Vitrel.*"}).count('\n'),
              9);
    Tool({"chmod", "-R", "a+rX,a-w", out.path()});

    Vitrel first;
    Vitrel second;
    first.AsAnotherUser();
    // Through the link in usr/bin: F1 finds the help file beside the program, not the link.
    first.program = root + "/usr/bin/vitrel";
    second.wrapper = first.wrapper;
    second.program = first.program;
    first.Start();
    const QString main = first.WindowIds().front();
    second.extraEnvironment = first.Environment();  // the same user's folders
    second.Start();
    Key("alt+h v");  // ﾍﾙﾌﾟ(&H), ﾊﾞｰｼﾞｮﾝ情報(&V)
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_FALSE(QFileInfo::exists(first.SettingsPath())) << "the second instance stored";

    Tool({"xdotool", "windowactivate", "--sync", main});
    Key("F1");
    QStringList windows;
    WaitUntil([&] { return (windows = first.WindowIds()).size() == 2; });
    windows.removeAll(main);
    ASSERT_EQ(windows.size(), 1) << "no help window";
    EXPECT_EQ(Tool({"xdotool", "getwindowname", windows[0]}).trimmed(), "目次 - ﾋﾞﾄﾚﾙ ﾍﾙﾌﾟ");
    const auto shot = [&] {
        return QImage::fromData(Tool({"import", "-window", windows[0], "png:-"}));
    };
    WaitUntil([&] { return shot().pixelColor(8, 8) != Qt::black; });
    QDir().mkpath(VITREL_E2E_SHOTS_DIR);
    shot().save(VITREL_E2E_SHOTS_DIR "/help-window.png");
    first.Signal(SIGTERM);
    ASSERT_EQ(first.WaitForExit(), 0) << "crashed, killed or still running";
    EXPECT_EQ(first.ReadSettings().count("R"), 1U) << "the settings were not stored";
    EXPECT_FALSE(QFileInfo::exists(root + "/usr/libexec/vitrel/Favorites")) << "not per user";
}

}  // namespace
}  // namespace vitrel::e2e
