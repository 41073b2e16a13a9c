// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QImage>
#include <QWidget>

#include "core/glass/CanvasGeometry.h"
#include "ui/controls/FormControl.h"
#include "ui/controls/MouseEvent.h"

namespace vitrel {

/// An image control: shows its picture stretched to its own size when Stretch is on; with
/// Stretch off, giving it a picture gives it the picture's natural size. Takes no focus.
/// Windowless, it is drawn by the picture box that holds it and receives its mouse events from
/// it (PictureBox::SetWindowlessImage).
class ImageBox : public FormControl<QWidget> {
public:
    ImageBox(IForm* form, QWidget* parent);

    MouseEvent MouseDown;
    MouseEvent MouseMove;

    [[nodiscard]] const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    [[nodiscard]] bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    void SetTwipsPerPixel(int x, int y);
    [[nodiscard]] int TwipsPerPixelX() const { return m_twipsX; }
    [[nodiscard]] int TwipsPerPixelY() const { return m_twipsY; }
    /// Where the image stands in the inner area of the box that holds it.
    [[nodiscard]] CanvasGeometry::ImageRect ShownRect() const;
    /// The picture box that draws this image, windowless; nullptr when it draws itself.
    [[nodiscard]] QWidget* Holder() const { return m_holder; }
    void SetHolder(QWidget* holder);

    [[nodiscard]] std::optional<int> TabIndex() const override { return std::nullopt; }
    [[nodiscard]] std::optional<bool> TabStop() const override { return std::nullopt; }
    bool SetFocus() override { return false; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    /// Repaints where the image is drawn.
    void UpdateShown();

    QImage m_picture;
    bool m_stretch = true;
    QWidget* m_holder = nullptr;
    int m_twipsX = 15;
    int m_twipsY = 15;
};

}  // namespace vitrel
