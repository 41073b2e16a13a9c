// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "E2eTest.h"

#include <QDir>
#include <cstdio>
#include <stdexcept>

namespace vitrel::e2e {

QString E2eTest::ShotsFolder() {
    return QStringLiteral(VITREL_E2E_SHOTS_DIR);
}

QString E2eTest::VitrelBinary() {
    return QStringLiteral(VITREL_BINARY);
}

QString E2eTest::TestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name =
        QString::fromUtf8(info->test_suite_name()) + u'.' + QString::fromUtf8(info->name());
    return name.replace(u'/', u'_');
}

void E2eTest::SetUp() {
    // A failure picture of an earlier run must not pass for one of this run.
    QDir shots(ShotsFolder());
    for (const QString& stale : shots.entryList({TestName() + QStringLiteral("*.png")})) {
        shots.remove(stale);
    }
    m_session = std::make_unique<XSession>();
    m_vitrel = std::make_unique<VitrelProcess>(*m_session, VitrelBinary());
}

void E2eTest::TearDown() {
    if (HasFailure() && m_session) {
        try {
            Shot(QStringLiteral("failure"));
        } catch (const std::exception& error) {
            ADD_FAILURE() << "no screenshot of the failure: " << error.what();
        }
        if (m_vitrel) {
            std::printf("vitrel output:\n%s\n", qPrintable(m_vitrel->Log()));
        }
    }
    m_vitrel.reset();
    m_session.reset();
}

QImage E2eTest::Shot(const QString& suffix) {
    const QImage screen = m_session->Screenshot();
    SaveShot(screen,
             TestName() + (suffix.isEmpty() ? QString() : u'-' + suffix) + QStringLiteral(".png"));
    return screen;
}

void E2eTest::SaveShot(const QImage& image, const QString& fileName) {
    QDir().mkpath(ShotsFolder());
    const QString path = QDir(ShotsFolder()).filePath(fileName);
    if (!image.save(path, "PNG")) {
        throw std::runtime_error("cannot save " + path.toStdString());
    }
}

}  // namespace vitrel::e2e
