// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "ui/main/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <type_traits>

#include "core/controls/IPropertyBag.h"
#include "core/controls/ucClrComDlg.h"
#include "core/controls/ucSlider.h"
#include "core/favorites/FavoritesStore.h"
#include "core/input/IInputEnvironment.h"
#include "core/input/modTxtBoxUtl.h"
#include "core/notation/ColorStringRules.h"
#include "core/notation/ColorValue.h"
#include "core/services/IBeep.h"
#include "core/services/IMessageBox.h"
#include "core/services/IScreen.h"
#include "core/services/ISettingsStore.h"
#include "core/services/SettingsText.h"
#include "qt/IClipboard.h"
#include "qt/IGlassSurface.h"
#include "qt/IScreenGrabber.h"
#include "qt/IWindowFrame.h"
#include "qt/RawPicture.h"
#include "qt/WindowRegistry.h"
#include "ui/about/HelpWindow.h"
#include "ui/about/frmVer.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CommandButton.h"
#include "ui/controls/Frame.h"
#include "ui/controls/ImageBox.h"
#include "ui/controls/Label.h"
#include "ui/controls/OptionButton.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/SliderHost.h"
#include "ui/controls/TextBox.h"
#include "ui/favorites/FavoritesMenu.h"
#include "ui/glass/GlassHole.h"
#include "ui/glass/GlassSampling.h"
#include "ui/glass/PickingCursor.h"
#include "ui/glass/frmlens.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/main/WindowPlacement.h"

