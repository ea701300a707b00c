// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/high_scores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "fault_tools.h"
#include "storage/rules_text.h"
#include "storage/storage.h"
#include "storage/storage_error.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFile = "Save/highscores1.scx";
constexpr const char* kOldFile = "Save/highscores.scx";

struct Row {
    int32_t score;
    std::string name;
};

std::vector<uint8_t> TableBytes(const std::vector<Row>& rows, int32_t played, int32_t won,
                                size_t size = 160) {
    std::vector<uint8_t> bytes(size, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        SetLe32(bytes, 4 * i, static_cast<uint32_t>(rows[i].score));
        SetSlot(bytes, 24 + 21 * i, rows[i].name);
    }
    if (size == 160) {
        SetLe32(bytes, 152, static_cast<uint32_t>(played));
        SetLe32(bytes, 156, static_cast<uint32_t>(won));
    }
    return bytes;
}

std::string Text(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

const std::vector<Row> kDashes(6, Row{0, "-"});

// A finished game in which the given seat has the lowest total.
Engine GameWonBy(int seat, int32_t gameScore) {
    Engine engine;
    engine.SetDefaultNames();
    engine.PlayerCount = 5;
    for (int s = 1; s <= 5; ++s)
        engine.ScoreTable[s][1] = s == seat ? 5 : 80;
    engine.GameScore = gameScore;
    return engine;
}

void LoadTable(Engine& engine, const std::vector<Row>& rows, int32_t played, int32_t won) {
    WriteBytes(kFile, TableBytes(rows, played, won));
    LoadHighScoreFiles(engine);
}

} // namespace

TEST(HighScoreFile, FirstRunWritesAFreshTable) {
    TempFolder folder;
    Engine engine;
    LoadHighScoreFiles(engine);
    EXPECT_TRUE(fs::is_directory("Save"));
    EXPECT_EQ(ReadBytes(kFile), Text(TableBytes(kDashes, 0, 0)));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(engine.HighScores[i], 0);
        EXPECT_EQ(engine.HighScoreNames[i], "-");
    }
    EXPECT_EQ(engine.GamesPlayed, 0);

    // The first deal counts the game, once.
    engine.SetDefaultNames();
    engine.FirstDealPending = true;
    CountFirstDeal(engine);
    CountFirstDeal(engine);
    EXPECT_EQ(engine.GamesPlayed, 1);
    EXPECT_FALSE(engine.FirstDealPending);
    EXPECT_EQ(ReadBytes(kFile), Text(TableBytes(kDashes, 1, 0)));
}

TEST(HighScoreFile, ReadsTheLastWholeRecord) {
    TempFolder folder;
    const std::vector<Row> first = {{9, "Old"}, {8, "a"}, {7, "b"}, {6, "c"}, {5, "d"}, {4, "e"}};
    const std::vector<Row> second = {{90, "Ann"}, {300, "Bo"}, {200, "Cy"},
                                     {150, "Di"}, {100, "Ed"}, {0, "-"}};
    std::vector<uint8_t> bytes = TableBytes(first, 3, 1);
    const std::vector<uint8_t> last = TableBytes(second, 1234, 56);
    bytes.insert(bytes.end(), last.begin(), last.end());
    bytes.insert(bytes.end(), 159, 0xEE); // a partial third record
    WriteBytes(kFile, bytes);
    Engine engine;
    LoadHighScoreFiles(engine);
    EXPECT_EQ(engine.GamesPlayed, 1234);
    EXPECT_EQ(engine.GamesWon, 56);
    EXPECT_EQ(engine.HighScores[0], 90);
    EXPECT_EQ(engine.HighScoreNames[0], "Ann");
    EXPECT_EQ(engine.HighScores[1], 300);
    EXPECT_EQ(engine.HighScoreNames[4], "Ed");
    // An existing table is read, not rewritten.
    EXPECT_EQ(ReadBytes(kFile), Text(bytes));
}

TEST(HighScoreFile, HostileCountersAndNames) {
    TempFolder folder;
    std::vector<uint8_t> bytes = TableBytes(kDashes, -7, std::numeric_limits<int32_t>::min());
    bytes[24] = 200; // name length far past the slot
    WriteBytes(kFile, bytes);
    Engine engine;
    LoadHighScoreFiles(engine);
    EXPECT_EQ(engine.GamesPlayed, 0);
    EXPECT_EQ(engine.GamesWon, 0);
    EXPECT_EQ(engine.HighScoreNames[0].size(), 20u);

    // A file too short for one record is no table: a fresh one replaces it.
    WriteBytes(kFile, std::string(100, 'x'));
    Engine fresh;
    LoadHighScoreFiles(fresh);
    EXPECT_EQ(ReadBytes(kFile), Text(TableBytes(kDashes, 0, 0)));
}

