// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/controls/IColorDialog.h"
#include "core/favorites/StdFileOperations.h"
#include "core/services/IBeep.h"
#include "core/services/IMessageBox.h"
#include "core/services/IScreen.h"
#include "core/services/ISettingsStore.h"
#include "qt/AppServices.h"
#include "qt/IClipboard.h"
#include "qt/IScreenGrabber.h"
#include "qt/IWindowFrame.h"
#include "qt/ShapedGlass.h"

#include <QTemporaryDir>
#include <QWidget>

namespace vitrel::testing {

/// Settings in memory, keyed "app/section/key".
class FakeSettingsStore : public ISettingsStore {
public:
    [[nodiscard]] std::optional<std::string> GetSetting(const std::string& appName,
                                                        const std::string& section,
                                                        const std::string& key) const override {
        const auto found = values.find(appName + '/' + section + '/' + key);
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[appName + '/' + section + '/' + key] = value;
        saved.push_back(key);
    }
    std::string Flush() override {
        ++flushes;
        return flushError;
    }

    /// Shortcut for the program's own section.
    void Set(const std::string& key, const std::string& value) {
        values["VITRELLE/STERTUP/" + key] = value;
    }
    [[nodiscard]] std::optional<std::string> Get(const std::string& key) const {
        return GetSetting("VITRELLE", "STERTUP", key);
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> saved;  // keys in the order they were written
    int flushes = 0;
    std::string flushError;  // what the next Flush reports
};

/// A screen of 1024 × 768 pixels at 96 DPI.
class FakeScreen : public IScreen {
public:
    [[nodiscard]] std::int16_t TwipsPerPixelX() const override { return 15; }
    [[nodiscard]] std::int16_t TwipsPerPixelY() const override { return 15; }
    [[nodiscard]] std::int32_t WidthTwips() const override { return 1024 * 15; }
    [[nodiscard]] std::int32_t HeightTwips() const override { return 768 * 15; }
};

class CountingBeep : public IBeep {
public:
    void Beep() override { ++count; }
    int count = 0;
};

/// Answers every message box with OK and remembers what it was shown.
class ScriptedMessageBox : public IMessageBox {
public:
    Result Show(const std::u16string& text, const std::u16string& title, Buttons /*buttons*/,
                Icon /*icon*/) override {
        shown.emplace_back(text, title);
        return Result::Ok;
    }
    std::vector<std::pair<std::u16string, std::u16string>> shown;
};

/// An in-process clipboard.
class FakeClipboard : public IClipboard {
public:
    [[nodiscard]] std::unique_ptr<ClipboardReading> Read() const override {
        struct Reading : ClipboardReading {
            explicit Reading(const FakeClipboard& c) : clipboard(c) {}
            QString Text() override { return clipboard.text; }
            bool HasPicture() override { return !clipboard.image.isNull(); }
            QImage Picture() override { return clipboard.image; }
            const FakeClipboard& clipboard;
        };
        return std::make_unique<Reading>(*this);
    }
    void SetTextAndImage(const QString& newText, const QImage& newImage) override {
        text = newText;
        image = newImage;
        ++writes;
    }

    QString text;
    QImage image;
    int writes = 0;
};

/// Qt's own idea of the frame, which on the offscreen platform is the window itself.
class QtOwnWindowFrame : public IWindowFrame {
public:
    [[nodiscard]] QRect FrameGeometry(const QWidget& window) const override {
        return window.frameGeometry();
    }
    [[nodiscard]] bool IsFramed(const QWidget& /*window*/) const override { return true; }
    /// The offscreen platform frames every window with two pixels on each side.
    [[nodiscard]] QMargins FrameMargins(QWidget& /*window*/) const override { return {2, 2, 2, 2}; }
    void RequestFrameMargins(QWidget& /*window*/) override {}
    void MoveFrame(QWidget& window, QPoint topLeft) override { window.move(topLeft); }
};

/// Screens whose device pixels are pictures the test paints; a window's device position is its
/// position on Qt's screen, scaled.
class FakeScreenGrabber : public IScreenGrabber {
public:
    struct Screen {
        QRect device;   // in the desktop's device pixels
        QImage pixels;  // of that size
    };
    [[nodiscard]] std::vector<QRect> Screens() const override {
        std::vector<QRect> rects;
        for (const Screen& screen : screens) {
            rects.push_back(screen.device);
        }
        return rects;
    }
    [[nodiscard]] std::optional<QPoint> DeviceOrigin(const QWidget& window) const override {
        return (QPointF(window.mapToGlobal(QPoint(0, 0))) * window.devicePixelRatioF()).toPoint();
    }
    [[nodiscard]] Grabbed Grab(int index, const QRect& area) const override {
        const Screen& screen = screens.at(static_cast<std::size_t>(index));
        return {screen.pixels.copy(area.translated(-screen.device.topLeft()))};
    }
    std::vector<Screen> screens;
};

/// A colour dialog the test answers: the colour it confirms, or a cancel.
class ScriptedColorDialog : public IColorDialog {
public:
    bool ChooseColor(Request& request) override {
        seen = request;
        if (answer) {
            request.color = *answer;
        }
        return answer.has_value();
    }
    [[nodiscard]] std::int32_t ExtendedError() const override { return 0; }

    std::optional<std::int32_t> answer;  // nullopt: the user cancels
    Request seen;
};

/// One of each, wired into the services a window takes.
struct FakeServices {
    FakeSettingsStore settings;
    FakeScreen screen;
    CountingBeep beep;
    ScriptedMessageBox messageBox;
    FakeClipboard clipboard;
    QtOwnWindowFrame windowFrame;
    ShapedGlass glassSurface;
    FakeScreenGrabber screenGrabber;
    ScriptedColorDialog colorDialog;
    StdFileOperations files;
    QTemporaryDir home;  // the favourites folder lies in it
    AppServices services{
        settings,
        screen,
        beep,
        messageBox,
        clipboard,
        windowFrame,
        glassSurface,
        screenGrabber,
        colorDialog,
        files,
        [this] { return std::filesystem::path(home.filePath("Favorites").toStdU16String()); }};
};

}  // namespace vitrel::testing
