// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>
#include <optional>

#include "qt/IWindowFrame.h"

struct xcb_connection_t;

namespace vitrel {

/// Frames as the X server sees them: the window's ancestor just below the root window. Qt's
/// own frame margins are learnt asynchronously and can still be zero right after the window
/// is mapped, so they are not relied on. Elsewhere (no X11) Qt's frame geometry is used.
class QtWindowFrame : public IWindowFrame {
public:
    [[nodiscard]] QRect FrameGeometry(const QWidget& window) const override;
    [[nodiscard]] bool IsFramed(const QWidget& window) const override;
    [[nodiscard]] QMargins FrameMargins(QWidget& window) const override;
    void RequestFrameMargins(QWidget& window) override;
    void MoveFrame(QWidget& window, QPoint topLeft) override;

private:
    struct Atoms {
        std::uint32_t request = 0;  // _NET_REQUEST_FRAME_EXTENTS
        std::uint32_t extents = 0;  // _NET_FRAME_EXTENTS
        std::uint32_t wmCheck = 0;  // _NET_SUPPORTING_WM_CHECK
    };
    /// The atoms of the frame's questions, interned once per run.
    Atoms InternAtoms(xcb_connection_t* connection) const;

    mutable std::optional<Atoms> m_atoms;
};

}  // namespace vitrel
