// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <cstdint>

#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

/// A subscriber of the window-subclassing service: sees each message of the subscribed window
/// before the window's previous procedure does.
class IpvSbClsWin {
public:
    virtual ~IpvSbClsWin() = default;

    /// Index is the subscriber index the call comes through. A change to uMsg, wParam or lParam
    /// is what later subscribers and the previous procedure receive; uMsg = WM_NULL swallows
    /// the message. The message's result is always the previous procedure's.
    virtual void WindowProc(std::int32_t Index, HWND hWnd, UINT& uMsg, WPARAM& wParam,
                            LPARAM& lParam) = 0;
};

}  // namespace vitrel
