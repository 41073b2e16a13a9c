// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "app/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>
#include <type_traits>

#include "app/MainWindowTexts.h"
#include "controls/ChannelSlider.h"
#include "controls/CheckBox.h"
#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "controls/ImageBox.h"
#include "controls/Label.h"
#include "controls/OptionButton.h"
#include "controls/PictureBox.h"
#include "controls/TextBox.h"
#include "input/IInputEnvironment.h"
#include "input/modTxtBoxUtl.h"
#include "notation/ColorStringRules.h"
#include "platform/IBeep.h"
#include "platform/IClipboard.h"
#include "platform/IScreen.h"
#include "platform/ISettingsStore.h"
#include "platform/IWindowFrame.h"
#include "platform/SettingsText.h"

namespace vitrel {
namespace {

namespace T = MainWindowTexts;

QString Qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QFont GothicFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({Qs(T::LabelFont), Qs(T::LabelFontFallback)});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

template <class Control>
Control* Captioned(Control* control, const char* caption) {
    control->setText(Qs(caption));
    return control;
}

// Client area of the window, in twips.
constexpr int kClientWidthTwips = 7095;
constexpr int kClientHeightTwips = 2760;

}  // namespace

frmMain::frmMain(AppServices& services, IInputEnvironment& input, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_services(services),
      m_input(input) {
    // The layout is drawn in twips; it needs the screen's factors before anything is placed.
    m_TppX = m_services.screen.TwipsPerPixelX();
    m_TppY = m_services.screen.TwipsPerPixelY();
    setWindowTitle(Qs(T::Caption));
    QIcon icon;
    icon.addFile(QStringLiteral(":/vitrel/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/vitrel/icon16.png"), QSize(16, 16));
    setWindowIcon(icon);
    setFont(GothicFont(9, false));
    CreateControls();
    CreateMenus();
    WireEvents();
    ApplyTabOrder();
    // Not resizable: the window manager then offers neither maximising nor resize grips.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

QRect frmMain::Twips(int left, int top, int width, int height) const {
    return {left / m_TppX, top / m_TppY, width / m_TppX, height / m_TppY};
}

template <class Control>
Control* frmMain::Add(Control* control, int tabIndex, int left, int top, int width, int height) {
    control->SetTabIndex(tabIndex);
    QRect geometry = Twips(left, top, width, height);
    if constexpr (std::is_base_of_v<QAbstractButton, Control>) {
        // Option buttons and check boxes drawn for a smaller system font would clip their
        // indicator here; they grow around their middle instead.
        const int needed = control->sizeHint().height();
        if (geometry.height() < needed) {
            geometry.adjust(0, -(needed - geometry.height()) / 2, 0, 0);
            geometry.setHeight(needed);
        }
    }
    control->setGeometry(geometry);
    m_controls.push_back(control);
    return control;
}

void frmMain::CreateControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidthTwips / m_TppX, kClientHeightTwips / m_TppY);
    setCentralWidget(client);

    pctGlass = Add(new PictureBox(this, client), 22, 120, 120, 1020, 1020);

    const QFont labelFont = GothicFont(9, true);
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

    ChannelSlider* sliders[3] = {};
    const int sliderTops[3] = {120, 480, 840};
    for (int i = 0; i < 3; ++i) {
        sliders[i] = Add(new ChannelSlider(this, client), 26 + i, 2280, sliderTops[i], 3255, 255);
        sliders[i]->SetTabStop(false);
        sliders[i]->SetMin(0);
        sliders[i]->SetMax(255);
        sliders[i]->SetTickFrequency(32);
    }
    Slider1 = sliders[0];
    Slider2 = sliders[1];
    Slider3 = sliders[2];

    pctPlt = Add(new PictureBox(this, client), 20, 5640, 120, 1335, 1020);
    pctPlt->SetBackColor(Qt::black);

    CckColStr = Add(Captioned(new CheckBox(this, client), T::CckColStr), 3, 1560, 1200, 2535, 255);
    CckColStr->SetValue(1);

    cmdSnap = Add(new CommandButton(this, client), 15, 240, 1260, 765, 285);
    cmdSnap->setIcon(QIcon(QStringLiteral(":/vitrel/camera.png")));
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
    m_controls.push_back(Image1);

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

    // Below the client area: never seen, it only holds the canvas's source picture.
    pctCvsH = Add(new PictureBox(this, client), 21, 120, 3360, 1020, 1020);

    for (PictureBox* box : {pctGlass, pctPlt, pctCvs, pctCvsH}) {
        box->SetTwipsPerPixel(m_TppX, m_TppY);
    }
    Image1->SetTwipsPerPixel(m_TppX, m_TppY);
}

void frmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(Qs(T::mnuFile));
    mnuExit = mnuFile->addAction(Qs(T::mnuExit));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuEdit = bar->addMenu(Qs(T::mnuEdit));
    mnuShot = mnuEdit->addAction(Qs(T::mnuShot));
    mnuShot->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSepa = mnuEdit->addSeparator();
    mnuCopy = mnuEdit->addAction(Qs(T::mnuCopy));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPast = mnuEdit->addAction(Qs(T::mnuPast));
    mnuPast->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));

    mnuFav = bar->addMenu(Qs(T::mnuFav));
    mnufavAdd = mnuFav->addAction(Qs(T::mnufavAdd));
    mnufavAdd->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnufavEdit = mnuFav->addAction(Qs(T::mnufavEdit));
    mnufavEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuFavItem.push_back(mnuFav->addSeparator());

    mnuOption = bar->addMenu(Qs(T::mnuOption));
    mnuSep = mnuOption->addAction(Qs(T::mnuSepDetach));
    mnuSep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));

    mnuHelp = bar->addMenu(Qs(T::mnuHelp));
    mnuTpc = mnuHelp->addAction(Qs(T::mnuTpc));
    mnuSepH = mnuHelp->addSeparator();
    mnuVer = mnuHelp->addAction(Qs(T::mnuVer));

    // Shortcuts act wherever the focus is in this window, including the channel boxes.
    for (QAction* action : {mnuExit, mnuShot, mnuCopy, mnuPast, mnufavAdd, mnufavEdit, mnuSep}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

void frmMain::WireEvents() {
    const std::pair<TextBox*, ChannelSlider*> channels[] = {
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
    for (PictureBox* box : {pctGlass, pctCvs, pctCvsH}) {
        box->GotFocus = [this] { modTxtBoxUtl::SetFocusSafe(txtR); };
    }
    pctPlt->GotFocus = [this] { modTxtBoxUtl::SetFocusSafe(Command1); };

    Option3->Click = [this] { Option3_Click(); };
    CckColStr->Click = [this] { CckColStr_Click(); };
    CckColStr->KeyPress = [this](std::int32_t& KeyAscii) { CckColStr_KeyPress(KeyAscii); };

    btnCpy->Click = [this] { btnCpy_Click(); };
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(mnuPast, &QAction::triggered, this, [this] { mnuPast_Click(); });
    connect(mnuEdit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });

    cmdEnd->Click = [this] { cmdEnd_Click(); };
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
}

void frmMain::ApplyTabOrder() {
    std::vector<QWidget*> order;
    for (IControl* control : m_controls) {
        auto* widget = dynamic_cast<QWidget*>(control);
        if (widget != nullptr && control->TabIndex() && control->TabStop().value_or(false)) {
            order.push_back(widget);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](QWidget* a, QWidget* b) {
        return *dynamic_cast<IControl*>(a)->TabIndex() < *dynamic_cast<IControl*>(b)->TabIndex();
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

int frmMain::ControlCount() const {
    return static_cast<int>(m_controls.size());
}

IControl* frmMain::Controls(int index) const {
    return index >= 0 && index < ControlCount() ? m_controls[static_cast<std::size_t>(index)]
                                                : nullptr;
}

IControl* frmMain::ActiveControl() const {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        auto* control = dynamic_cast<IControl*>(widget);
        if (control != nullptr &&
            std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end()) {
            return control;
        }
    }
    return nullptr;
}


std::optional<std::string> frmMain::ReadSetting(const char* key) const {
    return m_services.settings.GetSetting(T::SettingsApp, T::SettingsSection, key);
}

void frmMain::SaveSetting(const char* key, const std::string& value) {
    m_services.settings.SaveSetting(T::SettingsApp, T::SettingsSection, key, value);
}

void frmMain::Form_Load() {
    m_VerFromMenu = false;
    m_CanvasZoom = 1.0F;
    m_TppY = m_services.screen.TwipsPerPixelY();
    m_TppX = m_services.screen.TwipsPerPixelX();

    // A stored text that does not convert counts as missing: the control keeps its value.
    int channels[3] = {};
    ChannelSlider* sliders[3] = {Slider1, Slider2, Slider3};
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
    m_storedTop = top ? SettingsText::ToInt32(*top) : std::nullopt;
    m_storedLeft = left ? SettingsText::ToInt32(*left) : std::nullopt;
    PlaceWindow();

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

void frmMain::PlaceWindow() {
    if (!m_storedTop && !m_storedLeft) {
        return;  // first run: where the window system put it
    }
    const QRect frame = m_services.windowFrame.FrameGeometry(*this);
    const std::int64_t heightTwips = std::int64_t{frame.height()} * m_TppY;
    const std::int64_t widthTwips = std::int64_t{frame.width()} * m_TppX;

    std::int64_t top = m_storedTop.value_or(std::int64_t{frame.top()} * m_TppY);
    top = std::max<std::int64_t>(top, 0);
    top = std::min<std::int64_t>(top, m_services.screen.HeightTwips() - heightTwips);
    std::int64_t left = m_storedLeft.value_or(std::int64_t{frame.left()} * m_TppX);
    left = std::max<std::int64_t>(left, 0);
    left = std::min<std::int64_t>(left, m_services.screen.WidthTwips() - widthTwips);
    m_services.windowFrame.MoveFrame(
        *this, QPoint(static_cast<int>(left / m_TppX), static_cast<int>(top / m_TppY)));
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (windowHandle() != nullptr && !m_placedAfterFraming) {
        windowHandle()->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // The window manager's frame exists only once the window is mapped, and its size takes
    // part in keeping the whole window on the screen: the stored position is applied again
    // when the framed window is first exposed.
    if (watched == windowHandle() && event->type() == QEvent::Expose && !m_placedAfterFraming &&
        m_services.windowFrame.IsFramed(*this)) {
        m_placedAfterFraming = true;
        windowHandle()->removeEventFilter(this);
        PlaceWindow();
    }
    return QMainWindow::eventFilter(watched, event);
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
    const QRect frame = m_services.windowFrame.FrameGeometry(*this);
    SaveSetting("TOP", SettingsText::FromSingle(static_cast<float>(frame.top() * m_TppY)));
    SaveSetting("LEFT", SettingsText::FromSingle(static_cast<float>(frame.left() * m_TppX)));
    const OptionButton* options[6] = {Option1, Option2, Option3, Option4, Option5, Option6};
    for (int i = 0; i < 6; ++i) {
        SaveSetting(("OP" + std::to_string(i + 1)).c_str(),
                    SettingsText::FromBoolean(options[i]->Value()));
    }
    SaveSetting("CCK", SettingsText::FromInteger(CckColStr->Value()));
    m_services.settings.Flush();

    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    hide();
    if (ProgramEnded) {
        ProgramEnded();
    }
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
    return static_cast<std::uint32_t>(color.red()) +
           256U * static_cast<std::uint32_t>(color.green()) +
           65536U * static_cast<std::uint32_t>(color.blue());
}

std::u16string frmMain::ToHexByte(std::int16_t channel) {
    return ColorStringRules::ToHexByte(channel);
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

void frmMain::ChannelBox_LostFocus(TextBox* box, ChannelSlider* slider) {
    const std::optional<std::int16_t> value = SettingsText::ToInt16(box->text().toStdString());
    if (value) {
        slider->SetValue(*value);
    } else {
        // Empty or not a number (pasted past the key filter): the channel keeps its value.
        box->SetText(QString::number(slider->Value()).toStdU16String());
    }
    UpdatePreview();
}

void frmMain::Slider_Scroll(ChannelSlider* slider, TextBox* box) {
    box->SetText(QString::number(slider->Value()).toStdU16String());
    UpdatePreview();
}


namespace {

ColorStringRules::NotationOptions ReadNotation(const CheckBox& nameBox, const OptionButton& upper,
                                               const OptionButton& lower,
                                               const OptionButton& doubleQuote,
                                               const OptionButton& singleQuote) {
    using ColorStringRules::LetterCase;
    using ColorStringRules::Quotation;
    ColorStringRules::NotationOptions options;
    options.nameBox = nameBox.Value();
    options.letterCase = upper.Value()   ? LetterCase::Upper
                         : lower.Value() ? LetterCase::Lower
                                         : LetterCase::FirstUpper;
    options.quotation = doubleQuote.Value()   ? Quotation::Double
                        : singleQuote.Value() ? Quotation::Single
                                              : Quotation::None;
    return options;
}

}  // namespace

std::u16string frmMain::ComposeColorString() const {
    const ColorStringRules::Rgb colour{Slider1->Value(), Slider2->Value(), Slider3->Value()};
    return ColorStringRules::ComposeColorString(
        colour, ReadNotation(*CckColStr, *Option1, *Option2, *Option4, *Option5));
}

void frmMain::btnCpy_Click() {
    const std::u16string text = ComposeColorString();
    m_services.clipboard.SetTextAndImage(QString::fromStdU16String(text), pctCvsH->Image());
}

void frmMain::mnuCopy_Click() {
    btnCpy_Click();
}

std::u16string frmMain::StripQuotation(const std::u16string& text, bool selectOption) {
    ColorStringRules::Quotation quotation = ColorStringRules::Quotation::None;
    std::u16string bare =
        ColorStringRules::StripQuotation(text, selectOption ? &quotation : nullptr);
    if (selectOption) {
        switch (quotation) {
            case ColorStringRules::Quotation::Double:
                Option4->SetValue(true);
                break;
            case ColorStringRules::Quotation::Single:
                Option5->SetValue(true);
                break;
            case ColorStringRules::Quotation::None:
                Option6->SetValue(true);
                break;
        }
    }
    return bare;
}

void frmMain::AdoptNotation(const std::u16string& text) {
    const ColorStringRules::NotationOptions before =
        ReadNotation(*CckColStr, *Option1, *Option2, *Option4, *Option5);
    ColorStringRules::NotationOptions after = before;
    ColorStringRules::AdoptNotation(text, after);
    if (after.nameBox != before.nameBox) {
        CckColStr->SetValue(after.nameBox);
    }
    if (after.letterCase != before.letterCase) {
        switch (after.letterCase) {
            case ColorStringRules::LetterCase::Upper:
                Option1->SetValue(true);
                break;
            case ColorStringRules::LetterCase::Lower:
                Option2->SetValue(true);
                break;
            case ColorStringRules::LetterCase::FirstUpper:
                Option3->SetValue(true);
                break;
        }
    }
}

void frmMain::mnuPast_Click() {
    const std::u16string text = m_services.clipboard.Text().toStdU16String();
    const std::u16string bare = StripQuotation(text, true);
    // The options follow the text even when it then turns out not to be a colour.
    AdoptNotation(bare);
    bool applied = false;
    if (const auto colour = ColorStringRules::ReadColorString(bare)) {
        SetCurrentColor(colour->red, colour->green, colour->blue);
        applied = true;
    }
    const QImage picture = m_services.clipboard.Image();
    if (!picture.isNull() && picture.width() > 0 && picture.height() > 0) {
        ShowPastedPicture(picture);
        applied = true;
    }
    if (!applied) {
        m_services.beep.Beep();
    }
}

void frmMain::ShowPastedPicture(const QImage& picture) {
    m_TppX = m_services.screen.TwipsPerPixelX();
    m_TppY = m_services.screen.TwipsPerPixelY();
    Image1->SetStretch(false);
    Image1->SetPicture(picture);
    Image1->move(0, 0);
    pctCvsH->SetClientSize(Image1->size());
    pctCvsH->SetPicture(picture);
    Image1->SetStretch(true);
    m_CanvasZoom = 1.0F;
    cmdDwn->setEnabled(true);
    cmdUp->setEnabled(true);
    cmdRset->setEnabled(false);
}

void frmMain::mnuEdit_Click() {
    const bool possible =
        ColorStringRules::CanPasteText(m_services.clipboard.Text().toStdU16String()) ||
        m_services.clipboard.HasImage();
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
