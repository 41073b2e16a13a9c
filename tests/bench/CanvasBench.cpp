// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The canvas on the X server of $DISPLAY: a snapshot through the glass until the canvas is
// painted, and a click on the canvas until the preview is painted in the picked colour.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/frmMain.h"
#include "controls/ImageBox.h"
#include "controls/PictureBox.h"
#include "controls/QtInputEnvironment.h"
#include "favorites/StdFileOperations.h"
#include "platform/QtBeep.h"
#include "platform/QtClipboard.h"
#include "platform/QtColorDialog.h"
#include "platform/QtMessageBox.h"
#include "platform/QtScreen.h"
#include "platform/QtScreenGrabber.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtWindowFrame.h"

namespace {

vitrel::frmMain* g_form = nullptr;

void SnapshotToCanvas(benchmark::State& state) {
    for (auto _ : state) {
        g_form->TakeGlassSnapshot();
        g_form->pctCvs->repaint();
    }
}
BENCHMARK(SnapshotToCanvas)->Unit(benchmark::kMicrosecond);

void ClickToPreview(benchmark::State& state) {
    g_form->TakeGlassSnapshot();
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % 64;
        QTest::mouseClick(g_form->Image1, Qt::LeftButton, {}, QPoint(x, 63 - x));
        g_form->pctPlt->repaint();
    }
}
BENCHMARK(ClickToPreview)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir home;  // the run's own settings, never the user's
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    vitrel::QtSettingsStore settings;
    vitrel::QtScreen screen;
    vitrel::QtBeep beep;
    vitrel::QtMessageBox messageBox;
    vitrel::QtClipboard clipboard;
    vitrel::QtWindowFrame windowFrame;
    vitrel::QtScreenGrabber screenGrabber;
    vitrel::QtColorDialog colorDialog;
    vitrel::StdFileOperations files;
    vitrel::AppServices services{
        settings,
        screen,
        beep,
        messageBox,
        clipboard,
        windowFrame,
        screenGrabber,
        colorDialog,
        files,
        [&home] { return std::filesystem::path(home.filePath("Favorites").toStdU16String()); }};
    vitrel::QtInputEnvironment input(clipboard);
    vitrel::frmMain form(services, input);
    form.Form_Load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    QApplication::processEvents();
    g_form = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
