// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QProxyStyle>

namespace vitrel {

/// The desktop's style, less the menu bar's overflow button icon: the bar of a fixed window
/// never overflows, and loading that icon probes every image plugin at start-up.
class VitrelStyle : public QProxyStyle {
public:
    [[nodiscard]] QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const override;
};

}  // namespace vitrel
