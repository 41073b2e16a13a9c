// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// A favourite saved on a real X server lands in the program folder in the record format other
// tools read, and a later run lists it and recalls its colour, notation and picture.
#include <QDateTime>
#include <QDir>
#include <QFile>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

// The record: each string's byte count minus one, little-endian, then its UTF-16LE code units.
QByteArray Record(const QString& name, const QString& colour) {
    QByteArray bytes;
    for (const QString& text : {name, colour}) {
        const qint32 upper = static_cast<qint32>(text.size() * 2 - 1);
        bytes.append(reinterpret_cast<const char*>(&upper), 4);
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    }
    return bytes;
}

TEST(Favorites, ASavedFavouriteIsWrittenListedAndRecalledAfterARestart) {
    Vitrel vitrel("R=255 G=0 B=0 OP1=False OP3=True OP5=True OP6=False");
    vitrel.program = vitrel.Folder() + "/vitrel";  // its Favorites folder beside it
    ASSERT_TRUE(QFile::copy(VITREL_BINARY, vitrel.program));
    Tool({"xsetroot", "-solid", "#10c040"});
    // Keys for the Japanese name, in the keymap before the program reads it: xdotool's own
    // remapping while typing races with the program and can lose a character.
    Tool({"xmodmap", "-e", "keycode 250 = U9752", "-e", "keycode 251 = U3044"});
    // Links to the program under every name a save of the next seconds wrote or writes, and
    // the probe for a writable folder: none is written through, or the restart below fails.
    const QDir folder(vitrel.Folder() + "/Favorites");
    ASSERT_TRUE(folder.mkpath(".") &&
                QFile::link(vitrel.program, folder.filePath(".write-test.tmp")));
    for (int second = 0; second < 20; ++second) {
        const QString stem =
            QDateTime::currentDateTime().addSecs(second).toString("yyyyMMddhhmmss");
        for (const char* suffix : {".dat", ".bmp", ".dat.tmp", ".bmp.tmp"}) {
            QFile::link(vitrel.program, folder.filePath(stem + suffix));
        }
    }
    vitrel.Start();
    Key("ctrl+s");  // the picture: the green desktop under the glass
    Key("ctrl+a");
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 2; })) << "no add dialog";
    Key("U9752 U3044");  // 青い, from keys mapped before the program started
    Key("Return");
    const auto saved = [&] { return folder.entryList({"*.dat"}, QDir::Files | QDir::NoSymLinks); };
    ASSERT_TRUE(WaitUntil([&] { return saved().size() == 1; }));
    const QString record = folder.filePath(saved().front());
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Record(QString::fromUtf8("青い"), "'Red'"));
    EXPECT_EQ(QImage(record.chopped(4) + ".bmp", "BMP").pixelColor(10, 10), QColor(16, 192, 64));
    vitrel.Signal(SIGTERM);
    ASSERT_EQ(vitrel.WaitForExit(), 0) << "crashed, killed or still running";

    // Another colour and notation, and the desktop black again: the recall must bring all back.
    {
        QSettings settings(vitrel.SettingsPath(), QSettings::IniFormat);
        for (const char* entry : {"R=0", "OP1=True", "OP3=False", "OP5=False", "OP6=True"}) {
            const QString keyValue = QString::fromLatin1(entry);
            settings.setValue("STERTUP/" + keyValue.section(u'=', 0, 0), keyValue.section(u'=', 1));
        }
    }
    Tool({"xsetroot", "-solid", "black"});
    vitrel.Start();
    Key("alt+b");
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 2; })) << "no menu";
    Key("1");
    EXPECT_EQ(vitrel.WaitForPixel(kPreview, Qt::red), Name(Qt::red));
    EXPECT_EQ(vitrel.WaitForPixel(kCanvas + QPoint(10, 10), QColor(16, 192, 64)), "#10c040");
    Key("ctrl+c");
    EXPECT_TRUE(WaitUntil([] { return Clipboard("UTF8_STRING") == "'Red'"; }));
}

}  // namespace
}  // namespace vitrel::e2e
