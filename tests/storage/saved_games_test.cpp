// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_games.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fault_tools.h"
#include "storage/storage_error.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

Engine GameInProgress() {
    Engine engine;
    engine.SetDefaultNames();
    engine.PlayerCount = 4;
    engine.RoundNo = 4;
    engine.PlayUntil = 250;
    engine.CardDesign = 3;
    engine.DealSize = 7;
    engine.LeadSeat = 2;
    engine.SlowDeal = true;
    engine.SortByPoints = false;
    engine.ProgressiveTwos = true;
    for (int seat = 1; seat <= 5; ++seat) {
        for (int round = 1; round <= 3; ++round)
            engine.ScoreTable[seat][round] = seat * 10 + round;
        engine.ScoreTable[seat][11] = seat * 30 + 6;
    }
    engine.PlayerNames[2] = "J\xC3\xB6rg";
    return engine;
}

// The same game laid out byte by byte.
std::vector<uint8_t> GameInProgressBytes() {
    std::vector<uint8_t> bytes(376, 0);
    SetLe32(bytes, 0, 4);
    SetLe32(bytes, 4, 4);
    SetLe32(bytes, 8, 250);
    SetLe32(bytes, 12, 3);
    SetLe32(bytes, 16, 7);
    SetLe32(bytes, 20, 2);
    bytes[24] = 1;
    bytes[26] = 1;
    for (int seat = 1; seat <= 5; ++seat) {
        const size_t row = 28 + 44 * (seat - 1);
        for (int round = 1; round <= 3; ++round)
            SetLe32(bytes, row + 4 * (round - 1), seat * 10 + round);
        SetLe32(bytes, row + 40, seat * 30 + 6);
    }
    const std::vector<std::string> names = {"You", "J\xC3\xB6rg", "Vur", "Dad", "Dezev", ""};
    for (size_t i = 0; i < names.size(); ++i)
        SetSlot(bytes, 248 + 21 * i, names[i]);
    return bytes;
}

std::string AsText(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

bool LoadsAs(const std::vector<uint8_t>& bytes) {
    WriteBytes("Save/probe.sav", bytes);
    Engine engine;
    return ReadSaveFile(engine, "probe", ".sav");
}

} // namespace

