// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random input thrown at the file readers: whatever a file holds, the game must come out
// with settings it can play with and a settings line it can read back the same way.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "storage/config.h"
#include "storage/game_log.h"
#include "storage/high_scores.h"
#include "storage/saved_games.h"
#include "temp_folder.h"

namespace {

std::string RandomLine(std::mt19937& random) {
    static const std::string kAlphabet = "0123456789,;,,abcXYZ \t\x01\xC3\xA9\x7F";
    std::uniform_int_distribution<int> length(0, 90);
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::string line;
    const int n = length(random);
    for (int i = 0; i < n; ++i)
        line.push_back(kAlphabet[pick(random)]);
    return line;
}

// A saved game with sensible numbers and random name bytes, often with one number gone wild.
std::vector<uint8_t> RandomSaveBytes(std::mt19937& random) {
    std::vector<uint8_t> bytes(376);
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(byte(random));
    auto set = [&](size_t at, int low, int high) {
        SetLe32(bytes, at, std::uniform_int_distribution<int>(low, high)(random));
    };
    set(0, 3, 5);
    set(4, 1, 10);
    SetLe32(bytes, 8, std::array<int, 6>{100, 200, 250, 300, 350, 400}[random() % 6]);
    set(12, 0, 9);
    set(16, 0, 9);
    set(20, 0, 3);
    for (size_t at = 28; at < 248; at += 4)
        set(at, 0, 9999);
    if (std::bernoulli_distribution(0.6)(random))
        SetLe32(bytes, 4 * (random() % 62), random());
    return bytes;
}

void ExpectPlayableSettings(const Engine& engine) {
    EXPECT_GE(engine.PlayerCount, 3);
    EXPECT_LE(engine.PlayerCount, 5);
    EXPECT_GE(engine.CardDesign, 0);
    EXPECT_LE(engine.CardDesign, 9);
    EXPECT_GE(engine.DealSize, 0);
    EXPECT_LE(engine.DealSize, 9);
    for (int seat = 1; seat <= 6; ++seat) {
        const std::string& name = engine.PlayerNames[seat];
        EXPECT_LE(name.size(), 20u);
        for (const char c : name) {
            EXPECT_NE(c, ',');
            EXPECT_GE(static_cast<unsigned char>(c), 0x20);
        }
    }
}

// The settings line keeps its fixed positions and reads back to the same engine values.
void ExpectLineRoundTrips(const Engine& engine) {
    const std::string line = BuildConfigLine(engine);
    for (int position = 2; position <= 14; position += 2)
        ASSERT_EQ(line[position - 1], ',');
    Engine reader;
    ParseConfigLine(reader, line);
    EXPECT_EQ(reader.PlayerCount, engine.PlayerCount);
    EXPECT_EQ(reader.PlayUntil, engine.PlayUntil);
    EXPECT_EQ(reader.CardDesign, engine.CardDesign);
    EXPECT_EQ(reader.DealSize, engine.DealSize);
    for (int seat = 1; seat <= 5; ++seat)
        EXPECT_EQ(reader.PlayerNames[seat], engine.PlayerNames[seat]);
}

} // namespace

TEST(StorageFuzz, RandomSettingsLinesLeaveAReadableConfiguration) {
    std::mt19937 random(1234);
    for (int round = 0; round < 3000; ++round) {
        Engine engine;
        engine.SetDefaultNames();
        for (int lines = 0; lines < 3; ++lines)
            ParseConfigLine(engine, RandomLine(random));
        ExpectPlayableSettings(engine);
        ExpectLineRoundTrips(engine);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST(StorageFuzz, RandomSavedGamesLoadOnlyWhenPlayable) {
    TempFolder folder;
    std::mt19937 random(99);
    std::uniform_int_distribution<int> extra(0, 500);
    int loaded = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> bytes = RandomSaveBytes(random);
        const int change = extra(random) - 250;
        if (change < -200)
            bytes.resize(376 + change); // too short for one record
        if (change > 0)
            bytes.resize(376 + change, 0xAB); // a partial second record
        WriteBytes("Save/fuzz.sav", bytes);
        Engine engine;
        engine.SetDefaultNames();
        if (!ReadSaveFile(engine, "fuzz", ".sav"))
            continue;
        ++loaded;
        RestoreGame(engine);
        ExpectPlayableSettings(engine);
        ExpectLineRoundTrips(engine);
        EXPECT_GE(engine.LeadSeat, 0);
        EXPECT_LE(engine.LeadSeat, engine.PlayerCount);
        const int leader = engine.FindLeader();
        EXPECT_GE(leader, 1);
        EXPECT_LE(leader, engine.PlayerCount);
        engine.CurrentPlayer = leader;
        EXPECT_FALSE(GameLog::LogLine(engine, "x").empty());
        if (HasFailure())
            FAIL() << "round " << round;
    }
    EXPECT_GT(loaded, 10); // the generator does reach the loading path
}

TEST(StorageFuzz, RandomHighScoreFilesNeverBreakTheUpdate) {
    TempFolder folder;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> size(0, 400);
    for (int round = 0; round < 150; ++round) {
        std::vector<uint8_t> bytes(size(random));
        for (auto& b : bytes)
            b = static_cast<uint8_t>(byte(random));
        WriteBytes("Save/highscores1.scx", bytes);
        Engine engine;
        engine.SetDefaultNames();
        LoadHighScoreFiles(engine);
        EXPECT_GE(engine.GamesPlayed, 0);
        EXPECT_GE(engine.GamesWon, 0);
        for (const auto& name : engine.HighScoreNames)
            EXPECT_LE(name.size(), 20u);
        engine.GameScore = byte(random) * 3;
        engine.FirstDealPending = true;
        CountFirstDeal(engine);
        UpdateHighScores(engine, true);
        Engine reread;
        LoadHighScoreFiles(reread);
        EXPECT_EQ(reread.GamesPlayed, engine.GamesPlayed);
        EXPECT_EQ(reread.GamesWon, engine.GamesWon);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}
