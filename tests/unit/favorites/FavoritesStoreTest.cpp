// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/favorites/FavoritesStore.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <set>
#include <tuple>

#include "core/favorites/StdFileOperations.h"

namespace vitrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using Bytes = std::vector<std::byte>;

Bytes Of(std::initializer_list<unsigned char> values) {
    const auto bytes = std::as_bytes(std::span(values.begin(), values.size()));
    return {bytes.begin(), bytes.end()};
}

TEST(FavoriteRecordTest, WritesTwoCountedStringsAndReadsWhatADamagedRecordHolds) {
    const std::tuple<Bytes, std::u16string, std::u16string> cases[] = {
        {Of({1,   0, 0,   0, 'A', 0, 13,  0, 0,   0, '#', 0,
             'F', 0, 'F', 0, '0', 0, '0', 0, '0', 0, '0', 0}),
         u"A", u"#FF0000"},
        {Of({1, 0, 0}), u"", u""},                                        // count cut short
        {Of({5, 0, 0, 0, 'A', 0, 'B'}), u"A", u""},                       // count past the end
        {Of({0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 'C', 0}), u"", u"C"},    // -1: empty
        {Of({0, 0, 0, 0x80, 1, 0, 0, 0, 'C', 0}), u"", u"C"},             // most negative
        {Of({0xFF, 0xFF, 0xFF, 0x7F, 'A', 0}), u"A", u""},                // largest count
        {Of({2, 0, 0, 0, 'A', 0, 'B', 1, 0, 0, 0, 'C', 0}), u"A", u"C"},  // odd byte count
    };
    EXPECT_EQ(WriteFavoriteRecord(u"A", u"#FF0000"), std::get<0>(cases[0]));
    for (const auto& [bytes, name, colorText] : cases) {
        const FavoriteRecord read = ReadFavoriteRecord(bytes);
        EXPECT_EQ(std::tie(read.name, read.colorText), std::tie(name, colorText));
    }
}

/// The real files, with a look at the folder after every change: all that a program which
/// died at some moment can leave behind. Counts the bytes read.
struct WatchedFiles : StdFileOperations {
    using Std = StdFileOperations;
    CreatedFile CreateTemporary(const fs::path& folder, std::span<const std::byte> b) override {
        const CreatedFile created = Std::CreateTemporary(folder, b);
        return look(), created;
    }
    std::error_code LinkNew(const fs::path& from, const fs::path& to) override {
        return Look(Std::LinkNew(from, to));
    }
    std::error_code Replace(const fs::path& from, const fs::path& to) override {
        return Look(Std::Replace(from, to));
    }
    std::error_code Remove(const fs::path& file) override { return Look(Std::Remove(file)); }
    std::optional<Bytes> ReadAt(const fs::path& file, std::uint64_t at, std::size_t n) override {
        auto bytes = Std::ReadAt(file, at, n);
        read += bytes ? bytes->size() : 0;
        return bytes;
    }
    std::error_code Look(std::error_code result) { return look(), result; }
    std::function<void()> look = [] {};
    std::size_t read = 0;
};

class FavoritesStoreTest : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(dir); }

    const fs::path dir = fs::temp_directory_path() / ("vitrel-fav-" + std::to_string(::getpid()));
    const fs::path folder = dir / "bin" / "Favorites";
    const Bytes picture = Of({'B', 'M', 1});
    const local_seconds newYearsEve = local_days{2023y / 12 / 31} + 23h + 59min + 59s;
    WatchedFiles files;
    FavoritesStore store{files, folder};
};

TEST_F(FavoritesStoreTest, ListsRecordsLargestFirstByCodeUnit) {
    EXPECT_EQ(store.ListFavoriteFiles(), FavFiles{u""});
    for (const char* name : {"B.dat", "a.dat", "\uFF41.dat", "\U0001F600.dat", "\xFF.dat",
                             "20231231235959.dat", "c.dat.tmp", "d.bmp"}) {
        std::ofstream(folder / name) << "x";
    }
    fs::create_directory(folder / "e.dat");
    const FavFiles listed = store.ListFavoriteFiles();
    EXPECT_EQ(listed, (FavFiles{u"\uFF41.dat", u"\U0001F600.dat", u"a.dat", u"B.dat",
                                u"20231231235959.dat", u""}));
    EXPECT_EQ(FileOfPosition(listed, 2) + FileOfPosition(listed, 6), u"B.dat");
}

TEST_F(FavoritesStoreTest, FallsBackToTheUserFolderAndReportsAFailedSave) {
    EXPECT_EQ(ChooseFavoritesFolder(files, folder.parent_path(), dir), folder);
    fs::remove(folder);
    std::ofstream(folder) << "x";  // a file where the folder should be
    EXPECT_EQ(ChooseFavoritesFolder(files, folder.parent_path(), dir), dir / "VITRELLE/Favorites");
    EXPECT_TRUE(store.Create(u"n", u"red", picture, newYearsEve).error);
}

