// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/glass/Canvas.h"

namespace vitrel {

void Canvas::SetPicture(const QImage& picture) {
    m_picture = picture;
    m_state = CanvasGeometry::Reset(picture.width(), picture.height());
    RaiseChanged();
}

void Canvas::SetState(const CanvasGeometry::ZoomState& state) {
    m_state = state;
    RaiseChanged();
}

void Canvas::RaiseChanged() {
    if (Changed) {
        Changed();
    }
}

}  // namespace vitrel