namespace vitrel {
namespace {

namespace T = MainWindowTexts;

QString Qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <class Control>
Control* Captioned(Control* control, const char* caption) {
    control->setText(Qs(caption));
    return control;
}

constexpr std::int16_t kRightButton = 2;

// Client area of the window, in twips.
constexpr int kClientWidthTwips = 7095;
constexpr int kClientHeightTwips = 2760;

}  // namespace

frmMain::frmMain(AppServices& services, IInputEnvironment& input, QWidget* parent)
    : Form(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint),
      m_services(services),
      m_input(input),
      m_placement(std::make_unique<WindowPlacement>(*this, services.screen, services.windowFrame)) {
    // The layout is drawn in twips; it needs the screen's factors before anything is placed.
    RefreshTwipsPerPixel();
    setWindowTitle(Qs(T::Caption));
    QIcon icon;
    icon.addPixmap(RawPicture(QStringLiteral(":/vitrel/icon32.rgba"), QSize(32, 32)));
    icon.addPixmap(RawPicture(QStringLiteral(":/vitrel/icon16.rgba"), QSize(16, 16)));
    setWindowIcon(icon);
    setFont(CaptionFont(9, false));
    // The window manager answers while the controls are built: a stored position is then
    // placed by its frame without waiting. It frames a window that cannot be resized
    // differently, so the window is not resizable from the start (its final size comes below).
    services.glassSurface.Prepare(*this);
    setFixedSize(size());
    services.windowFrame.RequestFrameMargins(*this);
    CreateControls();
    m_glassHole = new GlassHole(*this, *pctGlass, services.glassSurface);
    ucClrComDlg1 = std::make_unique<ucClrComDlg>(
        m_services.colorDialog, [this] { return WindowRegistry::Instance().HandleOf(this); });
    // Its design-time properties: open with the colour selected and the custom colours shown.
    ucClrComDlg1->ReadProperties(MemoryPropertyBag({{"Flags", std::int16_t{3}}}));
    CreateMenus();
    WireEvents();
    // Not resizable: the window manager then offers neither maximising nor resize grips.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

void frmMain::CreateControls() {
    // A plain window with a menu bar: a main window's docking and tool bar machinery is
    // resident memory this window never uses.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    auto* client = new QWidget(this);
    m_client = client;
    client->setFixedSize(kClientWidthTwips / m_tppX, kClientHeightTwips / m_tppY);
    layout->addWidget(client);

    pctGlass = Add(new PictureBox(this, client), 22, 120, 120, 1020, 1020);

    const QFont labelFont = CaptionFont(9, true);
    Label* labels[3] = {};
    const char* labelTexts[3] = {T::Label1, T::Label2, T::Label3};
    const int rowTops[3] = {157, 517, 877};
    for (int i = 0; i < 3; ++i) {
        labels[i] = Add(new Label(this, client), 23 + i, 1320, rowTops[i], 150, 180);
        labels[i]->setText(Qs(labelTexts[i]));
        labels[i]->setFont(labelFont);
    }
    Label1 = labels[0];
    Label2 = labels[1];
    Label3 = labels[2];

    TextBox* boxes[3] = {};
    const int boxTops[3] = {112, 472, 832};
    for (int i = 0; i < 3; ++i) {
        boxes[i] = Add(new TextBox(this, client), i, 1560, boxTops[i], 615, 270);
        boxes[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        boxes[i]->setTextMargins(0, 0, 0, 0);
    }
    txtR = boxes[0];
    txtG = boxes[1];
    txtB = boxes[2];

    // The channel sliders' design-time properties as the form keeps them: what differs from
    // a new slider (Min 0 is its default).
    const MemoryPropertyBag sliderDesign({{"BorderStyle", std::int16_t{0}},
                                          {"TickFrequency", std::int32_t{32}},
                                          {"Max", std::int32_t{255}}});
    ucSlider* sliders[3] = {};
    const int sliderTops[3] = {120, 480, 840};
    for (int i = 0; i < 3; ++i) {
        auto* host = Add(new SliderHost(this, client, m_services.screen, m_services.messageBox),
                         26 + i, 2280, sliderTops[i], 3255, 255);
        host->SetTabStop(false);
        host->Load(sliderDesign);
        sliders[i] = &host->Slider();
    }
    Slider1 = sliders[0];
    Slider2 = sliders[1];
    Slider3 = sliders[2];

    pctPlt = Add(new PictureBox(this, client), 20, 5640, 120, 1335, 1020);
    pctPlt->SetBackColor(Qt::black);

    CckColStr = Add(Captioned(new CheckBox(this, client), T::CckColStr), 3, 1560, 1200, 2535, 255);
    CckColStr->SetValue(1);

    cmdSnap = Add(new CommandButton(this, client), 15, 240, 1260, 765, 285);
    cmdSnap->setIcon(QIcon(RawPicture(QStringLiteral(":/vitrel/camera.rgba"), QSize(12, 9))));
    cmdSnap->setIconSize(QSize(12, 9));

    Command1 = Add(new CommandButton(this, client), 12, 5640, 1320, 1335, 375);
    Command1->setText(Qs(T::Command1));

    Frame1 = Add(new Frame(this, client), 4, 1560, 1470, 3855, 570);
    Frame1->setTitle(Qs(T::Frame1));
    Option1 = Add(Captioned(new OptionButton(this, Frame1), T::Option1), 5, 120, 240, 975, 255);
    Option2 = Add(Captioned(new OptionButton(this, Frame1), T::Option2), 6, 1320, 240, 975, 255);
    Option3 = Add(Captioned(new OptionButton(this, Frame1), T::Option3), 7, 2520, 240, 1215, 255);
    Option1->SetValue(true);

    pctCvs = Add(new PictureBox(this, client), 19, 120, 1650, 1020, 1020);
    pctCvs->SetBackColor(palette().color(QPalette::Button));
    Image1 = new ImageBox(this, pctCvs->Client());
    Image1->setGeometry(Twips(0, 0, 960, 960));
    {
        QImage transparent(64, 64, QImage::Format_ARGB32);
        transparent.fill(Qt::transparent);
        Image1->SetPicture(transparent);
    }
    AddControl(Image1);
    // The canvas frame draws its picture, device pixel by device pixel, as a click picks it.
    pctCvs->SetWindowlessImage(Image1);

    cmdUp = Add(new CommandButton(this, client), 16, 1200, 1800, 255, 255);
    cmdUp->setText(Qs(T::cmdUp));
    cmdRset = Add(new CommandButton(this, client), 17, 1200, 2040, 255, 255);
    cmdDwn = Add(new CommandButton(this, client), 18, 1200, 2280, 255, 255);
    cmdDwn->setText(Qs(T::cmdDwn));
    for (CommandButton* zoom : {cmdUp, cmdRset, cmdDwn}) {
        zoom->SetTabStop(false);
        zoom->setEnabled(false);
    }

    btnCpy = Add(new CommandButton(this, client), 13, 5640, 1800, 1335, 375);
    btnCpy->setText(Qs(T::btnCpy));

    Frame2 = Add(new Frame(this, client), 8, 1560, 2100, 3855, 570);
    Frame2->setTitle(Qs(T::Frame2));
    Option4 = Add(Captioned(new OptionButton(this, Frame2), T::Option4), 9, 120, 240, 975, 180);
    Option5 = Add(Captioned(new OptionButton(this, Frame2), T::Option5), 10, 1320, 240, 855, 255);
    Option6 = Add(Captioned(new OptionButton(this, Frame2), T::Option6), 11, 2520, 240, 615, 180);
    Option6->SetValue(true);

    cmdEnd = Add(new CommandButton(this, client), 14, 5640, 2280, 1335, 375);
    cmdEnd->setText(Qs(T::cmdEnd));

    for (PictureBox* box : {pctGlass, pctPlt, pctCvs}) {
        box->SetTwipsPerPixel(m_tppX, m_tppY);
    }
    Image1->SetTwipsPerPixel(m_tppX, m_tppY);
}

void frmMain::CreateMenus() {
    // The first frame shows only the menu bar's titles; the menus and their items come with
    // CompleteWindow.
    const char* titles[] = {T::mnuFile, T::mnuEdit, T::mnuFav, T::mnuOption, T::mnuHelp};
    for (std::size_t i = 0; i < m_menuTitles.size(); ++i) {
        m_menuTitles[i] = m_menuBar->addAction(Qs(titles[i]));
    }
}

void frmMain::CompleteWindow() {
    if (pctCvsH != nullptr) {
        return;
    }
    // Below the client area: never seen, it only holds the canvas's source picture.
    pctCvsH = Add(new PictureBox(this, m_client), 21, 120, 3360, 1020, 1020);
    pctCvsH->SetTwipsPerPixel(m_tppX, m_tppY);
    pctCvsH->GotFocus = [this] { modTxtBoxUtl::SetFocusSafe(txtR); };
    pctCvsH->show();
    ShowCanvas();

    QMenu** menus[] = {&mnuFile, &mnuEdit, &mnuFav, &mnuOption, &mnuHelp};
    for (std::size_t i = 0; i < m_menuTitles.size(); ++i) {
        *menus[i] = new QMenu(m_menuTitles[i]->text(), m_menuBar);
        m_menuTitles[i]->setMenu(*menus[i]);
    }
    const auto item = [](QMenu* menu, const char* caption, QKeyCombination shortcut) {
        QAction* action = menu->addAction(Qs(caption));
        if (shortcut.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(shortcut));
            // Shortcuts act wherever the focus is in this window, the channel boxes included.
            action->setShortcutContext(Qt::WindowShortcut);
        }
        return action;
    };
    const QKeyCombination none(Qt::Key_unknown);
    mnuExit = item(mnuFile, T::mnuExit, Qt::CTRL | Qt::Key_Q);
    mnuShot = item(mnuEdit, T::mnuShot, Qt::CTRL | Qt::Key_S);
    mnuSepa = mnuEdit->addSeparator();
    mnuCopy = item(mnuEdit, T::mnuCopy, Qt::CTRL | Qt::Key_C);
    mnuPast = item(mnuEdit, T::mnuPast, Qt::CTRL | Qt::Key_V);
    mnufavAdd = item(mnuFav, T::mnufavAdd, Qt::CTRL | Qt::Key_A);
    mnufavEdit = item(mnuFav, T::mnufavEdit, Qt::CTRL | Qt::Key_E);
    mnuSep = item(mnuOption, T::mnuSepDetach, Qt::CTRL | Qt::Key_L);
    mnuTpc = item(mnuHelp, T::mnuTpc, none);
    mnuSepH = mnuHelp->addSeparator();
    mnuVer = item(mnuHelp, T::mnuVer, none);

    connect(mnuShot, &QAction::triggered, this, [this] { mnuShot_Click(); });
    connect(mnuSep, &QAction::triggered, this, [this] { mnuSep_Click(); });
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(mnuPast, &QAction::triggered, this, [this] { mnuPast_Click(); });
    connect(mnuEdit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuVer, &QAction::triggered, this, [this] { mnuVer_Click(); });
    connect(mnuTpc, &QAction::triggered, this, [this] { mnuTpc_Click(); });
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::ApplicationShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this,
            [this] { ShowHelp(*this, m_services.messageBox, Qs(T::Caption)); });
    // A modal dialog keeps that shortcut from firing: F1 there opens the help over the dialog.
    qApp->installEventFilter(this);
    // cmdRset is the window's cancel button: Esc clicks it while it is enabled.
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, [this] {
        if (cmdRset->isEnabled()) {
            cmdRset->click();
        }
    });
    m_pickingCursor = PickingCursor();
    pctCvs->setCursor(m_pickingCursor);
    ApplyTabOrder();