TEST_F(FavoritesStoreTest, AtEveryMomentOfAChangeTheFolderHoldsTheOldOrTheNewFavouriteWhole) {
    using State = std::vector<std::pair<FavoriteRecord, Bytes>>;
    const auto listed = [&](State state = {}) {
        for (const std::u16string& file : store.ListFavoriteFiles()) {
            if (const fs::path record = store.RecordPath(file); !file.empty()) {
                state.emplace_back(store.Read(record).value(), store.ReadPicture(record));
            }
        }
        return state;
    };
    const fs::path record = store.Create(u"赤い 花&空", u"red", picture, newYearsEve).record;
    const State::value_type added{{u"new", u"blue"}, Of({7})};
    State before = listed();
    const auto change = [&](const std::function<void()>& make, const State& after) {
        files.look = [&, after] { EXPECT_TRUE(listed() == before || listed() == after); };
        make();
        EXPECT_TRUE((before = listed()) == after);
    };
    change([&] { (void)store.Create(u"new", u"blue", Of({7}), newYearsEve); },
           {added, {{u"赤い 花&空", u"red"}, picture}});
    change([&] { store.Rename(record, *store.Identify(record), u"renamed", u"red"); },
           {added, {{u"renamed", u"red"}, picture}});
    change([&] { store.DeleteFavorite(record, *store.Identify(record)); }, {added});
    // Saved in the same second as the old one, the new favourite took the next one.
    EXPECT_EQ(FileOfPosition(store.ListFavoriteFiles(), 1), u"20240101000000.dat");
}

TEST_F(FavoritesStoreTest, ReadsOnlyWhatTheCountsNameUpToTheirCeilingsAndNoHugePicture) {
    const fs::path record =
        store.Create(std::u16string(3000, u'名'), u"red", {}, newYearsEve).record;
    // Gigabytes after the record (a file may be longer) and a picture too large to be ours.
    fs::resize_file(record, std::uint64_t{1} << 30);
    fs::resize_file(FavoritesStore::PicturePath(record), MaxPictureBytes + 1);
    files.read = 0;
    EXPECT_EQ(store.Read(record),
              (FavoriteRecord{std::u16string(MaxNameBytes / 2, u'名'), u"red"}));
    EXPECT_TRUE(store.ReadPicture(record).empty());
    EXPECT_EQ(files.read, 4 + MaxNameBytes + 4 + 6);
    EXPECT_EQ(ShownName(std::u16string(63, u'x') + u"\U0001F600"), std::u16string(63, u'x') + u"…");
}

TEST_F(FavoritesStoreTest, NeverWritesThroughALinkAndCleansUpOnlyItsOwnOldLeftovers) {
    ASSERT_EQ(ChooseFavoritesFolder(files, folder.parent_path(), dir), folder);
    std::ofstream(dir / "victim") << "keep";
    // Links under every name a save of earlier versions or of this second could write.
    for (const char* name : {".write-test.tmp", "20231231235959.dat.tmp", "20231231235959.bmp",
                             "20240101000000.dat"}) {
        fs::create_symlink(dir / "victim", folder / name);
    }
    const fs::path saved = store.Create(u"n", u"red", picture, newYearsEve).record;
    EXPECT_EQ(saved.filename(), "20240101000001.dat");
    EXPECT_FALSE(store.Rename(saved, *store.Identify(saved), u"m", u"red"));
    EXPECT_EQ(fs::file_size(dir / "victim"), 4U);
    // Old leftovers of a stopped save go; young ones, other files and links stay.
    for (const char* name : {".1.vitrel.tmp", "20200101000000.bmp", "notes.txt", ".2.vitrel.tmp"}) {
        std::ofstream(folder / name) << "x";
    }
    for (const fs::path& old : {folder / ".1.vitrel.tmp", folder / "20200101000000.bmp",
                                folder / "notes.txt", FavoritesStore::PicturePath(saved)}) {
        fs::last_write_time(old, fs::file_time_type::clock::now() - 2 * LeftoverAge);
    }
    (void)store.ListFavoriteFiles();
    for (const auto& [name, kept] : {std::pair{".1.vitrel.tmp", false},
                                     {"20200101000000.bmp", false},
                                     {"notes.txt", true},
                                     {".2.vitrel.tmp", true},
                                     {"20240101000001.bmp", true},
                                     {".write-test.tmp", true}}) {
        EXPECT_EQ(fs::exists(fs::symlink_status(folder / name)), kept) << name;
    }
}

TEST_F(FavoritesStoreTest, ProcessesSavingInTheSameSecondKeepEveryFavouriteWithItsOwnPicture) {
    ASSERT_FALSE(files.CreateFolder(folder));
    for (int process = 0; process < 4; ++process) {
        if (::fork() == 0) {  // four programs, each saving 25 favourites in one second
            StdFileOperations own;
            FavoritesStore theirs(own, folder);
            bool saved = true;
            for (int i = 0; i < 25; ++i) {
                const std::string tag = std::to_string(process * 100 + i);
                const std::u16string text(tag.begin(), tag.end());
                saved &=
                    !theirs.Create(text, u"", std::as_bytes(std::span(tag)), newYearsEve).error;
            }
            ::_exit(saved ? 0 : 1);
        }
    }
    for (int status = 0; ::wait(&status) > 0;) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    std::set<std::u16string> names;
    for (const std::u16string& file : store.ListFavoriteFiles()) {
        if (const fs::path record = store.RecordPath(file); !file.empty()) {
            const Bytes picture = store.ReadPicture(record);
            const std::u16string name = store.Read(record)->name;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(picture.data()), picture.size()),
                      std::string(name.begin(), name.end()));
            names.insert(name);
        }
    }
    EXPECT_EQ(names.size(), 100U);
}

}  // namespace
}  // namespace vitrel
