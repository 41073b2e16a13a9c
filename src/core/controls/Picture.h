// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace vitrel {

/// A picture as the controls keep and pass it, without any toolkit: 32-bit ARGB pixels row by
/// row, top row first. An empty picture is "none".
class Picture {
public:
    Picture() = default;
    /// Pixels that do not fill exactly width × height give no picture: a damaged stored icon
    /// must never be read past its end.
    Picture(std::int32_t width, std::int32_t height, std::vector<std::uint32_t> argb) {
        if (width > 0 && height > 0 &&
            argb.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
            m_width = width;
            m_height = height;
            m_argb = std::move(argb);
        }
    }

    [[nodiscard]] bool IsNone() const { return m_argb.empty(); }
    [[nodiscard]] std::int32_t Width() const { return m_width; }
    [[nodiscard]] std::int32_t Height() const { return m_height; }
    [[nodiscard]] const std::vector<std::uint32_t>& Argb() const { return m_argb; }

    friend bool operator==(const Picture&, const Picture&) = default;

private:
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    std::vector<std::uint32_t> m_argb;
};

}  // namespace vitrel
