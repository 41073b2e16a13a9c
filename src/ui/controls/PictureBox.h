// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>

#include "ui/controls/FormControl.h"
#include "ui/controls/MouseEvent.h"

class QPainter;

namespace vitrel {

class ImageBox;

/// A picture box with a sunken two-pixel border: a background colour and a persistent
/// picture drawn at the top-left of its inner (client) area. Raises DblClick, and MouseDown
/// and MouseMove with the button mask, the shift mask and the position in twips.
class PictureBox : public FormControl<QFrame> {
public:
    static constexpr int BorderWidth = 2;

    PictureBox(IForm* form, QWidget* parent);

    std::function<void()> DblClick;
    MouseEvent MouseDown;
    MouseEvent MouseMove;

    [[nodiscard]] QColor BackColor() const { return m_backColor; }
    void SetBackColor(const QColor& color);
    /// The persistent picture; a blank surface of the inner size in the background colour
    /// when no picture has been given.
    [[nodiscard]] QImage Image() const;
    void SetPicture(const QImage& picture);
    [[nodiscard]] bool HasPicture() const { return !m_picture.isNull(); }
    [[nodiscard]] QSize ClientSize() const;
    /// Resizes the box so that its inner area has this size.
    void SetClientSize(const QSize& size);
    /// The inner area as a widget, for controls placed inside the box: they are clipped by
    /// the border and positioned from the inner top-left corner.
    QWidget* Client();
    void SetTwipsPerPixel(int x, int y);
    /// Makes an image control in the inner area windowless: the box draws it and hands it the
    /// mouse events that fall on it. The box then decides for each device pixel of its inner
    /// area what it shows, with the same mapping as a click there, so that on a scaled screen
    /// a click reads exactly the picture pixel shown under the pointer.
    void SetWindowlessImage(ImageBox* image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// Whether a mouse event falls on the windowless image where the box shows it.
    [[nodiscard]] bool OnImage(const QMouseEvent& event) const;
    void PaintWindowlessImage(QPainter& painter) const;
    /// Raises the box's mouse event, or the windowless image's while the image has the mouse.
    void RaiseMouse(MouseEvent PictureBox::*own, MouseEvent ImageBox::*image, QMouseEvent& event);

    QColor m_backColor;
    QImage m_picture;
    QWidget* m_client = nullptr;
    ImageBox* m_image = nullptr;
    bool m_imageHasMouse = false;  // pressed on the image: it has the mouse until released
    int m_twipsX = 15;
    int m_twipsY = 15;
};

}  // namespace vitrel
