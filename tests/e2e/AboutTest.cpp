// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The installed program on a real X server: it runs from a read-only folder, F1 shows its
// help, and a second instance ends when its about box opens.
#include <unistd.h>
#include <QDir>
#include <QFileInfo>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

TEST(About, TheInstalledProgramShowsItsHelpAndASecondInstanceEndsAtItsAboutBox) {
    QTemporaryDir prefix;
    Tool({"cmake", "--install", QFileInfo(VITREL_BINARY).dir().filePath(".."), "--prefix",
          prefix.path()});
    for (const char* file : {"share/icons/hicolor/16x16/apps/vitrel.png",
                             "share/icons/hicolor/32x32/apps/vitrel.png"}) {
        EXPECT_TRUE(QFileInfo::exists(prefix.filePath(file))) << file;
    }
    Tool({"desktop-file-validate", prefix.filePath("share/applications/vitrel.desktop")});
    Tool({"chmod", "-R", "a+rX,a-w", prefix.path()});

    Vitrel first;
    Vitrel second;
    const QString home = first.SettingsPath().section(u'/', 0, -4);
    QStringList wrapper;
    if (::geteuid() == 0) {  // root writes into a read-only folder anyway: it runs as nobody
        Tool({"sh", "-c",
              QString("chmod -R a+rwX %1 && chown -R nobody %1 && chmod 700 %1").arg(home)});
        wrapper = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    }
    // Through the link in bin/; the built program's path follows as an argument, which the
    // program does not read. F1 then finds the help file beside the program, not the link.
    first.wrapper = second.wrapper = wrapper << prefix.filePath("bin/vitrel");
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
    EXPECT_FALSE(QFileInfo::exists(prefix.filePath("libexec/vitrel/Favorites"))) << "not per user";
    first.Signal(SIGTERM);
    ASSERT_EQ(first.WaitForExit(), 0) << "crashed, killed or still running";
}

}  // namespace
}  // namespace vitrel::e2e
