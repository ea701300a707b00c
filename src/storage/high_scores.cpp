// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/high_scores.h"

#include <algorithm>
#include <limits>

#include "storage/file_io.h"
#include "storage/record_codec.h"
#include "storage/saved_games.h"
#include "storage/storage_error.h"

namespace {

constexpr size_t kScoresAt = 0;
constexpr size_t kNamesAt = 24;
constexpr size_t kGamesPlayedAt = 152;
constexpr size_t kGamesWonAt = 156;
constexpr int kEntries = 6;

size_t ScoreOffset(int entry) {
    return kScoresAt + 4 * static_cast<size_t>(entry);
}
size_t NameOffset(int entry) {
    return kNamesAt + kNameSlotSize * static_cast<size_t>(entry);
}

std::string HighScoreFileName() {
    return SaveFolderFileName("highscores1", ".scx");
}
std::string OldHighScoreFileName() {
    return SaveFolderFileName("highscores", ".scx");
}

// Counters are never negative; a file that says otherwise counts from zero.
int32_t CounterFromFile(int32_t value) {
    return std::max(value, 0);
}

void PutEntry(std::span<uint8_t> record, int entry, int32_t score, const std::string& name) {
    PutInt32(record, ScoreOffset(entry), score);
    PutName(record, NameOffset(entry), name);
}

// Copies the six scores and names of a record (new or older layout) into memory.
void TakeTable(Engine& engine, std::span<const uint8_t> record) {
    for (int entry = 0; entry < kEntries; ++entry) {
        engine.HighScores[entry] = GetInt32(record, ScoreOffset(entry));
        engine.HighScoreNames[entry] = GetName(record, NameOffset(entry));
    }
}

template <size_t N>
OpenOutcome ReadRecordInto(const std::string& path, std::array<uint8_t, N>& buffer, bool& read) {
    const FileBytes file = ReadLastRecord(path, N);
    read = !file.bytes.empty();
    if (read)
        std::copy(file.bytes.begin(), file.bytes.end(), buffer.begin());
    return file.outcome;
}

// Reads the table at start-up: true when a record was taken. A file that is there but cannot
// be read is kept from being written over for the rest of the run.
bool ReadHighScoresAtStartUp(Engine& engine) {
    bool read = false;
    try {
        if (ReadRecordInto(HighScoreFileName(), engine.HighScoreRecord, read) ==
            OpenOutcome::Refused)
            engine.HighScoreFileKept = true;
    } catch (const StorageError&) {
        engine.HighScoreFileKept = true;
    }
    return read;
}

std::string SeatName(const Engine& engine, int seat) {
    return seat >= 1 && seat < static_cast<int>(engine.PlayerNames.size())
               ? engine.PlayerNames[seat]
               : std::string();
}

} // namespace

bool ReadHighScoreFile(Engine& engine) {
    bool read = false;
    ReadRecordInto(HighScoreFileName(), engine.HighScoreRecord, read);
    return read;
}

bool ReadOldHighScoreFile(Engine& engine) {
    bool read = false;
    ReadRecordInto(OldHighScoreFileName(), engine.OldHighScoreRecord, read);
    return read;
}

void WriteHighScoreFile(Engine& engine) {
    if (engine.HighScoreFileKept)
        return;
    EnsureSaveFolder();
    ReplaceFile(HighScoreFileName(), engine.HighScoreRecord);
}

void TakeHighScores(Engine& engine) {
    engine.GamesPlayed = CounterFromFile(GetInt32(engine.HighScoreRecord, kGamesPlayedAt));
    engine.GamesWon = CounterFromFile(GetInt32(engine.HighScoreRecord, kGamesWonAt));
    TakeTable(engine, engine.HighScoreRecord);
}

void ResetHighScores(Engine& engine) {
    engine.HighScoreRecord.fill(0);
    for (int entry = 0; entry < kEntries; ++entry)
        PutEntry(engine.HighScoreRecord, entry, 0, "-");
    PutInt32(engine.HighScoreRecord, kGamesPlayedAt, engine.GamesPlayed);
    PutInt32(engine.HighScoreRecord, kGamesWonAt, engine.GamesWon);
    TakeTable(engine, engine.HighScoreRecord);
}

void ImportOldHighScores(Engine& engine) {
    TakeTable(engine, engine.OldHighScoreRecord);
    for (int entry = 0; entry < kEntries; ++entry)
        PutEntry(engine.HighScoreRecord, entry, engine.HighScores[entry],
                 engine.HighScoreNames[entry]);
}

void LoadHighScoreFiles(Engine& engine) {
    MakeSaveFolder();
    // There is no window yet to show a failure, so the table lives in memory if need be.
    if (ReadHighScoresAtStartUp(engine)) {
        TakeHighScores(engine);
    } else {
        ResetHighScores(engine);
        try {
            WriteHighScoreFile(engine);
        } catch (const StorageError&) {
        }
    }
    // Taken over only before the first game is counted: later runs would wipe newer scores.
    try {
        if (engine.GamesPlayed == 0 && ReadOldHighScoreFile(engine))
            ImportOldHighScores(engine);
    } catch (const StorageError&) {
    }
}

void UpdateHighScores(Engine& engine, bool atGameOver) {
    auto& record = engine.HighScoreRecord;
    record.fill(0);
    const int winner = engine.FindLeader();
    const std::string winnerName = SeatName(engine, winner);
    if (winner == 1 && engine.GameScore > engine.HighScores[0]) {
        engine.HighScores[0] = engine.GameScore;
        engine.HighScoreNames[0] = CutName(winnerName);
    }
    // Entries 1..5 take the score in order; memory keeps its rows until the next start-up.
    int source = 0;
    for (int entry = 0; entry < kEntries; ++entry) {
        if (entry >= 1 && source == entry && engine.HighScores[entry] < engine.GameScore) {
            PutEntry(record, entry, engine.GameScore, winnerName);
            continue;
        }
        PutEntry(record, entry, engine.HighScores[source], engine.HighScoreNames[source]);
        ++source;
    }
    if (atGameOver && winner == 1)
        engine.GamesWon = SaturatingIncrement(engine.GamesWon);
    PutInt32(record, kGamesPlayedAt, engine.GamesPlayed);
    PutInt32(record, kGamesWonAt, engine.GamesWon);
    WriteHighScoreFile(engine);
}

void CountFirstDeal(Engine& engine) {
    if (!engine.FirstDealPending)
        return;
    engine.GamesPlayed = SaturatingIncrement(engine.GamesPlayed);
    engine.FirstDealPending = false;
    UpdateHighScores(engine, false);
}

int32_t SaturatingIncrement(int32_t counter) {
    return counter < std::numeric_limits<int32_t>::max() ? counter + 1 : counter;
}

std::string ShowGamesAndWinsText(int64_t n) {
    const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const std::string digits = std::to_string(magnitude);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return n < 0 ? "-" + text : text;
}
