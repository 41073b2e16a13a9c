// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/notation/ColorStringRules.h"
#include "qt/AppServices.h"
#include "ui/controls/Form.h"
#include "ui/glass/Canvas.h"

class QAction;
class QImage;
class QMenu;
class QMenuBar;

namespace vitrel {

class CheckBox;
class CommandButton;
class Frame;
class IControl;
class IInputEnvironment;
class ImageBox;
class Label;
class OptionButton;
class PictureBox;
class TextBox;
class ucClrComDlg;
class ucSlider;
class WindowPlacement;
class FavoritesMenu;
class frmlens;
class frmVer;
class FavoritesStore;
class GlassHole;

/// The one working window: the channel editor of the current colour, the preview, the
/// canvas, the glass, the notation options and the menus. It restores its colour, position
/// and options at start-up and stores them whenever it is closed.
class frmMain : public Form<QWidget> {
    Q_OBJECT
public:
    frmMain(AppServices& services, IInputEnvironment& input, QWidget* parent = nullptr);
    ~frmMain() override;

    /// Start-up: restores the stored settings into the controls. Runs once, before the
    /// window is first shown.
    void Form_Load();

    /// The menu bar above the client area, where the layout is drawn.
    [[nodiscard]] QMenuBar* menuBar() const { return m_menuBar; }

    /// Makes a colour current: sliders, channel texts and preview, raising no slider event.
    void SetCurrentColor(int red, int green, int blue);
    /// The preview's colour value: red + 256 * green + 65536 * blue.
    [[nodiscard]] std::uint32_t PreviewColor() const;

    /// The colour string of the current colour in the chosen notation.
    [[nodiscard]] std::u16string ComposeColorString() const;
    /// Copy: the colour string and the canvas's source picture onto the clipboard.
    void btnCpy_Click();
    void mnuCopy_Click();
    /// Paste: a colour string becomes the current colour and its notation the options; a
    /// picture goes into the canvas; anything else beeps.
    void mnuPast_Click();
    /// Enables the paste command when the clipboard holds something it can take.
    void mnuEdit_Click();
    /// The screen under the glass into the canvas, at zoom 1.
    void TakeGlassSnapshot();
    void cmdSnap_Click();
    /// Takes the glass off the main window as the lens, or puts it back.
    void mnuSep_Click();
    void mnuExit_Click();
    /// The about box, modal and centred over this window.
    void mnuVer_Click();
    /// Help: sends F1 to the program, as if the user had pressed it.
    void mnuTpc_Click();
    void mnuShot_Click();

    /// Runs at the end of shutdown, when every window of the program has been closed, with
    /// what went wrong storing the settings (empty when nothing did).
    std::function<void(const std::string& failure)> ProgramEnded;
    /// Whether another instance was running when this one started, and how to end at once
    /// without the shutdown: the about box ends such a second instance.
    bool AnotherInstanceRunning = false;
    std::function<void()> EndAtOnce;
    /// The version window while the about box is open.
    std::unique_ptr<frmVer> frmV;
    /// A close asked for by the system (a signal, the end of the session) rather than by a
    /// person: the same shutdown, but nobody is there to read a message box.
    void CloseForSystem();

    [[nodiscard]] std::int16_t TppX() const { return m_tppX; }
    [[nodiscard]] std::int16_t TppY() const { return m_tppY; }
    [[nodiscard]] float CanvasZoom() const { return m_canvas.Zoom(); }
    [[nodiscard]] const Canvas& canvas() const { return m_canvas; }
    /// The Favourites menu, once the window has been completed after its first frame.
    [[nodiscard]] FavoritesMenu* favorites() const { return m_favorites.get(); }

