// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtBeep.h"

#include <QApplication>

namespace vitrel {

void QtBeep::Beep() {
    QApplication::beep();
}

}  // namespace vitrel
