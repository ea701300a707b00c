// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score files holding the input: read at start-up (the older file taken over while no
// game has been counted), the first deal counted, a game over written, and the counters shown.
//
// Input: byte 0 says which files exist (bit 0 "highscores1.scx", bit 1 the older
// "highscores.scx") and whether the first deal is counted (bit 2); byte 1 the player count
// (3 + b % 3); byte 2 the winner (1 + b % players); bytes 3..6 the game score (int32, little
// endian); bytes 7..8 how many of the bytes that follow are "highscores1.scx" (uint16); the
// rest is the older file.
#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "storage/high_scores.h"
#include "storage/record_codec.h"

namespace {

constexpr const char* kNewFile = "Save/highscores1.scx";
constexpr const char* kOldFile = "Save/highscores.scx";

struct Input {
    bool newFile = false;
    bool oldFile = false;
    bool countFirstDeal = false;
    int players = 3;
    int winner = 1;
    int32_t gameScore = 0;
    std::string newBytes;
    std::string oldBytes;
};

Input ReadInput(const uint8_t* data, size_t size) {
    InputReader reader(data, size);
    Input in;
    const uint8_t flags = reader.Byte();
    in.newFile = (flags & 1) != 0;
    in.oldFile = (flags & 2) != 0;
    in.countFirstDeal = (flags & 4) != 0;
    in.players = 3 + reader.Byte() % 3;
    in.winner = 1 + reader.Byte() % in.players;
    in.gameScore = reader.Int32();
    in.newBytes = reader.Bytes(reader.Uint16());
    in.oldBytes = reader.Rest();
    return in;
}

std::span<const uint8_t> AsBytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// The last whole record of a file's bytes, or none.
std::string LastRecord(const std::string& bytes, size_t recordSize) {
    if (bytes.size() < recordSize)
        return "";
    return bytes.substr((bytes.size() / recordSize - 1) * recordSize, recordSize);
}

// Commas between thousands: the digits of the number, in groups of three after a first group
// of one to three.
void CheckCounterText(int64_t n) {
    const std::string text = ShowGamesAndWinsText(n);
    std::string plain = std::to_string(n);
    const std::string sign = n < 0 ? "-" : "";
    plain.erase(0, sign.size());
    bool good = text.compare(0, sign.size(), sign) == 0;
    std::string digits;
    size_t group = 0;
    size_t groups = 0;
    for (size_t i = sign.size(); i <= text.size() && good; ++i) {
        if (i == text.size() || text[i] == ',') {
            good = group >= 1 && group <= 3 && (groups == 0 || group == 3);
            ++groups;
            group = 0;
        } else {
            good = text[i] >= '0' && text[i] <= '9';
            digits += text[i];
            ++group;
        }
    }
    FUZZ_CHECK(good && digits == plain,
               "counter " + std::to_string(n) + " shows as '" + text + "'");
}

void CheckTableInMemory(const Engine& e) {
    FUZZ_CHECK(e.GamesPlayed >= 0 && e.GamesWon >= 0,
               "counters " + std::to_string(e.GamesPlayed) + ", " + std::to_string(e.GamesWon));
    for (const std::string& name : e.HighScoreNames)
        FUZZ_CHECK(name.size() <= static_cast<size_t>(kNameLength),
                   "a high-score name of " + std::to_string(name.size()) + " bytes");
}

// Start-up: the counters come from the newer file's last record (never below zero); without
// one the table starts fresh. While no game has been counted the older file's table may be
// taken over.
void CheckStartUp(const Engine& e, const Input& in) {
    const std::string record = in.newFile ? LastRecord(in.newBytes, kHighScoreSize) : "";
    const auto bytes = AsBytes(record);
    const int32_t played = record.empty() ? 0 : std::max(GetInt32(bytes, 152), 0);
    const int32_t won = record.empty() ? 0 : std::max(GetInt32(bytes, 156), 0);
    FUZZ_CHECK(e.GamesPlayed == played && e.GamesWon == won,
               "start-up counted " + std::to_string(e.GamesPlayed) + " games and " +
                   std::to_string(e.GamesWon) + " wins");
    FUZZ_CHECK(!e.HighScoreFileKept || (!record.empty() && in.newFile),
               "a file that reads was kept from being written over");

    auto holds = [&e](const std::string& source) {
        for (int entry = 0; entry < 6; ++entry) {
            const bool same =
                source.empty()
                    ? e.HighScores[entry] == 0 && e.HighScoreNames[entry] == "-"
                    : e.HighScores[entry] == GetInt32(AsBytes(source), 4 * entry) &&
                          e.HighScoreNames[entry] == GetName(AsBytes(source), 24 + 21 * entry);
            if (!same)
                return false;
        }
        return true;
    };
    const std::string old = in.oldFile ? LastRecord(in.oldBytes, kOldHighScoreSize) : "";
    const bool mayImport = played < 2 && !old.empty();
    FUZZ_CHECK(holds(record) || (mayImport && holds(old)),
               "the table in memory is neither the file's nor a fresh one");
}

// A game over with the winning seat's totals lowest.
void FinishGame(Engine& e, const Input& in) {
    e.PlayerCount = in.players;
    for (int seat = 1; seat <= 5; ++seat) {
        e.ScoreTable[seat][1] = seat == in.winner ? 0 : 100;
        e.ScoreTable[seat][11] = e.ScoreTable[seat][1];
    }
    e.GameScore = in.gameScore;
    FUZZ_CHECK(e.FindLeader() == in.winner, "the game was not won by the seat chosen");
}

// The file written at game over: the in-memory table with the game's score put in before the
// first entry 1..5 it beats (entry 5 falls out), entry 0 for a better win by seat 1, and the
// counters.
void CheckGameOver(const Engine& before, const Engine& after, const Input& in) {
    const bool humanWon = in.winner == 1;
    const int32_t won = humanWon && before.GamesWon < std::numeric_limits<int32_t>::max()
                            ? before.GamesWon + 1
                            : before.GamesWon;
    FUZZ_CHECK(after.GamesWon == won && after.GamesPlayed == before.GamesPlayed,
               "game over counted " + std::to_string(after.GamesPlayed) + " games and " +
                   std::to_string(after.GamesWon) + " wins");
    const bool best = humanWon && in.gameScore > before.HighScores[0];
    FUZZ_CHECK(after.HighScores[0] == (best ? in.gameScore : before.HighScores[0]),
               "entry 0 is " + std::to_string(after.HighScores[0]));

    for (int entry = 1; entry <= 5; ++entry)
        FUZZ_CHECK(after.HighScores[entry] == before.HighScores[entry],
                   "game over changed entry " + std::to_string(entry) + " in memory");
    if (after.HighScoreFileKept) {
        FUZZ_CHECK(ReadBack(kNewFile) == in.newBytes, "a file kept from writing was written");
        return;
    }
    Engine file;
    FUZZ_CHECK(ReadHighScoreFile(file), "the table written at game over does not read back");
    FUZZ_CHECK(file.HighScoreRecord == after.HighScoreRecord,
               "the file holds another table than the one written");
    const auto record = std::span<const uint8_t>(file.HighScoreRecord);
    FUZZ_CHECK(GetInt32(record, 152) == after.GamesPlayed && GetInt32(record, 156) == won,
               "the file's counters differ from the game's");
    std::vector<int32_t> expected(after.HighScores.begin() + 1, after.HighScores.end());
    const auto beaten = std::find_if(expected.begin(), expected.end(),
                                     [&](int32_t score) { return score < in.gameScore; });
    expected.insert(beaten, in.gameScore);
    for (int entry = 1; entry <= 5; ++entry)
        FUZZ_CHECK(GetInt32(record, 4 * entry) == expected[entry - 1],
                   "file entry " + std::to_string(entry) + " is " +
                       std::to_string(GetInt32(record, 4 * entry)));
    FUZZ_CHECK(GetInt32(record, 0) == after.HighScores[0], "file entry 0 differs from memory");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterPrivateFolder();
    const Input in = ReadInput(data, size);
    if (in.newFile)
        WriteInputFile(kNewFile, in.newBytes);
    else
        RemoveInputFile(kNewFile);
    if (in.oldFile)
        WriteInputFile(kOldFile, in.oldBytes);
    else
        RemoveInputFile(kOldFile);

    Engine e;
    e.EngineStartUp(StartUpFiles{LoadHighScoreFiles, {}});
    CheckTableInMemory(e);
    CheckStartUp(e, in);
    CheckCounterText(e.GamesPlayed);
    CheckCounterText(e.GamesWon);

    Engine reread;
    FUZZ_CHECK(ReadHighScoreFile(reread) ==
                   (ReadBack(kNewFile).size() >= static_cast<size_t>(kHighScoreSize)),
               "the high-score file on disk reads otherwise than its size says");

    if (in.countFirstDeal) {
        const int32_t played = e.GamesPlayed;
        e.FirstDealPending = true;
        CountFirstDeal(e);
        const int32_t counted = played < std::numeric_limits<int32_t>::max() ? played + 1 : played;
        FUZZ_CHECK(e.GamesPlayed == counted,
                   "the first deal counted " + std::to_string(e.GamesPlayed) + " games");
        FUZZ_CHECK(!e.FirstDealPending, "the first deal was counted but is still pending");
        CheckCounterText(e.GamesPlayed);
    }

    FinishGame(e, in);
    const Engine before = e;
    UpdateHighScores(e, true);
    CheckTableInMemory(e);
    CheckGameOver(before, e, in);
    CheckCounterText(e.GamesPlayed);
    CheckCounterText(e.GamesWon);

    // Whatever counter a file holds shows with its thousands separated.
    const auto record = std::span<const uint8_t>(e.HighScoreRecord);
    CheckCounterText(GetInt32(record, 152));
    CheckCounterText(static_cast<int64_t>(in.gameScore) * 1000003);
    return 0;
}
