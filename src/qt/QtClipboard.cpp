// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "qt/ClipboardPicture.h"
#include "qt/X11SelectionReading.h"

namespace vitrel {
namespace {

// A request that takes this long means an owner that has stopped answering: the toolkit
// waited out its own timeout. Nothing more is asked of it in this action.
constexpr qint64 kStuckMilliseconds = 1000;

class QtClipboardReading : public ClipboardReading {
public:
    QtClipboardReading() : m_data(QGuiApplication::clipboard()->mimeData()) {
        if (m_data != nullptr) {
            m_formats = Ask([this] { return m_data->formats(); });
        }
    }

    QString Text() override {
        if (!m_text) {
            m_text = ReadText();
        }
        return *m_text;
    }

    bool HasPicture() override {
        if (OwnPicture()) {
            return true;
        }
        const auto [bytes, decoder] = PictureBytes();
        return ClipboardPicture::Size(bytes, decoder).has_value();
    }

    QImage Picture() override {
        if (OwnPicture()) {
            return qvariant_cast<QImage>(m_data->imageData());
        }
        const auto [bytes, decoder] = PictureBytes();
        return ClipboardPicture::Decode(bytes, decoder);
    }

private:
    template <class Request>
    auto Ask(Request request) -> decltype(request()) {
        if (m_stuck) {
            return {};
        }
        QElapsedTimer timer;
        timer.start();
        auto answer = request();
        m_stuck = timer.elapsed() >= kStuckMilliseconds;
        return answer;
    }

    QString ReadText() {
        const bool offered = std::any_of(m_formats.begin(), m_formats.end(), [](const QString& f) {
            return f.startsWith(QLatin1String("text/plain"));
        });
        if (!offered) {
            return {};
        }
        const QByteArray bytes = Ask([this] { return m_data->data(QStringLiteral("text/plain")); });
        // Refused before any conversion: no colour string comes near this length.
        return bytes.size() > QtClipboard::MaxTextBytes ? QString() : QString::fromUtf8(bytes);
    }

    // A picture this program put there itself travels as an image, not as encoded bytes.
    [[nodiscard]] bool OwnPicture() const {
        return m_data != nullptr && m_data->property("vitrelOwn").toBool() && m_data->hasImage();
    }

    std::pair<QByteArray, QByteArray> PictureBytes() {
        if (!m_picture) {
            m_picture.emplace();
            const QString format = ClipboardPicture::ChooseFormat(m_formats);
            if (!format.isEmpty()) {
                *m_picture = {Ask([&] { return m_data->data(format); }),
                              ClipboardPicture::DecoderFor(format)};
            }
        }
        return *m_picture;
    }

    const QMimeData* m_data;
    QStringList m_formats;
    bool m_stuck = false;
    std::optional<QString> m_text;
    std::optional<std::pair<QByteArray, QByteArray>> m_picture;
};

}  // namespace

std::unique_ptr<ClipboardReading> QtClipboard::Read() const {
    // Another program's clipboard on an X server is asked for each part's size before the part
    // is sent; this program's own, or one without an X server, through Qt.
    if (!QGuiApplication::clipboard()->ownsClipboard() &&
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr) {
        if (std::unique_ptr<ClipboardReading> reading = X11SelectionReading::Open(m_stuck)) {
            return reading;
        }
    }
    return std::make_unique<QtClipboardReading>();
}

void QtClipboard::SetTextAndImage(const QString& text, const QImage& image) {
    auto* data = new QMimeData;
    data->setText(text);
    if (!image.isNull()) {
        data->setImageData(image);
    }
    data->setProperty("vitrelOwn", true);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace vitrel
