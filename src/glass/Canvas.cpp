// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "glass/Canvas.h"

namespace vitrel {

void Canvas::SetPicture(const QImage& picture) {
    m_picture = picture;
    m_zoom = 1.0F;
    m_view = QRectF(QPointF(0, 0), QSizeF(picture.size()));
    RaiseChanged();
}

void Canvas::SetView(float zoom, const QRectF& view) {
    m_zoom = zoom;
    m_view = view;
    RaiseChanged();
}

void Canvas::RaiseChanged() {
    if (Changed) {
        Changed();
    }
}

}  // namespace vitrel
