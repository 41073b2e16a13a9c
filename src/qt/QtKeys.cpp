// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtKeys.h"

#include <Qt>

namespace vitrel::QtKeys {
namespace {

struct KeyPair {
    int qt;
    int vk;
};

// Keys whose virtual key code is not their Qt code. Where two Qt keys share a code, the first
// is the one a code turns back into.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},      {Qt::Key_Return, 0x0D},   {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},      {Qt::Key_Control, 0x11},  {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13},      {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},      {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},        {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},         {Qt::Key_Right, 0x27},    {Qt::Key_Down, 0x28},
    {Qt::Key_Insert, 0x2D},     {Qt::Key_Delete, 0x2E},   {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
};
constexpr int kVkF1 = 0x70;
constexpr int kFunctionKeys = 24;

bool SharesItsCode(int key) {
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

}  // namespace

int VirtualKey(int qtKey) {
    if (SharesItsCode(qtKey)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
        return kVkF1 + (qtKey - Qt::Key_F1);
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.qt == qtKey) {
            return pair.vk;
        }
    }
    return 0;
}

int QtKey(int virtualKey) {
    if (SharesItsCode(virtualKey)) {
        return virtualKey;
    }
    if (virtualKey >= kVkF1 && virtualKey < kVkF1 + kFunctionKeys) {
        return Qt::Key_F1 + (virtualKey - kVkF1);
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.vk == virtualKey) {
            return pair.qt;
        }
    }
    return 0;
}

}  // namespace vitrel::QtKeys
