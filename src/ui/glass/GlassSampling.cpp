// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/glass/GlassSampling.h"

#include <QWidget>

#include "core/glass/GlassGeometry.h"
#include "qt/IScreenGrabber.h"

namespace vitrel::modVitrel {

using GlassGeometry::Side;

QRect GlassArea(const QWidget& window, const QWidget& glass) {
    return {glass.mapTo(&window, glass.contentsRect().topLeft()), QSize(Side, Side)};
}

Grabbed GrabGlassPicture(const IScreenGrabber& screens, const QWidget& glass) {
    QImage picture(Side, Side, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QWidget& window = *glass.window();
    const std::optional<QPoint> origin = screens.DeviceOrigin(window);
    if (!origin) {
        return {picture};
    }
    // The window's own coordinates scale to device pixels exactly: only its position on the
    // desktop is rounded in device-independent pixels, and that comes from the device.
    const double scale = window.devicePixelRatioF();
    const QPoint inner = glass.mapTo(&window, glass.contentsRect().topLeft());
    std::vector<GlassGeometry::Rect> rects;
    for (const QRect& screen : screens.Screens()) {
        rects.push_back({screen.x(), screen.y(), screen.width(), screen.height()});
    }
    const GlassGeometry::Plan plan = GlassGeometry::PlanSnapshot(
        origin->x() + inner.x() * scale, origin->y() + inner.y() * scale, scale, rects);
    std::vector<QImage> grabbed;
    for (const GlassGeometry::Part& part : plan.parts) {
        const QRect area(part.area.x, part.area.y, part.area.width, part.area.height);
        auto [pixels, failure] = screens.Grab(part.screen, area);
        if (failure != GrabFailure::None) {
            return {{}, failure};
        }
        grabbed.push_back(
            pixels.size() == area.size() ? pixels.convertToFormat(QImage::Format_RGB32) : QImage());
    }
    struct Lines {
        const uchar* bits = nullptr;  // null for a part the desktop gave nothing of
        qsizetype stride = 0;
    };
    std::vector<Lines> parts;
    parts.reserve(grabbed.size());
    for (const QImage& part : grabbed) {
        parts.push_back(part.isNull() ? Lines{} : Lines{part.constBits(), part.bytesPerLine()});
    }
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (int y = 0; y < Side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = 0; x < Side; ++x) {
            const GlassGeometry::Source& source =
                plan.sources[static_cast<std::size_t>(y * Side + x)];
            if (source.part < 0) {
                continue;
            }
            const Lines& from = parts[static_cast<std::size_t>(source.part)];
            if (from.bits != nullptr) {
                line[x] =
                    reinterpret_cast<const QRgb*>(from.bits + source.y * from.stride)[source.x];
            }
        }
    }
    return {picture};
}

}  // namespace vitrel::modVitrel
