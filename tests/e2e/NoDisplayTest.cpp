// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// Without a usable display the program must say so in one line and end, neither hanging nor
// aborting inside the toolkit, and without touching the stored settings.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

#include "ChildProcess.h"
#include "E2eTest.h"
#include "IniFile.h"
#include "VitrelProcess.h"

namespace vitrel::e2e {
namespace {

using namespace std::chrono_literals;

// A display name whose socket does not exist, so nothing can answer on it.
QString UnreachableDisplay() {
    for (int number = 65000; number > 60000; --number) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
            return QStringLiteral(":%1").arg(number);
        }
    }
    return QStringLiteral(":65000");
}

struct NoDisplayCase {
    const char* name;
    std::function<QString()> display;  // empty: DISPLAY unset
};

void PrintTo(const NoDisplayCase& row, std::ostream* out) {
    *out << row.name;
}

class NoDisplay : public ::testing::TestWithParam<NoDisplayCase> {};

TEST_P(NoDisplay, EndsAtOnceWithOneLineOnStandardErrorAndLeavesTheSettings) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString settings = home.filePath(QStringLiteral("config/VITRELLE/VITRELLE.ini"));
    IniFile::WriteGroup(settings, VitrelProcess::kSettingsGroup, {{"R", "42"}});

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"}) {
        environment.remove(QString::fromLatin1(name));
    }
    const QString display = GetParam().display();
    if (!display.isEmpty()) {
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));

    const ChildProcess::Result result =
        ChildProcess::Run(E2eTest::VitrelBinary(), {}, environment, 10s);

    EXPECT_FALSE(result.exit.crashed) << "ended by signal " << result.exit.code;
    EXPECT_NE(result.exit.code, 0);
    const QByteArray error = result.standardError;
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    EXPECT_TRUE(error.endsWith('\n')) << error.toStdString();
    EXPECT_GT(error.trimmed().size(), 0);
    EXPECT_EQ(IniFile::ReadGroup(settings, VitrelProcess::kSettingsGroup),
              (IniFile::Group{{"R", "42"}}));
}

INSTANTIATE_TEST_SUITE_P(Start, NoDisplay,
                         ::testing::Values(NoDisplayCase{"DisplayUnset", [] { return QString(); }},
                                           NoDisplayCase{"DisplayUnreachable",
                                                         [] { return UnreachableDisplay(); }}),
                         [](const ::testing::TestParamInfo<NoDisplayCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vitrel::e2e
