// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// What a hostile desktop does to the program: a clipboard owner that stops answering, a
// picture that hides its size, a settings file that cannot be written, a signal before the
// window exists.
#include <unistd.h>
#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include "E2e.h"

namespace vitrel::e2e {
namespace {

/// A figure of the process's /proc status in kilobytes ("VmRSS", "VmHWM"), or a mask ("SigBlk").
qint64 Status(qint64 pid, const char* field, int base = 10) {
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    file.open(QIODevice::ReadOnly);
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(line.indexOf(':') + 1)
                .trimmed()
                .split(' ')
                .front()
                .toLongLong(nullptr, base);
        }
    }
    return -1;
}

TEST(Robustness, AStuckClipboardOwnerCostsOneWaitAndTheCloseIsCarriedOut) {
    Vitrel vitrel;
    vitrel.Start();
    QProcess owner;  // stays in the foreground as the clipboard's owner
    owner.start("xclip", {"-quiet", "-selection", "clipboard", "-i"});
    owner.write("#00ff00");
    owner.waitForBytesWritten();  // no event loop here to do it later
    owner.closeWriteChannel();
    ASSERT_TRUE(WaitUntil([] { return Clipboard("UTF8_STRING") == "#00ff00"; }));
    ::kill(static_cast<pid_t>(owner.processId()), SIGSTOP);

    const auto pasted = std::chrono::steady_clock::now();
    Key("ctrl+v ctrl+v ctrl+v");  // the owner found stuck is not waited for again
    Type("255\t");
    EXPECT_EQ(vitrel.WaitForPixel(kPreview, Qt::red), "#ff0000");
    EXPECT_LT(std::chrono::steady_clock::now() - pasted, std::chrono::seconds(4))
        << "more than one wait for the owner";
    vitrel.Signal(SIGTERM);
    const std::optional<int> status = vitrel.WaitForExit(15000);
    ::kill(static_cast<pid_t>(owner.processId()), SIGCONT);
    owner.kill();
    owner.waitForFinished();

    EXPECT_EQ(status, 0);
    EXPECT_EQ(vitrel.ReadSettings().count("R"), 1U) << "the settings were not stored";
}

TEST(Robustness, APictureThatHidesItsSizeIsRefusedWithoutDecodingIt) {
    // An icon file whose one entry is a 5600 x 5600 PNG, offered as a PNG.
    QImage huge(5600, 5600, QImage::Format_RGB32);
    huge.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && huge.save(&buffer, "PNG"));
    huge = QImage();
    QByteArray icon(22, '\0');
    const auto put16 = [&icon](int at, quint16 v) { qToLittleEndian(v, icon.data() + at); };
    const auto put32 = [&icon](int at, quint32 v) { qToLittleEndian(v, icon.data() + at); };
    put16(2, 1);  // an icon
    put16(4, 1);  // one entry
    put16(10, 1);
    put16(12, 32);
    put32(14, static_cast<quint32>(png.size()));
    put32(18, 22);
    Vitrel vitrel;
    vitrel.Start();
    SetClipboard("image/png", icon + png);
    const qint64 idle = Status(vitrel.Pid(), "VmRSS");

    Key("ctrl+v ctrl+c");  // the copy shows that the paste has been handled
    ASSERT_TRUE(WaitUntil([] { return Clipboard("UTF8_STRING") == "BLACK"; }));
    EXPECT_TRUE(Clipboard("image/png").size() < 10000) << "the canvas took the picture";
    SetClipboard("UTF8_STRING", QByteArray(50'000'000, ' ') + "red");  // and a 50 MB text
    Key("ctrl+v ctrl+c");
    ASSERT_TRUE(WaitUntil([] { return Clipboard("UTF8_STRING") == "BLACK"; }));
    EXPECT_LT(Status(vitrel.Pid(), "VmHWM") - idle, 64 * 1024) << "kilobytes above idle";
}

struct UnwritableRow {
    const char* name;
    const char* shell;  // makes the settings unwritable; %1 the file, %2 its folder
};

class UnwritableSettings : public ::testing::TestWithParam<UnwritableRow> {};

TEST_P(UnwritableSettings, AreSaidOnStandardErrorInAMessageBoxAndInTheExitStatus) {
    Vitrel vitrel("R=5");
    const QString file = vitrel.SettingsPath();
    vitrel.AsAnotherUser();
    Tool({"sh", "-c",
          QString::fromUtf8(GetParam().shell)
              .replace("%1", file)
              .replace("%2", file.section(u'/', 0, -2))});
    vitrel.Start(true);
    Key("ctrl+q");  // a person closes: the message box says it
    ASSERT_TRUE(WaitUntil([&] { return vitrel.WindowIds().size() == 2; })) << "no message box";
    Key("Return");
    EXPECT_EQ(vitrel.WaitForExit(), 1);
    const QByteArray error = vitrel.StandardError();
    EXPECT_EQ(error.count('\n'), 1) << error.data();
    EXPECT_TRUE(error.contains(file.toUtf8())) << error.data();
}

INSTANTIATE_TEST_SUITE_P(, UnwritableSettings,
                         ::testing::Values(UnwritableRow{"FolderInItsPlace", "rm %1 && mkdir %1"},
                                           UnwritableRow{"ReadOnlyFile", "chmod 444 %1"},
                                           UnwritableRow{"ReadOnlyFolder", "chmod 555 %2"},
                                           UnwritableRow{"NoAccess", "chmod 000 %1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Robustness, ASignalBeforeTheWindowExistsEndsThroughTheShutdown) {
    Vitrel vitrel("R=7 TOP=3000 LEFT=1500");
    const Settings before = vitrel.ReadSettings();
    QProcess process;
    process.setProcessEnvironment(vitrel.Environment());
    process.start(VITREL_BINARY, {});
    // Once the program holds the signal back, it is its own to handle; that lasts only until
    // its window exists, so this looks without pausing.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while ((Status(process.processId(), "SigBlk", 16) >> (SIGTERM - 1) & 1) == 0) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the signal was never held back";
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    Settings after = vitrel.ReadSettings();
    for (const auto& [key, value] : before) {
        EXPECT_EQ(after[key], value) << key;
    }
}

}  // namespace
}  // namespace vitrel::e2e