TEST(HighScoreFile, OlderFileIsTakenOverBeforeTheFirstCountedGame) {
    TempFolder folder;
    const std::vector<Row> old = {{120, "Me"}, {310, "Vur"},  {250, "Dad"},
                                  {90, "Me"},  {20, "Raduz"}, {10, "Dezev"}};
    WriteBytes(kOldFile, TableBytes(old, 0, 0, 152));
    Engine engine;
    LoadHighScoreFiles(engine);
    EXPECT_EQ(engine.HighScores[1], 310);
    EXPECT_EQ(engine.HighScoreNames[0], "Me");
    // The import reaches the file with the first deal's update, counters and all.
    engine.SetDefaultNames();
    engine.FirstDealPending = true;
    CountFirstDeal(engine);
    EXPECT_EQ(ReadBytes(kFile), Text(TableBytes(old, 1, 0)));

    // The next run has counted a game: the older file no longer overrides the table.
    Engine nextRun;
    std::vector<Row> won = old;
    won[0] = {400, "You"};
    LoadTable(nextRun, won, 1, 1);
    EXPECT_EQ(nextRun.HighScores[0], 400);
    EXPECT_EQ(nextRun.HighScoreNames[0], "You");

    // With nothing counted yet the import still happens (a run that never dealt).
    Engine unplayed;
    LoadTable(unplayed, kDashes, 0, 0);
    EXPECT_EQ(unplayed.HighScores[2], 250);
}

TEST(HighScoreUpdate, HumanWinTakesEntryZeroAndInsertsInTheFileOnly) {
    TempFolder folder;
    Engine engine = GameWonBy(1, 180);
    const std::vector<Row> table = {{150, "Best"}, {300, "A"}, {200, "B"},
                                    {150, "C"},    {100, "D"}, {0, "E"}};
    LoadTable(engine, table, 7, 2);
    UpdateHighScores(engine, true);
    const std::vector<Row> written = {{180, "You"}, {300, "A"}, {200, "B"},
                                      {180, "You"}, {150, "C"}, {100, "D"}};
    EXPECT_EQ(ReadBytes(kFile), Text(TableBytes(written, 7, 3)));
    EXPECT_EQ(engine.GamesWon, 3);
    EXPECT_EQ(engine.HighScores[0], 180);
    EXPECT_EQ(engine.HighScoreNames[0], "You");
    // The rows on screen keep their values until the next start-up.
    EXPECT_EQ(engine.HighScores[3], 150);
    EXPECT_EQ(engine.HighScoreNames[5], "E");
}

TEST(HighScoreUpdate, ComputerWinGoesBelowAnEqualScore) {
    TempFolder folder;
    Engine engine = GameWonBy(3, 200);
    const std::vector<Row> table = {{50, "Best"}, {300, "A"}, {200, "B"},
                                    {150, "C"},   {0, "-"},   {0, "-"}};
    LoadTable(engine, table, 4, 1);
    UpdateHighScores(engine, true);
    const std::vector<Row> written = {{50, "Best"}, {300, "A"}, {200, "B"},
                                      {200, "Vur"}, {150, "C"}, {0, "-"}};
    EXPECT_EQ(ReadBytes(kFile), Text(TableBytes(written, 4, 1)));
    EXPECT_EQ(engine.GamesWon, 1);
    EXPECT_EQ(engine.HighScores[0], 50);
}

TEST(HighScoreUpdate, WinsCountOnlyAtGameOverAndNeverOverflow) {
    TempFolder folder;
    // A loaded game the human leads does not count a win at its first deal.
    Engine engine = GameWonBy(1, 0);
    LoadTable(engine, kDashes, 5, 2);
    engine.FirstDealPending = true;
    CountFirstDeal(engine);
    EXPECT_EQ(engine.GamesWon, 2);
    EXPECT_EQ(engine.GamesPlayed, 6);

    // A lower human score than entry 0 leaves entry 0 alone but still counts the win.
    Engine low = GameWonBy(1, 30);
    LoadTable(low, {{90, "Top"}, {0, "-"}, {0, "-"}, {0, "-"}, {0, "-"}, {0, "-"}}, 1, 0);
    UpdateHighScores(low, true);
    EXPECT_EQ(low.HighScores[0], 90);
    EXPECT_EQ(low.GamesWon, 1);

    const int32_t top = std::numeric_limits<int32_t>::max();
    Engine full = GameWonBy(1, 10);
    LoadTable(full, kDashes, top, top);
    full.FirstDealPending = true;
    CountFirstDeal(full);
    UpdateHighScores(full, true);
    EXPECT_EQ(full.GamesPlayed, top);
    EXPECT_EQ(full.GamesWon, top);
    EXPECT_EQ(SaturatingIncrement(41), 42);
}

TEST(HighScoreFailures, StartUpSaysNothingAndHandlersThrow) {
    TempFolder folder;
    // "Save" cannot become a folder: the table lives in memory only.
    WriteBytes("Save", "a file");
    Engine engine;
    EXPECT_NO_THROW(LoadHighScoreFiles(engine));
    EXPECT_EQ(engine.HighScoreNames[5], "-");
    EXPECT_EQ(ReadBytes("Save"), "a file");
    // Later, inside a handler, the same failure is reported.
    engine.SetDefaultNames();
    EXPECT_THROW(UpdateHighScores(engine, true), StorageError);
}

