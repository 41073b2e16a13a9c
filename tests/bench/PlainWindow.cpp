// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The yardstick of the input benchmark: plain Qt doing the same work as the main window with
// the controls that the measured actions change, in the same places (client area 473 x 184 under
// the same menu bar, the glass a hole in the window's shape): a click on the canvas sets the three
// sliders, their boxes and the preview to the pixel's colour; dragging a slider updates its box and
// the preview; the camera button grabs the 64 x 64 pixels under the glass into the canvas.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

namespace {

class Canvas : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void(QRgb)> picked;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        picked(pixmap().toImage().pixel(event->position().toPoint()));
    }
};

QFrame* Box(QWidget* parent, QRect geometry) {
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setGeometry(geometry);
    return box;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont gothic(QStringLiteral("IPAPGothic"));
    gothic.setPointSize(9);
    gothic.setStyleStrategy(QFont::NoFontMerging);
    QApplication::setFont(gothic);
    QMainWindow window;
    for (const char* title : {"ﾌｧｲﾙ(&F)", "編集(&E)", "お気に入り(&B)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"}) {
        window.menuBar()->addMenu(QString::fromUtf8(title));
    }
    auto* client = new QWidget;
    client->setFixedSize(473, 184);
    window.setCentralWidget(client);
    QSlider* sliders[3];
    QLineEdit* boxes[3];
    QFrame* preview = Box(client, {376, 8, 89, 68});
    preview->setAutoFillBackground(true);
    const auto show = [&] {
        QPalette palette = preview->palette();
        palette.setColor(QPalette::Window,
                         QColor(sliders[0]->value(), sliders[1]->value(), sliders[2]->value()));
        preview->setPalette(palette);
    };
    for (int i = 0; i < 3; ++i) {
        boxes[i] = new QLineEdit(QStringLiteral("0"), client);
        boxes[i]->setGeometry(104, 7 + 24 * i, 41, 18);
        boxes[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sliders[i] = new QSlider(Qt::Horizontal, client);
        sliders[i]->setGeometry(152, 8 + 24 * i, 217, 17);
        sliders[i]->setRange(0, 255);
        sliders[i]->setTickPosition(QSlider::TicksBelow);
        sliders[i]->setTickInterval(32);
        QObject::connect(sliders[i], &QSlider::valueChanged, [&, i](int value) {
            boxes[i]->setText(QString::number(value));
            show();
        });
    }
    auto* snap = new QPushButton(client);
    snap->setGeometry(16, 83, 51, 21);
    Box(client, {8, 110, 68, 68});
    auto* canvas = new Canvas(client);
    canvas->setGeometry(10, 112, 64, 64);
    canvas->picked = [&](QRgb colour) {
        sliders[0]->setValue(qRed(colour));
        sliders[1]->setValue(qGreen(colour));
        sliders[2]->setValue(qBlue(colour));
    };
    QObject::connect(snap, &QPushButton::clicked, [&] {
        const QPoint glass = client->mapToGlobal(QPoint(10, 10));
        canvas->setPixmap(window.screen()->grabWindow(0, glass.x(), glass.y(), 64, 64));
    });
    window.show();
    // The glass: a hole in the window's shape, as the main window's.
    window.setMask(QRegion(window.rect())
                       .subtracted(QRect(client->mapTo(&window, QPoint(10, 10)), QSize(64, 64))));
    snap->click();
    return QApplication::exec();
}
