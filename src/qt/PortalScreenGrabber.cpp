// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/PortalScreenGrabber.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

namespace vitrel {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
/// No desktop is larger than this (8K at 32 bits a pixel is 127 MiB); a bigger file or picture
/// is not a screenshot of ours to read.
constexpr int MaxScreenshotMegabytes = 256;
constexpr qint64 MaxScreenshotBytes = qint64{MaxScreenshotMegabytes} << 20;

/// Receives the portal's Response signal for one request.
class Response : public QObject {
    Q_OBJECT
public:
    bool answered = false;
    uint code = 2;
    QVariantMap results;
    QEventLoop loop;

public Q_SLOTS:
    void Arrived(uint response, const QVariantMap& values) {
        answered = true;
        code = response;
        results = values;
        loop.quit();
    }
};

/// The picture a portal's answer points to: a local file, read with a ceiling.
Grabbed ReadScreenshot(const QVariantMap& results) {
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    QFile file(uri.toLocalFile());
    if (!uri.isLocalFile() || !file.open(QIODevice::ReadOnly) || file.size() > MaxScreenshotBytes) {
        return {{}, GrabFailure::Unreadable};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(MaxScreenshotMegabytes);
    QImage pixels = reader.read();
    if (pixels.isNull()) {
        return {{}, GrabFailure::Unreadable};
    }
    return {pixels.convertToFormat(QImage::Format_RGB32), GrabFailure::None};
}

}  // namespace

std::vector<QRect> PortalScreenGrabber::Screens() const {
    return m_x11.Screens();
}

std::optional<QPoint> PortalScreenGrabber::DeviceOrigin(const QWidget& window) const {
    return m_x11.DeviceOrigin(window);
}

Grabbed PortalScreenGrabber::Grab(int /*screen*/, const QRect& area) const {
    if (!m_shotKept) {
        m_shot = Screenshot();
        m_shotKept = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [this] { m_shotKept = false; });
    }
    if (m_shot.pixels.isNull()) {
        return {{}, m_shot.failure};
    }
    // The screenshot covers the whole desktop; a compositor that scales its outputs may hand
    // it over at another size than XWayland's device pixels.
    QRect desktop;
    for (const QRect& screen : Screens()) {
        desktop |= screen;
    }
    if (desktop.isEmpty()) {
        return {{}, GrabFailure::Unreadable};
    }
    const double sx = double(m_shot.pixels.width()) / desktop.width();
    const double sy = double(m_shot.pixels.height()) / desktop.height();
    const QPoint from = area.topLeft() - desktop.topLeft();
    if (sx == 1.0 && sy == 1.0) {
        return {m_shot.pixels.copy(QRect(from, area.size()))};
    }
    QImage pixels(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        const int row = std::min(int((from.y() + y + 0.5) * sy), m_shot.pixels.height() - 1);
        const auto* source = reinterpret_cast<const QRgb*>(m_shot.pixels.constScanLine(row));
        for (int x = 0; x < area.width(); ++x) {
            line[x] = source[std::min(int((from.x() + x + 0.5) * sx), m_shot.pixels.width() - 1)];
        }
    }
    return {pixels};
}

Grabbed PortalScreenGrabber::Screenshot() const {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return {{}, GrabFailure::NoPortal};
    }
    // The request's object path is known before the call, so its answer cannot be missed.
    const QString token =
        QStringLiteral("vitrel%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    const QString request =
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    Response response;
    bus.connect(kPortal, request, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), &response, SLOT(Arrived(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    QDBusPendingCallWatcher pending(bus.asyncCall(call, PortalTimeoutSeconds * 1000));
    GrabFailure failure = GrabFailure::TimedOut;
    QObject::connect(&pending, &QDBusPendingCallWatcher::finished, &response.loop, [&] {
        if (pending.isError()) {
            const QString name = pending.error().name();
            failure = name == QLatin1String("org.freedesktop.DBus.Error.NoReply")
                          ? GrabFailure::TimedOut
                      : name.startsWith(QLatin1String("org.freedesktop.portal.Error"))
                          ? GrabFailure::Refused
                          : GrabFailure::NoPortal;
            response.loop.quit();
        } else if (const QDBusPendingReply<QDBusObjectPath> handle = pending;
                   handle.value().path() != request) {
            // An older portal chose the request's path itself.
            bus.connect(kPortal, handle.value().path(),
                        QStringLiteral("org.freedesktop.portal.Request"),
                        QStringLiteral("Response"), &response, SLOT(Arrived(uint, QVariantMap)));
        }
    });
    QTimer::singleShot(PortalTimeoutSeconds * 1000, &response.loop, &QEventLoop::quit);
    if (!response.answered) {
        response.loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    bus.disconnect(kPortal, request, QStringLiteral("org.freedesktop.portal.Request"),
                   QStringLiteral("Response"), &response, SLOT(Arrived(uint, QVariantMap)));
    if (!response.answered) {
        return {{}, failure};
    }
    // 0: the picture; 1: the user or the desktop said no; 2: anything else.
    if (response.code != 0) {
        return {{}, response.code == 1 ? GrabFailure::Refused : GrabFailure::Unreadable};
    }
    return ReadScreenshot(response.results);
}

}  // namespace vitrel

#include "PortalScreenGrabber.moc"
