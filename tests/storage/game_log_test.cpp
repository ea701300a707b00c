// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/game_log.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "storage/storage_error.h"
#include "temp_folder.h"

namespace {

// The table of the worked example: seat 2 to play, hearts to follow, a seven of hearts on top.
Engine ExampleEngine() {
    Engine engine;
    engine.SetDefaultNames();
    engine.CurrentPlayer = 2;
    engine.Direction = 1;
    engine.ActiveSuit = 2;
    engine.StockPos = 40;
    engine.StockPile[40] = 57;
    engine.DiscardTop = 3;
    engine.DiscardPile[3] = 33;
    Hand& hand = engine.Hands[2];
    hand.count = 3;
    hand.slot[1] = 1;
    hand.slot[2] = 105;
    hand.slot[3] = 24;
    return engine;
}

std::string HiddenWord() {
    std::string word;
    for (const int code : {0x5A, 0x69, 0x6E, 0x6B})
        word.push_back(static_cast<char>(code));
    return word;
}

} // namespace

TEST(GameLogText, CardNames) {
    EXPECT_EQ(GameLog::CardName(1), "Ace:Dia:");
    EXPECT_EQ(GameLog::CardName(2), "2:Dia:");
    EXPECT_EQ(GameLog::CardName(49), "10:Spd:");
    EXPECT_EQ(GameLog::CardName(24), "J:Clb:");
    EXPECT_EQ(GameLog::CardName(38), "Q:Hrt:");
    EXPECT_EQ(GameLog::CardName(104), "K:Spd:");
    EXPECT_EQ(GameLog::CardName(53), "Ace:Dia:");
    for (int joker = 105; joker <= 108; ++joker)
        EXPECT_EQ(GameLog::CardName(joker), "Jokr");
    EXPECT_EQ(GameLog::CardName(0), ":n/a:");
    EXPECT_EQ(GameLog::CardName(109), ":n/a:");
    EXPECT_EQ(GameLog::CardName(-3), ":n/a:");
}

TEST(GameLogText, ExampleLine) {
    EXPECT_EQ(GameLog::LogLine(ExampleEngine(), "player played this card "),
              "player played this card  Player:Raduz, Dir:1, Suit:2 SP=57, Discard=7:Hrt:,  C#= 3, "
              "Ace:Dia:, Jokr, J:Clb:, ");
}

TEST(GameLogText, ListsOnlySlotsOneToTwentyOneAndSkipsGaps) {
    Engine engine = ExampleEngine();
    engine.Direction = -1;
    Hand& hand = engine.Hands[2];
    hand = Hand{};
    hand.count = 30; // the count is printed as it is, whatever the slots hold
    hand.slot[2] = 1;
    hand.slot[5] = -4;
    hand.slot[21] = 2;
    hand.slot[22] = 3;
    EXPECT_EQ(GameLog::LogLine(engine, "x"),
              "x Player:Raduz, Dir:-1, Suit:2 SP=57, Discard=7:Hrt:,  C#= 30, Ace:Dia:, 2:Dia:, ");
}

TEST(GameLogText, TableBeforeTheFirstDealOrOutOfRange) {
    Engine engine;
    EXPECT_EQ(GameLog::LogLine(engine, "t"),
              "t Player:, Dir:0, Suit:0 SP=0, Discard=:n/a:,  C#= 0, ");
    engine.CurrentPlayer = 99;
    engine.StockPos = 500;
    engine.DiscardTop = -2;
    EXPECT_EQ(GameLog::LogLine(engine, "t"),
              "t Player:, Dir:0, Suit:0 SP=0, Discard=:n/a:,  C#= 0, ");
}

TEST(GameLogFile, WritesFlushedCrLfLinesOnlyWhenEnabled) {
    TempFolder folder;
    WriteBytes("Log.txt", "old run");
    Engine engine = ExampleEngine();
    GameLog log;
    log.StartLog(engine); // not enabled: an earlier log stays as it was
    log.LogState(engine, "a ");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(ReadBytes("Log.txt"), "old run");

    engine.LogEnabled = true;
    log.StartLog(engine);
    ASSERT_TRUE(log.IsOpen());
    EXPECT_EQ(ReadBytes("Log.txt"), "");
    log.LogState(engine, " #2");
    log.LogState(engine, " #3");
    // Each line reaches the file at once, before the log is closed.
    const std::string line2 = GameLog::LogLine(engine, " #2") + "\r\n";
    const std::string line3 = GameLog::LogLine(engine, " #3") + "\r\n";
    EXPECT_EQ(ReadBytes("Log.txt"), line2 + line3);
    engine.LogEnabled = false;
    log.LogState(engine, "ignored");
    log.CloseLog(engine);
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(ReadBytes("Log.txt"), line2 + line3);
}

TEST(GameLogFile, LogThatCannotBeCreatedStaysSilent) {
    TempFolder folder;
    std::filesystem::create_directory("Log.txt");
    Engine engine = ExampleEngine();
    engine.LogEnabled = true;
    GameLog log;
    log.StartLog(engine);
    EXPECT_FALSE(log.IsOpen());
    EXPECT_NO_THROW(log.LogState(engine, "x"));
    EXPECT_NO_THROW(log.CloseLog(engine));
}

TEST(GameLogFile, WriteFailureThrowsDiskFull) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    TempFolder folder;
    std::filesystem::create_symlink("/dev/full", "Log.txt");
    Engine engine = ExampleEngine();
    engine.LogEnabled = true;
    GameLog log;
    log.StartLog(engine);
    ASSERT_TRUE(log.IsOpen());
    try {
        log.LogState(engine, "x");
        FAIL() << "no error raised";
    } catch (const StorageError& error) {
        EXPECT_STREQ(error.what(), "Disk full");
    }
    EXPECT_NO_THROW(log.CloseLog(engine));
}

TEST(GameLogWord, ExactMatchOnly) {
    const std::string word = HiddenWord();
    EXPECT_TRUE(IsLogWord(word));
    std::string upper = word;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_FALSE(IsLogWord(upper));
    EXPECT_FALSE(IsLogWord(word + " "));
    EXPECT_FALSE(IsLogWord(word.substr(0, 3)));
    EXPECT_FALSE(IsLogWord(""));
    EXPECT_FALSE(IsLogWord("Dezev"));
}