    // The favourites are read once the window is on the screen: however many there are, they
    // cost its first frame nothing.
    m_favoritesStore =
        std::make_unique<FavoritesStore>(m_services.files, m_services.favoritesFolder());
    m_favorites = std::make_unique<FavoritesMenu>(
        FavoritesMenu::Host{*this, *mnuFav, *mnufavAdd, *mnufavEdit,
                            [this] { return ComposeColorString(); },
                            [this] { return pctCvsH->Image(); },
                            [this](const std::u16string& text, const QImage& picture) {
                                RecallFavorite(text, picture);
                            }},
        *m_favoritesStore, m_services, m_input);
    m_favorites->BuildFavoritesMenu();
}

void frmMain::WireEvents() {
    m_canvas.Changed = [this] { ShowCanvas(); };
    const std::pair<TextBox*, ucSlider*> channels[] = {
        {txtR, Slider1}, {txtG, Slider2}, {txtB, Slider3}};
    for (auto [box, slider] : channels) {
        box->GotFocus = [this] { ChannelBox_GotFocus(); };
        box->KeyDown = [this](std::int16_t& KeyCode, std::int16_t Shift) {
            ChannelBox_KeyDown(KeyCode, Shift);
        };
        box->KeyPress = [this](std::int32_t& KeyAscii) { ChannelBox_KeyPress(KeyAscii); };
        box->Change = [this, box = box] { ChannelBox_Change(box); };
        box->LostFocus = [this, box = box, slider = slider] { ChannelBox_LostFocus(box, slider); };
        slider->Scroll = [this, box = box, slider = slider] { Slider_Scroll(slider, box); };
    }
    for (PictureBox* box : {pctGlass, pctCvs}) {
        box->GotFocus = [this] { modTxtBoxUtl::SetFocusSafe(txtR); };
    }
    pctPlt->GotFocus = [this] { modTxtBoxUtl::SetFocusSafe(Command1); };

    Option3->Click = [this] { Option3_Click(); };
    CckColStr->Click = [this] { CckColStr_Click(); };
    CckColStr->KeyPress = [this](std::int32_t& KeyAscii) { CckColStr_KeyPress(KeyAscii); };

    btnCpy->Click = [this] { btnCpy_Click(); };
    cmdEnd->Click = [this] { cmdEnd_Click(); };
    cmdSnap->Click = [this] { cmdSnap_Click(); };
    cmdUp->Click = [this] { cmdUp_Click(); };
    cmdDwn->Click = [this] { cmdDwn_Click(); };
    cmdRset->Click = [this] { cmdRset_Click(); };
    Image1->MouseDown = [this](std::int16_t b, std::int16_t s, float x, float y) {
        Image1_MouseDown(b, s, x, y);
    };
    Image1->MouseMove = [this](std::int16_t b, std::int16_t s, float x, float y) {
        Image1_MouseMove(b, s, x, y);
    };
    pctPlt->DblClick = [this] { pctPlt_DblClick(); };
    Command1->Click = [this] { Command1_Click(); };
}

