// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/main/VitrelStyle.h"

namespace vitrel {

QIcon VitrelStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton) {
        return {};
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

}  // namespace vitrel
