// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "qt/IClipboard.h"

struct xcb_connection_t;

namespace vitrel {

/// What is remembered of a clipboard owner that stopped answering: asking it again within a
/// few seconds would only wait again.
struct StuckOwner {
    std::uint32_t window = 0;
    std::chrono::steady_clock::time_point since;
};

/// The clipboard of another program, read from the X server on a connection of its own: every
/// part's size is asked before the part is sent, so that a text far longer than any colour
/// string, or a picture larger than the canvas can hold, is refused without being transferred.
/// An owner that does not answer within RequestTime is asked nothing more in this action, nor
/// in the actions of the StuckTime after.
class X11SelectionReading : public ClipboardReading {
public:
    static constexpr auto RequestTime = std::chrono::seconds(2);
    static constexpr auto StuckTime = std::chrono::seconds(10);
    /// The largest picture transfer accepted: a bitmap of 4096 × 4096 pixels of 32 bits.
    static constexpr std::uint64_t MaxPictureBytes = std::uint64_t{4096} * 4096 * 4 + 1162;

    /// Nothing when there is no X server to ask.
    static std::unique_ptr<X11SelectionReading> Open(StuckOwner& stuck);
    ~X11SelectionReading() override;
    X11SelectionReading(const X11SelectionReading&) = delete;
    X11SelectionReading& operator=(const X11SelectionReading&) = delete;

    QString Text() override;
    bool HasPicture() override;
    QImage Picture() override;

private:
    X11SelectionReading(xcb_connection_t* connection, std::uint32_t window, StuckOwner& stuck);
    /// The owner's data in a target, at most `limit` bytes; nothing when it is refused, larger,
    /// or the owner does not answer.
    std::optional<QByteArray> Convert(const QByteArray& target, std::uint64_t limit);
    /// Waits for the next event for this window's property or selection, up to the deadline.
    bool WaitForEvent(std::uint8_t type, std::chrono::steady_clock::time_point deadline);
    std::pair<QByteArray, QByteArray> PictureBytes();

    xcb_connection_t* m_connection;
    std::uint32_t m_window;
    StuckOwner& m_stuck;
    std::uint32_t m_owner = 0;
    QStringList m_targets;
    std::optional<QString> m_text;
    std::optional<std::pair<QByteArray, QByteArray>> m_picture;
};

}  // namespace vitrel