std::optional<std::string> frmMain::ReadSetting(const char* key) const {
    return m_services.settings.GetSetting(T::SettingsApp, T::SettingsSection, key);
}

void frmMain::SaveSetting(const char* key, const std::string& value) {
    m_services.settings.SaveSetting(T::SettingsApp, T::SettingsSection, key, value);
}

void frmMain::Form_Load() {
    m_VerFromMenu = false;
    RefreshTwipsPerPixel();
    // Cut now and again once the layout is final: the menu bar above the glass is laid out
    // only when the window is shown.
    m_glassHole->Cut();

    // A stored text that does not convert counts as missing: the control keeps its value.
    int channels[3] = {};
    ucSlider* sliders[3] = {Slider1, Slider2, Slider3};
    const char* channelKeys[3] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        std::int16_t value = static_cast<std::int16_t>(sliders[i]->Value());
        if (const auto text = ReadSetting(channelKeys[i])) {
            value = SettingsText::ToInt16(*text).value_or(value);
        }
        channels[i] = std::clamp<int>(value, 0, 255);
    }
    for (int i = 0; i < 3; ++i) {
        sliders[i]->SetValue(channels[i]);
    }
    txtR->SetText(QString::number(channels[0]).toStdU16String());
    txtG->SetText(QString::number(channels[1]).toStdU16String());
    txtB->SetText(QString::number(channels[2]).toStdU16String());

    const auto top = ReadSetting("TOP");
    const auto left = ReadSetting("LEFT");
    m_placement->Restore(top ? SettingsText::ToInt32(*top) : std::nullopt,
                         left ? SettingsText::ToInt32(*left) : std::nullopt);

    UpdatePreview();

    OptionButton* options[6] = {Option1, Option2, Option3, Option4, Option5, Option6};
    for (int i = 0; i < 6; ++i) {
        const std::string key = "OP" + std::to_string(i + 1);
        if (const auto text = ReadSetting(key.c_str())) {
            if (const auto selected = SettingsText::ToBoolean(*text)) {
                options[i]->SetValue(*selected);
            }
        }
    }
    if (const auto text = ReadSetting("CCK")) {
        if (const auto value = SettingsText::ToInt16(*text)) {
            CckColStr->SetValue(*value);
        }
    }

    txtR->setFocus(Qt::OtherFocusReason);
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (windowHandle() != nullptr && !m_framed) {
        windowHandle()->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        QApplication::activeModalWidget() != nullptr) {
        ShowHelp(*QApplication::activeModalWidget(), m_services.messageBox, Qs(T::Caption));
        return true;
    }
    if (watched != windowHandle() || event->type() != QEvent::Expose) {
        return QWidget::eventFilter(watched, event);
    }
    if (pctCvsH == nullptr) {
        // Once the first frame is on the screen, build what it did not show.
        QMetaObject::invokeMethod(this, &frmMain::CompleteWindow, Qt::QueuedConnection);
    }
    // The window manager's frame exists only once the window is mapped.
    if (!m_framed && m_services.windowFrame.IsFramed(*this)) {
        m_framed = true;
        windowHandle()->removeEventFilter(this);
        m_placement->WindowFramed();
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_QueryUnload();
}

