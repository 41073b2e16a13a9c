// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/QtColorDialog.h"

#include <QColorDialog>
#include <QPointer>

#include "core/notation/ColorValue.h"
#include "qt/CentreOnOwner.h"
#include "qt/WindowRegistry.h"

namespace vitrel {
namespace {

constexpr std::int32_t kStartWithColor = 0x1;  // the dialog's "RGB init" flag

QColor FromValue(std::int32_t value) {
    return {ColorValue::Red(value), ColorValue::Green(value), ColorValue::Blue(value)};
}

std::int32_t ToValue(const QColor& color) {
    return ColorValue::Of(color.red(), color.green(), color.blue());
}

}  // namespace

bool QtColorDialog::ChooseColor(Request& request) {
    m_error = 0;
    QWidget* owner = WindowRegistry::Instance().Find(request.owner);
    QPointer<QColorDialog> dialog = new QColorDialog(owner);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    // The custom colours are the dialog's, shared by every dialog of the process: seed them
    // from this request and hand them back after.
    for (int i = 0; i < static_cast<int>(request.customColors.size()); ++i) {
        QColorDialog::setCustomColor(i,
                                     FromValue(request.customColors[static_cast<std::size_t>(i)]));
    }
    dialog->setCurrentColor((request.flags & kStartWithColor) != 0 ? FromValue(request.color)
                                                                   : QColor(Qt::black));
    CentreOnOwner(*dialog, m_frames);
    const bool confirmed = dialog->exec() == QDialog::Accepted;
    if (dialog == nullptr) {
        return false;  // its owner went away while it was open
    }
    for (int i = 0; i < static_cast<int>(request.customColors.size()); ++i) {
        request.customColors[static_cast<std::size_t>(i)] = ToValue(QColorDialog::customColor(i));
    }
    if (confirmed) {
        request.color = ToValue(dialog->selectedColor());
    }
    delete dialog;
    return confirmed;
}

}  // namespace vitrel
