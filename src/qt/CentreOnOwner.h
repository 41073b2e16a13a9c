// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

class QWidget;

namespace vitrel {

class IWindowFrame;

/// Places a dialog that is about to be shown so that its frame is centred on its owner's frame
/// (the window it belongs to), or on its screen's free area when it has none. Qt would centre
/// the dialog's own area before the window manager has framed it, which puts the frame a
/// title bar's height above the middle.
void CentreOnOwner(QWidget& dialog, IWindowFrame& frames);

}  // namespace vitrel
