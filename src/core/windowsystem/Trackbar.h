// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <string_view>

#include "core/windowsystem/WindowSystem.h"

namespace vitrel {

// The trackbar window class and the messages, styles and notifications it shares with its
// users, under their usual names.

inline constexpr std::string_view TRACKBAR_CLASS = "msctls_trackbar32";
inline constexpr std::string_view TOOLTIPS_CLASS = "tooltips_class32";

inline constexpr UINT WM_MOUSEACTIVATE = 0x0021;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_VSCROLL = 0x0115;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;

inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

/// The hit-test code of WM_MOUSEACTIVATE's lParam for a click in the client area.
inline constexpr LPARAM HTCLIENT = 1;

inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;

inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;

inline constexpr DWORD TBS_AUTOTICKS = 0x0001;
inline constexpr DWORD TBS_HORZ = 0x0000;
inline constexpr DWORD TBS_VERT = 0x0002;
inline constexpr DWORD TBS_BOTTOM = 0x0000;
inline constexpr DWORD TBS_RIGHT = 0x0000;
inline constexpr DWORD TBS_TOP = 0x0004;
inline constexpr DWORD TBS_LEFT = 0x0004;
inline constexpr DWORD TBS_BOTH = 0x0008;
inline constexpr DWORD TBS_NOTICKS = 0x0010;
inline constexpr DWORD TBS_ENABLESELRANGE = 0x0020;
inline constexpr DWORD TBS_TOOLTIPS = 0x0100;

inline constexpr UINT TBM_GETPOS = 0x0400;
inline constexpr UINT TBM_GETRANGEMIN = 0x0401;
inline constexpr UINT TBM_GETRANGEMAX = 0x0402;
inline constexpr UINT TBM_SETPOS = 0x0405;
inline constexpr UINT TBM_SETRANGE = 0x0406;
inline constexpr UINT TBM_SETRANGEMIN = 0x0407;
inline constexpr UINT TBM_SETRANGEMAX = 0x0408;
inline constexpr UINT TBM_SETSEL = 0x040A;
inline constexpr UINT TBM_SETSELSTART = 0x040B;
inline constexpr UINT TBM_SETSELEND = 0x040C;
inline constexpr UINT TBM_GETNUMTICS = 0x0410;
inline constexpr UINT TBM_GETSELSTART = 0x0411;
inline constexpr UINT TBM_GETSELEND = 0x0412;
inline constexpr UINT TBM_CLEARSEL = 0x0413;
inline constexpr UINT TBM_SETTICFREQ = 0x0414;
inline constexpr UINT TBM_SETPAGESIZE = 0x0415;
inline constexpr UINT TBM_GETPAGESIZE = 0x0416;
inline constexpr UINT TBM_SETLINESIZE = 0x0417;
inline constexpr UINT TBM_GETLINESIZE = 0x0418;
inline constexpr UINT TBM_GETTOOLTIPS = 0x041E;
inline constexpr UINT TBM_SETTIPSIDE = 0x041F;

inline constexpr int TBTS_TOP = 0;
inline constexpr int TBTS_LEFT = 1;
inline constexpr int TBTS_BOTTOM = 2;
inline constexpr int TBTS_RIGHT = 3;

// Notification codes in the low half of WM_HSCROLL/WM_VSCROLL's wParam.
inline constexpr int TB_LINEUP = 0;
inline constexpr int TB_LINEDOWN = 1;
inline constexpr int TB_PAGEUP = 2;
inline constexpr int TB_PAGEDOWN = 3;
inline constexpr int TB_THUMBPOSITION = 4;
inline constexpr int TB_THUMBTRACK = 5;
inline constexpr int TB_TOP = 6;
inline constexpr int TB_BOTTOM = 7;
inline constexpr int TB_ENDTRACK = 8;

/// wParam as TBM_* "redraw" takes it: true.
inline constexpr WPARAM kRedraw = static_cast<WPARAM>(-1);

}  // namespace vitrel
