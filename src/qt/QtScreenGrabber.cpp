// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtScreenGrabber.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstring>

#include "qt/Xcb.h"

namespace vitrel {
namespace {

xcb_screen_t* RootScreen(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
}

/// A screen's device rectangle: Qt keeps a screen's top-left corner at its device position
/// and divides only its size by the scale factor.
QRect DeviceRect(const QScreen& screen) {
    const QRect geometry = screen.geometry();
    const qreal scale = screen.devicePixelRatio();
    return {geometry.topLeft(),
            QSize(qRound(geometry.width() * scale), qRound(geometry.height() * scale))};
}

/// Whether the root window's pixels are 32-bit words of 8-bit red, green and blue in the
/// order QImage::Format_RGB32 keeps them, as every true-colour X server of today sends them.
bool RootIsRgb32(xcb_connection_t* connection, const xcb_screen_t& root, std::uint8_t depth) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem > 0;
         xcb_format_next(&format)) {
        if (format.data->depth == depth) {
            thirtyTwoBits = format.data->bits_per_pixel == 32;
        }
    }
    for (auto depths = xcb_screen_allowed_depths_iterator(&root); depths.rem > 0;
         xcb_depth_next(&depths)) {
        for (auto visual = xcb_depth_visuals_iterator(depths.data); visual.rem > 0;
             xcb_visualtype_next(&visual)) {
            if (visual.data->visual_id == root.root_visual) {
                return thirtyTwoBits && visual.data->red_mask == 0xFF0000U &&
                       visual.data->green_mask == 0xFF00U && visual.data->blue_mask == 0xFFU;
            }
        }
    }
    return false;
}

/// The root window's device pixels in `area`; a null image when the server refuses.
QImage GrabRoot(xcb_connection_t* connection, const QRect& area) {
    xcb_screen_t* root = RootScreen(connection);
    const QRect on = area & QRect(0, 0, root->width_in_pixels, root->height_in_pixels);
    if (on != area || area.isEmpty()) {
        return {};
    }
    ReplyPtr<xcb_get_image_reply_t> reply(xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root->root,
                      static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
                      static_cast<std::uint16_t>(area.width()),
                      static_cast<std::uint16_t>(area.height()), ~0U),
        nullptr));
    if (!reply || !RootIsRgb32(connection, *root, reply->depth)) {
        return {};
    }
    const auto stride = static_cast<std::size_t>(area.width()) * 4;
    const int length = xcb_get_image_data_length(reply.get());
    if (length < 0 || static_cast<std::size_t>(length) < stride * area.height()) {
        return {};
    }
    QImage picture(area.size(), QImage::Format_RGB32);
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::memcpy(line, data + stride * static_cast<std::size_t>(y), stride);
        for (int x = 0; x < area.width(); ++x) {
            line[x] |= 0xFF000000U;  // the server leaves the unused byte as it likes
        }
    }
    return picture;
}

}  // namespace

std::vector<QRect> QtScreenGrabber::Screens() const {
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(DeviceRect(*screen));
    }
    return screens;
}

std::optional<QPoint> QtScreenGrabber::DeviceOrigin(const QWidget& window) const {
    if (!window.testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    if (xcb_connection_t* connection = X11Connection()) {
        ReplyPtr<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
            connection,
            xcb_translate_coordinates(connection, static_cast<xcb_window_t>(window.winId()),
                                      RootScreen(connection)->root, 0, 0),
            nullptr));
        if (!origin) {
            return std::nullopt;
        }
        return QPoint(origin->dst_x, origin->dst_y);
    }
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    const QPoint corner = screen->geometry().topLeft();
    const QPointF offset = QPointF(window.mapToGlobal(QPoint(0, 0)) - corner);
    return corner + (offset * screen->devicePixelRatio()).toPoint();
}

Grabbed QtScreenGrabber::Grab(int screen, const QRect& area) const {
    if (xcb_connection_t* connection = X11Connection()) {
        // One root window holds every screen of the desktop at its device pixels.
        return {GrabRoot(connection, area)};
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screen < 0 || screen >= screens.size()) {
        return {};
    }
    // Qt grabs at device-independent positions, each scaled and rounded to device pixels: take
    // the whole device-independent pixels around the area and cut the area out.
    QScreen& on = *screens[screen];
    const qreal scale = on.devicePixelRatio();
    const QPoint corner = DeviceRect(on).topLeft();
    const QRectF wanted = QRectF(area.translated(-corner));
    const int left = static_cast<int>(std::floor(wanted.left() / scale));
    const int top = static_cast<int>(std::floor(wanted.top() / scale));
    const QRect logical(left, top, static_cast<int>(std::ceil(wanted.right() / scale)) - left,
                        static_cast<int>(std::ceil(wanted.bottom() / scale)) - top);
    const QImage grabbed =
        on.grabWindow(0, logical.x(), logical.y(), logical.width(), logical.height()).toImage();
    const QPoint grabbedAt = (QPointF(logical.topLeft()) * scale).toPoint();
    QImage picture = grabbed.copy(area.translated(-corner - grabbedAt));
    picture.setDevicePixelRatio(1.0);
    return {picture.size() == area.size() ? picture : QImage()};
}

}  // namespace vitrel
