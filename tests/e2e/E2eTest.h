// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QString>
#include <memory>

#include "VitrelProcess.h"
#include "XSession.h"

namespace vitrel::e2e {

/// A test on its own X server with openbox, and a Vitrel ready to be started in it.
/// Screenshots taken with Shot() are kept in the build tree (e2e-shots/<suite>.<test>.png),
/// and one more is taken when a test fails while its X server is still up.
class E2eTest : public ::testing::Test {
public:
    /// The folder of the kept screenshots.
    static QString ShotsFolder();
    /// The built program under test.
    static QString VitrelBinary();

protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] XSession& Session() { return *m_session; }
    [[nodiscard]] VitrelProcess& Vitrel() { return *m_vitrel; }

    /// A screenshot of the whole screen, also saved under the test's name (plus `suffix`).
    QImage Shot(const QString& suffix = {});
    /// Saves a picture in the screenshot folder under `fileName`.
    static void SaveShot(const QImage& image, const QString& fileName);

private:
    static QString TestName();

    std::unique_ptr<XSession> m_session;
    std::unique_ptr<VitrelProcess> m_vitrel;
};

}  // namespace vitrel::e2e
