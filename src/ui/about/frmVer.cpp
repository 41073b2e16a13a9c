// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/about/frmVer.h"

#include <qdrawutil.h>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QShowEvent>

#include "core/services/IScreen.h"
#include "qt/IWindowFrame.h"
#include "qt/RawPicture.h"
#include "ui/about/AboutTexts.h"
#include "ui/about/ProgramVersion.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/ImageBox.h"
#include "ui/controls/Label.h"
#include "ui/controls/PictureBox.h"

namespace vitrel {
namespace {

namespace T = AboutTexts;

// In twips: the client area, the dialog border around it, and the outer height of the about
// layout, which shows the panel and the OK button.
constexpr int kClientWidthTwips = 3990;
constexpr int kClientHeightTwips = 1920;
constexpr int kBorderTwips = 45;
constexpr int kAboutHeightTwips = 2010;

/// The program's name as a picture of 167 x 24 pixels: the letters run from red through green
/// to blue, like the crayons of the icon, over a soft shadow, above a line of the same colours.
QImage NamePicture() {
    QImage picture(167, 24, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(22);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath name;
    name.addText(0, 0, font, QString::fromUtf8(T::Name));
    const QRectF bounds = name.boundingRect();
    name.translate(4 - bounds.left(), 1 - bounds.top());

    const auto crayons = [](qreal left, qreal right) {
        QLinearGradient gradient(left, 0, right, 0);
        gradient.setColorAt(0, QColor(210, 30, 30));
        gradient.setColorAt(0.5, QColor(30, 150, 40));
        gradient.setColorAt(1, QColor(30, 60, 210));
        return gradient;
    };
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(name.translated(1.5, 1.5), QColor(0, 0, 0, 80));
    painter.fillPath(name, crayons(name.boundingRect().left(), name.boundingRect().right()));
    painter.fillRect(QRectF(0, picture.height() - 3, picture.width(), 2),
                     crayons(0, picture.width()));
    return picture;
}

}  // namespace

frmVer::frmVer(QWidget& owner, IScreen& screen, IWindowFrame& windowFrame)
    : Form(&owner, Qt::Dialog | Qt::FramelessWindowHint),
      m_owner(owner),
      m_windowFrame(windowFrame) {
    RefreshTwipsPerPixel(screen);
    setFont(GothicFont(9, false));
    CreateControls();
    setFixedSize((kClientWidthTwips + 2 * kBorderTwips) / m_tppX,
                 (kClientHeightTwips + 2 * kBorderTwips) / m_tppY);
}

frmVer::~frmVer() = default;

void frmVer::CreateControls() {
    auto* client = new QWidget(this);
    client->setGeometry(Twips(kBorderTwips, kBorderTwips, kClientWidthTwips, kClientHeightTwips));

    Picture1 = Add(new PictureBox(this, client), 1, 15, 15, 3960, 1320);
    Picture1->setFocusPolicy(Qt::NoFocus);
    QWidget* panel = Picture1->Client();

    Image1 = Add(new ImageBox(this, panel), 2, 120, 240, 840, 840);
    Image1->SetStretch(false);
    Image1->SetPicture(RawPicture(QStringLiteral(":/vitrel/icon32.rgba"), QSize(32, 32)).toImage());

    // The labels take the size of their text.
    const auto label = [this, panel](int tabIndex, int left, int top, const char* text,
                                     double points, bool bold) {
        Label* control = Add(new Label(this, panel), tabIndex, left, top, 0, 0);
        control->setFont(GothicFont(points, bold));
        control->setText(QString::fromUtf8(text));
        control->adjustSize();
        return control;
    };
    Label1 = label(3, 1080, 120, T::Label1, 9.75, true);
    Image2 = Add(new ImageBox(this, panel), 4, 1080, 360, 0, 0);
    Image2->SetStretch(false);
    Image2->SetPicture(NamePicture());
    lblver = label(5, 3240, 720, T::lblverDesign, 9.75, true);
    m_lblverRight = lblver->geometry().right() + 1;
    Label2 = label(6, 1440, 960, T::Label2, 9, false);

    cmdOK = Add(new CommandButton(this, client), 0, 1200, 1440, 1575, 375);
    cmdOK->setText(QString::fromUtf8(T::cmdOK));
    cmdOK->setDefault(true);
    cmdOK->Click = [this] { cmdOK_Click(); };
    ApplyTabOrder();
    cmdOK->setFocus(Qt::OtherFocusReason);
}

QString frmVer::VersionText() {
    return QString::fromUtf8(T::VersionPrefix) + QStringLiteral("%1.%2.%3")
                                                     .arg(ProgramVersion::Major)
                                                     .arg(ProgramVersion::Minor)
                                                     .arg(ProgramVersion::Revision);
}

bool frmVer::Form_Load() {
    if (m_loaded) {
        return !m_ended;
    }
    m_loaded = true;
    if (anotherInstanceRunning) {
        m_ended = true;
        if (EndProgram) {
            EndProgram();
        }
        return false;
    }

    // The label keeps its right edge: the version is longer than the design text.
    lblver->setText(VersionText());
    lblver->adjustSize();
    lblver->move(m_lblverRight - lblver->width(), lblver->y());

    std::int32_t mord = 0;
    if (frmLoad) {
        frmLoad(mord);
    }
    if (mord == 1) {
        setFixedHeight(kAboutHeightTwips / m_tppY);
        // Centred over the owner's frame, in twips; frameless, this window is its own frame.
        const QRect owner = m_windowFrame.FrameGeometry(m_owner);
        const int left = owner.width() * m_tppX / 2 + owner.left() * m_tppX - width() * m_tppX / 2;
        const int top = owner.height() * m_tppY / 2 + owner.top() * m_tppY - height() * m_tppY / 2;
        move(left / m_tppX, top / m_tppY);
    }
    return true;
}

int frmVer::exec() {
    return Form_Load() ? QDialog::exec() : QDialog::Rejected;
}

void frmVer::showEvent(QShowEvent* event) {
    Form_Load();
    QDialog::showEvent(event);
}

void frmVer::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        repaint();
    }
}

void frmVer::paintEvent(QPaintEvent* /*event*/) {
    // Without a title bar the window manager draws no frame: the dialog border is our own.
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
}

void frmVer::cmdOK_Click() {
    accept();
}

}  // namespace vitrel
