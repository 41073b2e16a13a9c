// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include <gtest/gtest.h>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "qt/ClipboardPicture.h"
#include "qt/QtClipboard.h"
#include "qt/QtSettingsStore.h"
#include "qt/WindowRegistry.h"

namespace vitrel {
namespace {

TEST(WindowRegistryTest, HandlesAreNeverReusedAndNameNoWindowOnceItIsGone) {
    WindowRegistry& registry = WindowRegistry::Instance();
    auto first = std::make_unique<QWidget>();
    const WindowHandle handle = registry.HandleOf(first.get());
    EXPECT_EQ(registry.HandleOf(first.get()), handle);
    EXPECT_EQ(registry.Find(handle), first.get());
    first.reset();
    EXPECT_EQ(registry.Find(handle), nullptr);
    // The allocator may hand the old address to the next widget; the handle stays dead.
    for (int i = 0; i < 8; ++i) {
        QWidget next;
        EXPECT_NE(registry.HandleOf(&next), handle);
        EXPECT_EQ(registry.Find(handle), nullptr);
    }
    EXPECT_EQ(registry.HandleOf(nullptr), 0U);
}

TEST(QtSettingsStoreTest, AMalformedLineIsDroppedAndTheFileWrittenWithoutAFailure) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QFile file(home.filePath("VITRELLE/VITRELLE.ini"));
    ASSERT_TRUE(QDir().mkpath(home.filePath("VITRELLE")) && file.open(QIODevice::WriteOnly) &&
                file.write("[broken\n") > 0 && file.flush());
    QtSettingsStore store;
    store.SaveSetting("VITRELLE", "STERTUP", "R", "5");
    EXPECT_EQ(store.Flush(), "");
    EXPECT_EQ(QSettings(file.fileName(), QSettings::IniFormat).value("STERTUP/R"), "5");
}

TEST(QtClipboardTest, RefusesPicturesBeyondTheBoundFromTheirHeader) {
    // A PNG header claiming 20,000 x 20,000 pixels, with no pixel data behind it.
    QImage small(1, 1, QImage::Format_RGB32);
    small.fill(Qt::black);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && small.save(&buffer, "PNG"));
    for (const int offset : {16, 20}) {  // IHDR width and height, big-endian
        png[offset + 2] = static_cast<char>(20000 >> 8);
        png[offset + 3] = static_cast<char>(20000 & 0xFF);
    }
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
    const auto reading = QtClipboard().Read();
    EXPECT_FALSE(reading->HasPicture());
    EXPECT_TRUE(reading->Picture().isNull());
}

TEST(QtClipboardTest, RefusesCutOffBitmapsAndTextsLongerThanAnyColourString) {
    QImage picture(60, 50, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP"));
    EXPECT_EQ(ClipboardPicture::Decode(bmp, "bmp").size(), QSize(60, 50));
    EXPECT_TRUE(ClipboardPicture::Decode(bmp.left(600), "bmp").isNull());  // not mostly black

    auto* data = new QMimeData;
    data->setText(QString(QtClipboard::MaxTextBytes + 1, u' ') + "red");
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_TRUE(QtClipboard().Read()->Text().isEmpty());
}

}  // namespace
}  // namespace vitrel