TEST(HighScoreFailures, FailedWriteKeepsTheEarlierTable) {
    TempFolder folder;
    Engine engine = GameWonBy(1, 500);
    LoadTable(engine, kDashes, 3, 3);
    const std::string before = ReadBytes(kFile);
    {
        FileSizeLimit fullDisk(100);
        try {
            UpdateHighScores(engine, true);
            FAIL() << "no error raised";
        } catch (const StorageError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
        }
    }
    EXPECT_EQ(ReadBytes(kFile), before);
    EXPECT_EQ(std::distance(fs::directory_iterator("Save"), fs::directory_iterator()), 1);
}

// A table that is there but cannot be read (no permission, a pipe) is never replaced in that
// run: the defaults play on in memory and the player's counters survive for the next run.
TEST(HighScoreFailures, UnreadableTableIsNeverWrittenOver) {
    TempFolder folder;
    HangGuard guard(20);
    Engine seeded = GameWonBy(1, 10);
    LoadTable(seeded, kDashes, 42, 7);
    const std::string table = ReadBytes(kFile);
    OpenToEverybody(".");
    OpenToEverybody("Save");
    fs::permissions(kFile, fs::perms::none);
    {
        AsOrdinaryUser user;
        if (!user.PermissionsHold())
            GTEST_SKIP() << "cannot run as an ordinary user here";
        Engine engine = GameWonBy(1, 200);
        LoadHighScoreFiles(engine);
        EXPECT_EQ(engine.GamesPlayed, 0);
        EXPECT_EQ(engine.HighScoreNames[1], "-");
        engine.FirstDealPending = true;
        EXPECT_NO_THROW(CountFirstDeal(engine));
        EXPECT_NO_THROW(UpdateHighScores(engine, true));
        EXPECT_EQ(engine.GamesPlayed, 1);
    }
    fs::permissions(kFile, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadBytes(kFile), table);

    fs::rename(kFile, "Save/kept.scx");
    ASSERT_TRUE(MakeFifo(kFile));
    Engine piped = GameWonBy(1, 200);
    LoadHighScoreFiles(piped);
    piped.FirstDealPending = true;
    EXPECT_NO_THROW(CountFirstDeal(piped));
    EXPECT_TRUE(fs::is_fifo(kFile));
}

TEST(HighScoreFailures, MissingOrShortTableStartsAfreshAndLongOneKeepsItsLastRecord) {
    TempFolder folder;
    Engine seeded = GameWonBy(1, 10);
    LoadTable(seeded, kDashes, 42, 7);
    const std::string table = ReadBytes(kFile);
    // A file holding less than one record has nothing to keep: a fresh table replaces it.
    WriteBytes(kFile, table.substr(0, 100));
    Engine shortFile;
    LoadHighScoreFiles(shortFile);
    EXPECT_EQ(shortFile.GamesPlayed, 0);
    EXPECT_EQ(ReadBytes(kFile).size(), 160u);
    // Two records and a partial third: the second is the table.
    std::string second = table;
    second[152] = 43;
    WriteBytes(kFile, table + second + table.substr(0, 50));
    Engine longFile;
    LoadHighScoreFiles(longFile);
    EXPECT_EQ(longFile.GamesPlayed, 43);
    EXPECT_EQ(longFile.GamesWon, 7);
}

TEST(HighScoreText, ThousandsSeparators) {
    EXPECT_EQ(ShowGamesAndWinsText(0), "0");
    EXPECT_EQ(ShowGamesAndWinsText(999), "999");
    EXPECT_EQ(ShowGamesAndWinsText(1000), "1,000");
    EXPECT_EQ(ShowGamesAndWinsText(12345), "12,345");
    EXPECT_EQ(ShowGamesAndWinsText(123456), "123,456");
    EXPECT_EQ(ShowGamesAndWinsText(2147483647), "2,147,483,647");
    EXPECT_EQ(ShowGamesAndWinsText(-1234), "-1,234");
}

TEST(StorageStartUp, EngineStartUpReadsTheFiles) {
    TempFolder folder;
    WriteBytes("rules.txt", "Shed every card.\r\nLowest total wins.\r\n");
    Engine engine;
    engine.EngineStartUp(StorageStartUpFiles());
    EXPECT_EQ(engine.RulesLineCount, 2);
    EXPECT_EQ(GetRulesLine(engine, 2), "Lowest total wins.");
    EXPECT_TRUE(fs::exists(kFile));
    EXPECT_EQ(engine.HighScoreNames[0], "-");

    // A rules "file" that cannot be read does not stop the start-up.
    fs::remove("rules.txt");
    fs::create_directory("rules.txt");
    Engine other;
    EXPECT_NO_THROW(other.EngineStartUp(StorageStartUpFiles()));
    EXPECT_EQ(other.RulesLineCount, 0);
    EXPECT_EQ(other.PlayUntil, 300);
}