void frmMain::Form_QueryUnload() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    Slider1->SetEnabled(false);
    Slider2->SetEnabled(false);
    Slider3->SetEnabled(false);

    SaveSetting("R", SettingsText::FromInteger(Slider1->Value()));
    SaveSetting("G", SettingsText::FromInteger(Slider2->Value()));
    SaveSetting("B", SettingsText::FromInteger(Slider3->Value()));
    // Until the window manager has framed the window, Qt's idea of the frame is the window
    // itself: the place it was put is the one to keep.
    const QPoint frame =
        m_framed
            ? m_services.windowFrame.FrameGeometry(*this).topLeft()
            : m_placement->UnframedPosition(m_services.windowFrame.FrameGeometry(*this).topLeft());
    SaveSetting("TOP", SettingsText::FromSingle(static_cast<float>(frame.y() * m_tppY)));
    SaveSetting("LEFT", SettingsText::FromSingle(static_cast<float>(frame.x() * m_tppX)));
    const OptionButton* options[6] = {Option1, Option2, Option3, Option4, Option5, Option6};
    for (int i = 0; i < 6; ++i) {
        SaveSetting(("OP" + std::to_string(i + 1)).c_str(),
                    SettingsText::FromBoolean(options[i]->Value()));
    }
    SaveSetting("CCK", SettingsText::FromInteger(CckColStr->Value()));
    const std::string failure = m_services.settings.Flush();
    if (!failure.empty() && !m_closedBySystem) {
        m_services.messageBox.Show(QString::fromUtf8(T::SettingsNotStored).toStdU16String() +
                                       u"\n" + QString::fromStdString(failure).toStdU16String(),
                                   QString::fromUtf8(T::Caption).toStdU16String(),
                                   IMessageBox::Buttons::Ok, IMessageBox::Icon::Critical);
    }

    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    hide();
    if (ProgramEnded) {
        ProgramEnded(failure);
    }
}

void frmMain::CloseForSystem() {
    m_closedBySystem = true;
    close();
}

void frmMain::mnuVer_Click() {
    m_VerFromMenu = true;
    m_services.beep.Beep();
    frmV = std::make_unique<frmVer>(*this, m_services.screen, m_services.windowFrame);
    frmV->anotherInstanceRunning = AnotherInstanceRunning;
    frmV->EndProgram = EndAtOnce;
    frmV->frmLoad = [this](std::int32_t& mord) { frmV_frmLoad(mord); };
    frmV->exec();
    frmV.reset();
}

void frmMain::frmV_frmLoad(std::int32_t& mord) {
    if (m_VerFromMenu) {
        mord = 1;
        m_VerFromMenu = false;
    }
}

