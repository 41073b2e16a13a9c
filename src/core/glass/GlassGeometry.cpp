// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/glass/GlassGeometry.h"

#include <cmath>
#include <limits>

namespace vitrel::GlassGeometry {
namespace {

/// The first and last index whose pixel lies in [from, from + extent), or an empty range.
struct Span {
    int first = 0;
    int last = -1;
};

Span Within(const std::array<int, Side>& pixels, int from, int extent) {
    Span span;
    for (int i = 0; i < Side; ++i) {
        const int pixel = pixels[static_cast<std::size_t>(i)];
        if (pixel >= from && pixel - from < extent) {
            if (span.last < span.first) {
                span.first = i;
            }
            span.last = i;
        }
    }
    return span;
}

}  // namespace

std::array<int, Side> CellPixels(double start, double scale) {
    std::array<int, Side> pixels{};
    constexpr double kLimit = std::numeric_limits<int>::max() / 2;
    for (int i = 0; i < Side; ++i) {
        const double middle = start + (i + 0.5) * scale;
        pixels[static_cast<std::size_t>(i)] =
            std::isfinite(middle)
                ? static_cast<int>(std::floor(std::fmax(-kLimit, std::fmin(kLimit, middle))))
                : 0;
    }
    return pixels;
}

Plan PlanSnapshot(double left, double top, double scale, const std::vector<Rect>& screens) {
    const std::array<int, Side> columns = CellPixels(left, scale);
    const std::array<int, Side> rows = CellPixels(top, scale);
    Plan plan;
    for (int screen = 0; screen < static_cast<int>(screens.size()); ++screen) {
        const Rect& on = screens[static_cast<std::size_t>(screen)];
        // A screen is a rectangle and the pixels read rise with their index: those on the
        // screen are a block of columns by a block of rows.
        const Span x = Within(columns, on.x, on.width);
        const Span y = Within(rows, on.y, on.height);
        if (x.last < x.first || y.last < y.first) {
            continue;
        }
        const auto column = [&](int i) { return columns[static_cast<std::size_t>(i)]; };
        const auto row = [&](int j) { return rows[static_cast<std::size_t>(j)]; };
        const Rect area{column(x.first), row(y.first), column(x.last) - column(x.first) + 1,
                        row(y.last) - row(y.first) + 1};
        const int part = static_cast<int>(plan.parts.size());
        plan.parts.push_back({screen, area});
        for (int j = y.first; j <= y.last; ++j) {
            for (int i = x.first; i <= x.last; ++i) {
                Source& source = plan.sources[static_cast<std::size_t>(j * Side + i)];
                if (source.part < 0) {
                    source = {part, column(i) - area.x, row(j) - area.y};
                }
            }
        }
    }
    return plan;
}

}  // namespace vitrel::GlassGeometry