TEST(SaveName, CheckAndCut) {
    EXPECT_EQ(SaveNameFromText("Game 2 of 3"), "Game 2 of 3");
    EXPECT_EQ(SaveNameFromText("zeta"), "zeta");
    EXPECT_EQ(SaveNameFromText("ABCDEFGHIJKLMNOPQRSTUVWXY"), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(SaveNameFromText("ABCDEFGHIJKLMNOPQRS\xC3\xA9"), "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(SaveNameFromText("K\xC3\xA4se"), "K\xC3\xA4se");
    for (const std::string& refused : std::vector<std::string>{
             "", "1st", " lead", "\xC3\x84pfel", "../up", "a/b", "a\\b", "a:b", "a*", "a?", "a\"b",
             "a<b", "a>b", "a|b", "a\tb", "a\x7F", "a\nb"}) {
        EXPECT_EQ(SaveNameFromText(refused), "") << refused;
    }
    // The cut comes first: a separator past the 20th byte is not part of the name.
    EXPECT_EQ(SaveNameFromText("ABCDEFGHIJKLMNOPQRST/x"), "ABCDEFGHIJKLMNOPQRST");
}

TEST(SaveName, FileNamesAndExtensions) {
    EXPECT_EQ(SaveFolderFileName("ABCDEFGHIJKLMNOPQRSTUVWXY", ".saved"),
              "Save/ABCDEFGHIJKLMNOPQRST.sav");
    EXPECT_EQ(StripExtension("game.sav"), "game");
    EXPECT_EQ(StripExtension("my.game.sav"), "my");
    EXPECT_EQ(StripExtension("plain"), "plain");
}

TEST(SavedGameFile, WritesTheRecordByteForByte) {
    TempFolder folder;
    fs::create_directory("Save");
    Engine engine = GameInProgress();
    engine.SaveName = "Friday";
    ASSERT_TRUE(SaveGame(engine));
    EXPECT_EQ(ReadBytes("Save/Friday.sav"), AsText(GameInProgressBytes()));
    EXPECT_FALSE(fs::exists("Save/Friday.sav.tmp"));
    EXPECT_EQ(SavedRound(engine), 4);
}

TEST(SavedGameFile, ReadsAHandBuiltRecordBack) {
    TempFolder folder;
    WriteBytes("Save/Friday.sav", GameInProgressBytes());
    Engine engine;
    engine.SetDefaultNames();
    engine.Hands[1].count = 5;
    engine.GameOver = true;
    ASSERT_TRUE(ReadSaveFile(engine, "Friday", ".sav"));
    EXPECT_EQ(SavedRound(engine), 4);
    RestoreGame(engine);
    const Engine expected = GameInProgress();
    EXPECT_EQ(engine.PlayerCount, 4);
    EXPECT_EQ(engine.RoundNo, 4);
    EXPECT_EQ(engine.PlayUntil, 250);
    EXPECT_EQ(engine.CardDesign, 3);
    EXPECT_EQ(engine.DealSize, 7);
    EXPECT_EQ(engine.LeadSeat, 2);
    EXPECT_TRUE(engine.SlowDeal);
    EXPECT_FALSE(engine.SortByPoints);
    EXPECT_TRUE(engine.ProgressiveTwos);
    EXPECT_EQ(engine.ScoreTable, expected.ScoreTable);
    EXPECT_EQ(engine.PlayerNames, expected.PlayerNames);
    // Cards and turn state are not part of a saved game.
    EXPECT_EQ(engine.Hands[1].count, 5);
    EXPECT_TRUE(engine.GameOver);
}

TEST(SavedGameFile, HighscoresIsSavedAsHigh1) {
    TempFolder folder;
    fs::create_directory("Save");
    Engine engine = GameInProgress();
    engine.SaveName = "highscores";
    ASSERT_TRUE(SaveGame(engine));
    EXPECT_EQ(engine.SaveName, "high1");
    EXPECT_TRUE(fs::exists("Save/high1.sav"));
    EXPECT_FALSE(fs::exists("Save/highscores.sav"));
    engine.SaveName = "Highscores"; // only the exact spelling is renamed
    ASSERT_TRUE(SaveGame(engine));
    EXPECT_TRUE(fs::exists("Save/Highscores.sav"));
}

TEST(SavedGameFile, RefusedNamesNeverReachTheDisk) {
    TempFolder folder;
    fs::create_directory("Save");
    Engine engine = GameInProgress();
    for (const char* name : {"../escape", "", "9lives", "a/b"}) {
        engine.SaveName = name;
        EXPECT_FALSE(SaveGame(engine)) << name;
        EXPECT_FALSE(ReadSaveFile(engine, name, ".sav")) << name;
    }
    EXPECT_TRUE(fs::is_empty("Save"));
    EXPECT_FALSE(fs::exists("escape.sav"));
}

TEST(SavedGameFile, WholeRecordsOnlyAndTheLastWins) {
    TempFolder folder;
    Engine engine;
    EXPECT_FALSE(ReadSaveFile(engine, "missing", ".sav"));

    std::vector<uint8_t> first = GameInProgressBytes();
    std::vector<uint8_t> second = GameInProgressBytes();
    SetLe32(second, 4, 7);
    EXPECT_FALSE(LoadsAs(std::vector<uint8_t>(first.begin(), first.end() - 1)));
    EXPECT_FALSE(LoadsAs({}));

    std::vector<uint8_t> two = first;
    two.insert(two.end(), second.begin(), second.end());
    WriteBytes("Save/two.sav", two);
    ASSERT_TRUE(ReadSaveFile(engine, "two", ".sav"));
    EXPECT_EQ(SavedRound(engine), 7);

    // A partial record after a whole one is ignored and does not spoil it.
    std::vector<uint8_t> trailing = first;
    trailing.insert(trailing.end(), second.begin(), second.begin() + 100);
    WriteBytes("Save/trail.sav", trailing);
    ASSERT_TRUE(ReadSaveFile(engine, "trail", ".sav"));
    EXPECT_EQ(SavedRound(engine), 4);
    EXPECT_EQ(std::vector<uint8_t>(engine.SaveRecord.begin(), engine.SaveRecord.end()), first);

    // Loading a folder that carries the name is a missing file, not an error.
    fs::create_directories("Save/folder.sav");
    EXPECT_FALSE(ReadSaveFile(engine, "folder", ".sav"));
}

TEST(SavedGameFile, RecordsOutsideTheWrittenRangesAreRefused) {
    TempFolder folder;
    ASSERT_TRUE(LoadsAs(GameInProgressBytes()));
    const std::vector<std::pair<size_t, int32_t>> hostile = {
        {0, 2},   {0, 6},   {0, -1},     {4, 0},    {4, 11},      {20, 5},
        {20, -1}, {8, 150}, {8, 0},      {12, 10},  {12, -1},     {16, 10},
        {16, -7}, {28, -1}, {28, 10000}, {240, -5}, {244, 10000}, {28 + 44 * 4 + 40, 0x7FFFFFFF}};
    for (const auto& [offset, value] : hostile) {
        std::vector<uint8_t> bytes = GameInProgressBytes();
        SetLe32(bytes, offset, static_cast<uint32_t>(value));
        EXPECT_FALSE(LoadsAs(bytes)) << "offset " << offset << " value " << value;
    }
    // Edges of the ranges still load, and any non-zero flag byte means on.
    std::vector<uint8_t> edges = GameInProgressBytes();
    SetLe32(edges, 0, 5);
    SetLe32(edges, 20, 5);
    SetLe32(edges, 4, 10);
    SetLe32(edges, 8, 400);
    SetLe32(edges, 12, 0);
    SetLe32(edges, 16, 9);
    SetLe32(edges, 28, 9999);
    edges[25] = 0xFF;
    WriteBytes("Save/edges.sav", edges);
    Engine engine;
    ASSERT_TRUE(ReadSaveFile(engine, "edges", ".sav"));
    RestoreGame(engine);
    EXPECT_TRUE(engine.SortByPoints);
    EXPECT_EQ(engine.ScoreTable[1][1], 9999);
    EXPECT_EQ(engine.PlayUntil, 400);
}

TEST(SavedGameFile, HostileNamesAreClampedAndCleaned) {
    TempFolder folder;
    std::vector<uint8_t> bytes = GameInProgressBytes();
    // Seat 1: a length byte of 255 with 20 letters behind it.
    bytes[248] = 255;
    for (int i = 1; i <= 20; ++i)
        bytes[248 + i] = 'A' + i - 1;
    // Seat 2: a comma and a control character that would break the settings line.
    SetSlot(bytes, 248 + 21, std::string("x,y\x01z"));
    // Seat 3: a two-byte character broken by the end of the slot.
    bytes[248 + 42] = 20;
    for (int i = 1; i <= 19; ++i)
        bytes[248 + 42 + i] = 'b';
    bytes[248 + 42 + 20] = 0xC3;
    WriteBytes("Save/names.sav", bytes);
    Engine engine;
    ASSERT_TRUE(ReadSaveFile(engine, "names", ".sav"));
    RestoreGame(engine);
    EXPECT_EQ(engine.PlayerNames[1], "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(engine.PlayerNames[2], "x y z");
    EXPECT_EQ(engine.PlayerNames[3], std::string(19, 'b'));
}

TEST(SavedGameFile, BrokenNameBytesSurviveAnyNumberOfSavesUnchanged) {
    TempFolder folder;
    std::vector<uint8_t> bytes = GameInProgressBytes();
    // "Y", a lead byte with no continuation, and a four-byte lead cut by the slot's length.
    SetSlot(bytes, 248, std::string("Y\xDD\xF1"));
    WriteBytes("Save/odd.sav", bytes);
    Engine engine;
    ASSERT_TRUE(ReadSaveFile(engine, "odd", ".sav"));
    RestoreGame(engine);
    EXPECT_EQ(engine.PlayerNames[1], "Y?");
    for (int pass = 0; pass < 3; ++pass) {
        engine.SaveName = "odd";
        ASSERT_TRUE(SaveGame(engine));
        Engine again;
        ASSERT_TRUE(ReadSaveFile(again, "odd", ".sav"));
        RestoreGame(again);
        EXPECT_EQ(again.PlayerNames[1], "Y?") << "pass " << pass;
        engine = again;
    }
}

TEST(SavedGameFile, FailedSaveKeepsTheEarlierFile) {
    TempFolder folder;
    WriteBytes("Save/Friday.sav", GameInProgressBytes());
    Engine engine = GameInProgress();
    engine.RoundNo = 6;
    engine.SaveName = "Friday";
    {
        FileSizeLimit fullDisk(100); // no room for a whole record
        try {
            SaveGame(engine);
            FAIL() << "no error raised";
        } catch (const StorageError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
        }
    }
    EXPECT_EQ(ReadBytes("Save/Friday.sav"), AsText(GameInProgressBytes()));
    EXPECT_EQ(std::distance(fs::directory_iterator("Save"), fs::directory_iterator()), 1);
    // The next save goes through.
    ASSERT_TRUE(SaveGame(engine));
    ASSERT_TRUE(ReadSaveFile(engine, "Friday", ".sav"));
    EXPECT_EQ(SavedRound(engine), 6);
}

TEST(SavedGameFile, SaveNeverWritesThroughALink) {
    TempFolder folder;
    fs::create_directory("Save");
    WriteBytes("elsewhere.sav", GameInProgressBytes());
    fs::create_symlink("/dev/full", "Save/Full.sav");
    fs::create_symlink("../elsewhere.sav", "Save/Linked.sav");
    fs::create_symlink("../outside", "Save/Planted.sav.tmp");
    Engine engine = GameInProgress();
    engine.RoundNo = 9;
    for (const char* name : {"Full", "Linked"}) {
        engine.SaveName = name;
        EXPECT_THROW(SaveGame(engine), StorageError) << name;
    }
    EXPECT_TRUE(fs::is_symlink("Save/Full.sav"));
    EXPECT_TRUE(fs::is_symlink("Save/Linked.sav"));
    EXPECT_EQ(ReadBytes("elsewhere.sav"), AsText(GameInProgressBytes()));
    // A link planted at the temporary name does not take the save outside the folder.
    engine.SaveName = "Planted";
    ASSERT_TRUE(SaveGame(engine));
    EXPECT_FALSE(fs::exists("outside"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("Save/Planted.sav")));
    ASSERT_TRUE(ReadSaveFile(engine, "Planted", ".sav"));
    EXPECT_EQ(SavedRound(engine), 9);
}

TEST(SavedGameFile, LoadingAndListingNeverChangeAFile) {
    TempFolder folder;
    HangGuard guard(20);
    fs::create_directories("Save/old");
    WriteBytes("Save/good.sav", GameInProgressBytes());
    WriteBytes("Save/short.sav", std::string(100, 'x'));
    std::vector<uint8_t> wild = GameInProgressBytes();
    SetLe32(wild, 0, 77); // seventy-seven players
    WriteBytes("Save/wild.sav", wild);
    ASSERT_TRUE(MakeFifo("Save/pipe.sav"));
    fs::create_directory("Save/folder.sav");
    auto snapshot = [] {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : fs::recursive_directory_iterator("Save"))
            files.emplace_back(entry.path().string(),
                               entry.is_regular_file() ? ReadBytes(entry.path().string()) : "");
        std::sort(files.begin(), files.end());
        return files;
    };
    const auto before = snapshot();
    EXPECT_EQ(FindSavedGames(""), (std::vector<std::string>{"good", "short", "wild"}));
    Engine engine;
    for (const char* name : {"good", "short", "wild", "pipe", "folder", "missing"}) {
        const bool loaded = ReadSaveFile(engine, name, ".sav");
        EXPECT_EQ(loaded, std::string(name) == "good") << name;
    }
    EXPECT_EQ(snapshot(), before);
}

TEST(SavedGameFile, UnwritableSaveFolderThrows) {
    TempFolder folder;
    WriteBytes("Save", "not a folder");
    Engine engine = GameInProgress();
    engine.SaveName = "Friday";
    EXPECT_THROW(SaveGame(engine), StorageError);
    EXPECT_EQ(ReadBytes("Save"), "not a folder");

    fs::remove("Save");
    if (!PermissionsAreEnforced())
        return; // running as root: a read-only folder is no barrier
    fs::create_directory("Save");
    fs::permissions("Save", fs::perms::owner_read | fs::perms::owner_exec);
    try {
        SaveGame(engine);
        FAIL() << "no error raised";
    } catch (const StorageError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
}

TEST(SavedGameList, SearchesBelowTheFolder) {
    TempFolder folder;
    WriteBytes("Save/b.sav", "");
    WriteBytes("Save/a.sav", "");
    WriteBytes("top.sav", "");
    WriteBytes("deep/er/my.game.sav", "");
    WriteBytes("deep/other.txt", "");
    WriteBytes("Save/c.sav.tmp", "");
    WriteBytes("Save/copy/a.sav", "");
    fs::create_directories("box.sav/inside");
    WriteBytes("box.sav/inside/found.sav", "");
    // A link back up the tree must not send the search round in circles.
    fs::create_directory_symlink("..", "deep/loop");
    fs::create_directory_symlink(fs::current_path(), "Save/self");
    EXPECT_EQ(FindSavedGames(""), (std::vector<std::string>{"a", "b", "found", "my.game", "top"}));
    EXPECT_EQ(FindSavedGames("Save"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(FindSavedGames("no such folder").empty());
}

TEST(SavedGameList, UnreadableFoldersAreSkipped) {
    TempFolder folder;
    WriteBytes("open/a.sav", "");
    WriteBytes("shut/b.sav", "");
    fs::permissions("shut", fs::perms::none);
    std::vector<std::string> found;
    EXPECT_NO_THROW(found = FindSavedGames(""));
    fs::permissions("shut", fs::perms::owner_all);
    EXPECT_NE(std::find(found.begin(), found.end(), "a"), found.end());
}
