// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The main window on the X server of $DISPLAY: a snapshot through the glass until the canvas
// is painted, a click on the canvas until the preview is painted in the picked colour, one step
// of dragging a channel slider until the preview is painted, the favourites menu built from 0,
// 1,000 and 10,000 favourites, and one of 10,000 recalled.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/QtServices.h"
#include "core/controls/ucSlider.h"
#include "core/favorites/FavoriteRecord.h"
#include "qt/QtWindowSystem.h"
#include "ui/controls/ImageBox.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/QtInputEnvironment.h"
#include "ui/controls/TextBox.h"
#include "ui/favorites/FavoritesMenu.h"
#include "ui/main/frmMain.h"

namespace {

vitrel::frmMain* g_form = nullptr;
std::filesystem::path g_folder;

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
        // Through the window, as the X server's click arrives: the canvas frame hands it on.
        QTest::mouseClick(g_form->windowHandle(), Qt::LeftButton, {},
                          g_form->Image1->mapTo(g_form, QPoint(x, 63 - x)));
        g_form->pctPlt->repaint();
    }
}
BENCHMARK(ClickToPreview)->Unit(benchmark::kMicrosecond);

// One mouse move of a thumb drag on the green slider: the trackbar's mouse message and its
// scroll notification through the subclassed windows, the box and the preview updated, the
// preview repainted.
void DragStepToPreview(benchmark::State& state) {
    g_form->SetCurrentColor(0, 0, 0);  // the thumb at the left end, where every run starts
    auto& system = dynamic_cast<vitrel::QtWindowSystem&>(*vitrel::CurrentWindowSystem());
    auto* track = qobject_cast<QSlider*>(system.WidgetOf(g_form->Slider2->Trackbar()));
    const QPoint thumb(5, track->height() / 2);
    QTest::mousePress(track, Qt::LeftButton, {}, thumb);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 2;
        QTest::mouseMove(track, thumb + QPoint(40 + 60 * step, 0));
        if (state.range(0) != 0) {
            g_form->pctPlt->repaint();
        }
    }
    QTest::mouseRelease(track, Qt::LeftButton, {}, thumb);
    if (g_form->Slider2->Value() == 0 || g_form->txtG->text().toInt() != g_form->Slider2->Value()) {
        state.SkipWithError("the drag did not reach the channel");
    }
}
BENCHMARK(DragStepToPreview)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Fills the favourites folder with `count` records (no pictures: they are read only on a recall).
void FillFavorites(const std::filesystem::path& folder, int count) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::vector<std::byte> record = vitrel::WriteFavoriteRecord(u"お気に入り", u"'Red'");
    for (int i = 0; i < count; ++i) {
        std::ofstream(folder / (std::to_string(20240101000000LL + i) + ".dat"), std::ios::binary)
            .write(reinterpret_cast<const char*>(record.data()),
                   static_cast<std::streamsize>(record.size()));
    }
}

// What start-up adds after the first frame: listing and reading every favourite into the menu.
void BuildFavoritesMenu(benchmark::State& state) {
    FillFavorites(g_folder, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        g_form->favorites()->RebuildFavoritesMenu();
    }
}
BENCHMARK(BuildFavoritesMenu)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The first opening of the menu afterwards, which reads every name and fills the menu.
void FirstOpeningOfTheMenu(benchmark::State& state) {
    FillFavorites(g_folder, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        g_form->favorites()->RebuildFavoritesMenu();
        g_form->favorites()->mnuFav_Click();
    }
}
BENCHMARK(FirstOpeningOfTheMenu)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void RecallOneOf10000(benchmark::State& state) {
    FillFavorites(g_folder, 10000);
    g_form->favorites()->RebuildFavoritesMenu();
    for (auto _ : state) {
        g_form->favorites()->mnuFavItem_Click(5000);
        g_form->pctPlt->repaint();
    }
}
BENCHMARK(RecallOneOf10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir home;  // the run's own settings, never the user's
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    vitrel::QtServices platform(
        [&home] { return std::filesystem::path(home.filePath("Favorites").toStdU16String()); });
    vitrel::AppServices& services = platform.services;
    vitrel::QtInputEnvironment input(platform.clipboard);
    vitrel::frmMain form(services, input);
    form.Form_Load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    QApplication::processEvents();
    g_form = &form;
    g_folder = home.filePath("Favorites").toStdU16String();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
