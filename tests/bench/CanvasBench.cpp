// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
//
// The main window on the X server of $DISPLAY: the favourites menu built from 0, 1,000 and
// 10,000 favourites, and one of 10,000 recalled. What a click, a drag or a snapshot costs is
// measured end to end, from the X server's event to its damage, by vitrel_input_bench.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/QtServices.h"
#include "core/favorites/FavoriteRecord.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/QtInputEnvironment.h"
#include "ui/favorites/FavoritesMenu.h"
#include "ui/main/frmMain.h"

namespace {

vitrel::frmMain* g_form = nullptr;
std::filesystem::path g_folder;

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
    g_form->favorites()->mnuFav_Click();  // the items are made when the menu first opens
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