void frmMain::mnuTpc_Click() {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : this;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::cmdEnd_Click() {
    mnuExit_Click();
}

void frmMain::SetCurrentColor(int red, int green, int blue) {
    Slider1->SetValue(red);
    Slider2->SetValue(green);
    Slider3->SetValue(blue);
    txtR->SetText(QString::number(red).toStdU16String());
    txtG->SetText(QString::number(green).toStdU16String());
    txtB->SetText(QString::number(blue).toStdU16String());
    pctPlt->SetBackColor(
        QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
}

std::uint32_t frmMain::PreviewColor() const {
    const QColor color = pctPlt->BackColor();
    return static_cast<std::uint32_t>(ColorValue::Of(color.red(), color.green(), color.blue()));
}

void frmMain::UpdatePreview() {
    pctPlt->SetBackColor(QColor(Slider1->Value(), Slider2->Value(), Slider3->Value()));
}

void frmMain::ChannelBox_GotFocus() {
    modTxtBoxUtl::SelectAllOnFocus(m_input);
}

void frmMain::ChannelBox_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    modTxtBoxUtl::MoveFocusOnArrowKey(m_input, KeyCode);
}

void frmMain::ChannelBox_KeyPress(std::int32_t& KeyAscii) {
    modTxtBoxUtl::FilterKeyAscii(m_input, KeyAscii, {u"0-9", u"０-９"});
    modTxtBoxUtl::MoveFocusOnEnter(m_input, KeyAscii);
}

void frmMain::ChannelBox_Change(TextBox* box) {
    // The box is named: a change made by the program may come while another box has the focus.
    modTxtBoxUtl::ConvertBoxText(m_input, modTxtBoxUtl::vbNarrow, box);
    modTxtBoxUtl::ClampNumericText(m_input, 0, 255, box);
}

void frmMain::ChannelBox_LostFocus(TextBox* box, ucSlider* slider) {
    const std::optional<std::int16_t> value = SettingsText::ToInt16(box->text().toStdString());
    if (value) {
        slider->SetValue(*value);
    } else {
        // Empty or not a number (pasted past the key filter): the channel keeps its value.
        box->SetText(QString::number(slider->Value()).toStdU16String());
    }
    UpdatePreview();
}

void frmMain::Slider_Scroll(ucSlider* slider, TextBox* box) {
    box->SetText(QString::number(slider->Value()).toStdU16String());
    UpdatePreview();
}

ColorStringRules::NotationOptions frmMain::Notation() const {
    using ColorStringRules::LetterCase;
    using ColorStringRules::Quotation;
    ColorStringRules::NotationOptions options;
    options.nameBox = CckColStr->Value();
    options.letterCase = Option1->Value()   ? LetterCase::Upper
                         : Option2->Value() ? LetterCase::Lower
                                            : LetterCase::FirstUpper;
    options.quotation = Option4->Value()   ? Quotation::Double
                        : Option5->Value() ? Quotation::Single
                                           : Quotation::None;
    return options;
}

std::u16string frmMain::ComposeColorString() const {
    const ColorStringRules::Rgb colour{Slider1->Value(), Slider2->Value(), Slider3->Value()};
    return ColorStringRules::ComposeColorString(colour, Notation());
}

void frmMain::btnCpy_Click() {
    const std::u16string text = ComposeColorString();
    CompleteWindow();
    m_services.clipboard.SetTextAndImage(QString::fromStdU16String(text), pctCvsH->Image());
}

void frmMain::mnuCopy_Click() {
    btnCpy_Click();
}

void frmMain::ApplyNotation(const ColorStringRules::NotationOptions& wanted) {
    using ColorStringRules::LetterCase;
    using ColorStringRules::Quotation;
    const ColorStringRules::NotationOptions now = Notation();
    if (wanted.quotation != now.quotation) {
        (wanted.quotation == Quotation::Double   ? Option4
         : wanted.quotation == Quotation::Single ? Option5
                                                 : Option6)
            ->SetValue(true);
    }
    if (wanted.nameBox != now.nameBox) {
        CckColStr->SetValue(wanted.nameBox);
    }
    if (wanted.letterCase != now.letterCase) {
        (wanted.letterCase == LetterCase::Upper   ? Option1
         : wanted.letterCase == LetterCase::Lower ? Option2
                                                  : Option3)
            ->SetValue(true);
    }
}

void frmMain::ApplyPasteOutcome(const ColorStringRules::PasteOutcome& outcome) {
    // The options follow the text even when it turns out not to be a colour.
    ApplyNotation(outcome.options);
    if (outcome.colour) {
        SetCurrentColor(outcome.colour->red, outcome.colour->green, outcome.colour->blue);
    }
}

void frmMain::RefreshTwipsPerPixel() {
    Form::RefreshTwipsPerPixel(m_services.screen);
}

void frmMain::mnuPast_Click() {
    const std::unique_ptr<ClipboardReading> clipboard = m_services.clipboard.Read();
    const ColorStringRules::PasteOutcome outcome =
        ColorStringRules::PasteText(clipboard->Text().toStdU16String(), Notation());
    ApplyPasteOutcome(outcome);
    const QImage picture = clipboard->Picture();
    const bool hasPicture = !picture.isNull() && picture.width() > 0 && picture.height() > 0;
    if (hasPicture) {
        RefreshTwipsPerPixel();
        ShowNewPicture(picture);
    }
    if (!outcome.colour && !hasPicture) {
        m_services.beep.Beep();
    }
}

void frmMain::TakeGlassSnapshot() {
    // While the lens is out, the square under the lens.
    const PictureBox* glass =
        mnuSep->text() != Qs(T::mnuSepDetach) && m_lens != nullptr ? m_lens->pctGlass : pctGlass;
    const Grabbed shot = modVitrel::GrabGlassPicture(m_services.screenGrabber, *glass);
    if (shot.failure == GrabFailure::None) {
        ShowNewPicture(shot.pixels);
        return;
    }
    // Never a blank canvas taken for a snapshot: the last picture stays, and the user is told.
    const char* why = shot.failure == GrabFailure::Refused    ? T::SnapshotRefused
                      : shot.failure == GrabFailure::NoPortal ? T::SnapshotNoPortal
                      : shot.failure == GrabFailure::TimedOut ? T::SnapshotTimedOut
                                                              : T::SnapshotUnreadable;
    m_services.messageBox.Show(
        (Qs(T::SnapshotNotTaken) + u'\n' +
         Qs(why).replace(QStringLiteral("%1"), QString::number(PortalTimeoutSeconds)))
            .toStdU16String(),
        Qs(T::Caption).toStdU16String(), IMessageBox::Buttons::Ok, IMessageBox::Icon::Warning);
}

void frmMain::mnuSep_Click() {
    if (mnuSep->text() != Qs(T::mnuSepDetach)) {
        if (m_lens != nullptr) {
            m_lens->close();  // its closing gives the glass back
        }
        return;
    }
    RefreshTwipsPerPixel();
    m_glassHole->Fill();
    pctGlass->hide();
    cmdSnap->hide();
    m_lens = new frmlens(
        frmlens::Host{*pctGlass, m_services.windowFrame, m_services.glassSurface,
                      [this] { TakeGlassSnapshot(); }, [this] { mnuExit_Click(); },
                      [this] { mnuCopy_Click(); },
                      [this] {
                          mnuEdit_Click();
                          if (mnuPast->isEnabled()) {
                              mnuPast_Click();
                          }
                      },
                      [this] { m_favorites->mnufavAdd_Click(); },
                      [this] { m_favorites->mnufavEdit_Click(); }, [this] { LensReturned(); }},
        m_services.screen);
    m_lens->Command1->setIcon(cmdSnap->icon());
    m_lens->Command1->setIconSize(cmdSnap->iconSize());
    m_lens->Form_Load();
    mnuSep->setText(Qs(T::mnuSepReturn));
}

void frmMain::LensReturned() {
    m_lens = nullptr;
    if (isMinimized()) {
        showNormal();
    }
    RefreshTwipsPerPixel();
    m_glassHole->Cut();
    mnuSep->setText(Qs(T::mnuSepDetach));
    pctGlass->show();
    cmdSnap->show();
}

void frmMain::cmdSnap_Click() {
    TakeGlassSnapshot();
}

void frmMain::mnuShot_Click() {
    TakeGlassSnapshot();
}

void frmMain::ShowNewPicture(const QImage& picture) {
    if (!picture.isNull()) {
        m_canvas.SetPicture(picture);
        return;
    }
    // An empty picture is the blank surface the canvas starts with.
    QImage blank(64, 64, QImage::Format_RGB32);
    blank.fill(pctCvs->BackColor());
    m_canvas.SetPicture(blank);
}

void frmMain::RecallFavorite(const std::u16string& colorText, const QImage& picture) {
    // A stored colour text is read as a pasted one is: its notation, then its colour.
    const ColorStringRules::PasteOutcome outcome =
        ColorStringRules::PasteText(colorText, Notation());
    ApplyPasteOutcome(outcome);
    RefreshTwipsPerPixel();
    ShowNewPicture(picture);
}

void frmMain::ShowCanvas() {
    // Image1 shows the canvas's view; pctCvsH holds its picture at 1:1, its inner area the
    // picture's size.
    const QImage& picture = m_canvas.Picture();
    if (!picture.isNull()) {
        Image1->SetPicture(picture);
        if (pctCvsH != nullptr) {
            pctCvsH->SetClientSize(picture.size());
            pctCvsH->SetPicture(picture);
        }
    }
    const CanvasGeometry::ZoomState& state = m_canvas.State();
    Image1->setGeometry(
        QRectF(state.image.Left, state.image.Top, state.image.Width, state.image.Height).toRect());
    cmdUp->setEnabled(state.buttons.up);
    cmdDwn->setEnabled(state.buttons.down);
    cmdRset->setEnabled(state.buttons.reset);
}

void frmMain::cmdUp_Click() {
    m_canvas.SetState(CanvasGeometry::ZoomIn(m_canvas.State()));
}

void frmMain::cmdDwn_Click() {
    m_canvas.SetState(CanvasGeometry::ZoomOut(m_canvas.State()));
}

void frmMain::cmdRset_Click() {
    const QSize natural = Image1->Picture().size();
    m_canvas.SetState(CanvasGeometry::Reset(natural.width(), natural.height()));
}

void frmMain::Image1_MouseDown(std::int16_t Button, std::int16_t /*Shift*/, float X, float Y) {
    RefreshTwipsPerPixel();
    if ((Button & kRightButton) != 0) {
        pctCvs->setCursor(Qt::SizeAllCursor);
        m_grabPoint = CanvasGeometry::PointerPixel(X, Y, m_tppX, m_tppY);
        return;
    }
    pctCvs->setCursor(m_pickingCursor);
    CompleteWindow();
    // Before any picture this reads the blank surface: the canvas background. The pixel is
    // the one the canvas shows at the pointer: its place in the frame through the same mapping.
    const QImage source = pctCvsH->Image();
    const CanvasGeometry::ImageRect image = Image1->ShownRect();
    const QSize frame = pctCvs->ClientSize();
    const auto pixel = CanvasGeometry::ShownPixel(
        static_cast<double>(X) / m_tppX + image.Left, static_cast<double>(Y) / m_tppY + image.Top,
        frame.width(), frame.height(), image, source.width(), source.height());
    if (pixel) {
        const QRgb colour = source.pixel(pixel->x, pixel->y);
        SetCurrentColor(qRed(colour), qGreen(colour), qBlue(colour));
    }
}

void frmMain::Image1_MouseMove(std::int16_t Button, std::int16_t /*Shift*/, float X, float Y) {
    if ((Button & kRightButton) == 0 || pctCvs->cursor().shape() != Qt::SizeAllCursor) {
        pctCvs->setCursor(m_pickingCursor);
        m_panLock = false;
        return;
    }
    if (m_panLock) {
        return;
    }
    m_panLock = true;
    CanvasGeometry::ZoomState state = m_canvas.State();
    state.image =
        CanvasGeometry::PanStep(state.image, m_grabPoint,
                                CanvasGeometry::PointerPixel(X, Y, m_tppX, m_tppY), m_tppX, m_tppY);
    m_canvas.SetState(state);
    m_panLock = false;
}

void frmMain::pctPlt_DblClick() {
    // Any failure of the dialog ends the operation without a change; the control reports none.
    ucClrComDlg1->SetColor(static_cast<std::int32_t>(PreviewColor()));
    ucClrComDlg1->ShowColor();
    const std::int32_t c = ucClrComDlg1->Color();
    SetCurrentColor(ColorValue::Red(c), ColorValue::Green(c), ColorValue::Blue(c));
}

void frmMain::Command1_Click() {
    pctPlt_DblClick();
}

void frmMain::mnuEdit_Click() {
    CompleteWindow();
    const std::unique_ptr<ClipboardReading> clipboard = m_services.clipboard.Read();
    const bool possible = ColorStringRules::CanPasteText(clipboard->Text().toStdU16String()) ||
                          clipboard->HasPicture();
    mnuPast->setEnabled(possible);
}

void frmMain::Option3_Click() {
    CckColStr->SetValue(1);
}

void frmMain::CckColStr_Click() {
    if (CckColStr->Value() != 1 && Option3->Value()) {
        Option2->SetValue(true);
    }
}

void frmMain::CckColStr_KeyPress(std::int32_t& KeyAscii) {
    if (KeyAscii == 13) {
        CckColStr->SetValue(CckColStr->Value() == 1 ? 0 : 1);
    }
}

}  // namespace vitrel