    // The controls, by the names the rest of the program knows them by.
    PictureBox* pctGlass;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    TextBox* txtR;
    TextBox* txtG;
    TextBox* txtB;
    ucSlider* Slider1;
    ucSlider* Slider2;
    ucSlider* Slider3;
    PictureBox* pctPlt;
    CheckBox* CckColStr;
    CommandButton* cmdSnap;
    CommandButton* Command1;
    Frame* Frame1;
    OptionButton* Option1;
    OptionButton* Option2;
    OptionButton* Option3;
    PictureBox* pctCvs;
    ImageBox* Image1;
    CommandButton* cmdUp;
    CommandButton* cmdRset;
    CommandButton* cmdDwn;
    CommandButton* btnCpy;
    Frame* Frame2;
    OptionButton* Option4;
    OptionButton* Option5;
    OptionButton* Option6;
    CommandButton* cmdEnd;
    PictureBox* pctCvsH = nullptr;
    std::unique_ptr<ucClrComDlg> ucClrComDlg1;

    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuShot = nullptr;
    QAction* mnuSepa = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPast = nullptr;
    QMenu* mnuFav = nullptr;
    QAction* mnufavAdd = nullptr;
    QAction* mnufavEdit = nullptr;
    QMenu* mnuOption = nullptr;
    QAction* mnuSep = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuTpc = nullptr;
    QAction* mnuSepH = nullptr;
    QAction* mnuVer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    /// Builds what the first frame does not show: the menus' items and the hidden source
    /// picture box. Runs once, after the first frame; anything that needs them earlier calls it.
    void CompleteWindow();
    void WireEvents();

    std::optional<std::string> ReadSetting(const char* key) const;
    void SaveSetting(const char* key, const std::string& value);
    void Form_QueryUnload();
    /// The lens closes: the main window takes its glass back.
    void LensReturned();

    // Channel entry
    void ChannelBox_GotFocus();
    void ChannelBox_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void ChannelBox_KeyPress(std::int32_t& KeyAscii);
    void ChannelBox_Change(TextBox* box);
    void ChannelBox_LostFocus(TextBox* box, ucSlider* slider);
    void Slider_Scroll(ucSlider* slider, TextBox* box);
    void UpdatePreview();

    // Notation
    [[nodiscard]] ColorStringRules::NotationOptions Notation() const;
    /// Sets the option controls to the options, through the controls' own couplings.
    void ApplyNotation(const ColorStringRules::NotationOptions& wanted);
    /// A pasted or recalled colour text read: its notation, then its colour if it is one.
    void ApplyPasteOutcome(const ColorStringRules::PasteOutcome& outcome);
    /// TppX and TppY from the screen, as the handlers that convert twips refresh them.
    void RefreshTwipsPerPixel();

    // Canvas
    /// A new picture in the canvas: zoom 1 at the top-left, zoom buttons as after a snapshot.
    void ShowNewPicture(const QImage& picture);
    /// A favourite's colour text and picture made current, as the favourites menu recalls it.
    void RecallFavorite(const std::u16string& colorText, const QImage& picture);
    void ShowCanvas();
    void cmdUp_Click();
    void cmdDwn_Click();
    void cmdRset_Click();
    void Image1_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Image1_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);

    // Colour dialog
    void pctPlt_DblClick();
    void Command1_Click();

    // Notation option couplings
    void Option3_Click();
    void CckColStr_Click();
    void CckColStr_KeyPress(std::int32_t& KeyAscii);

    void cmdEnd_Click();
    void frmV_frmLoad(std::int32_t& mord);

    AppServices& m_services;
    IInputEnvironment& m_input;
    bool m_VerFromMenu = false;
    Canvas m_canvas;
    CanvasGeometry::PixelPoint m_grabPoint;  // where a right-button drag began
    bool m_panLock = false;
    QCursor m_pickingCursor;
    std::unique_ptr<WindowPlacement> m_placement;
    std::unique_ptr<FavoritesStore> m_favoritesStore;
    std::unique_ptr<FavoritesMenu> m_favorites;
    GlassHole* m_glassHole = nullptr;
    QMenuBar* m_menuBar = nullptr;
    std::array<QAction*, 5> m_menuTitles{};  // the menu bar's titles, their menus made later
    QWidget* m_client = nullptr;  // the area below the menu bar that the layout tables place
    QPointer<frmlens> m_lens;     // while the lens is out
    bool m_framed = false;
    bool m_closing = false;
    bool m_closedBySystem = false;
};

}  // namespace vitrel
