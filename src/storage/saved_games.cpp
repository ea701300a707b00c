// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_games.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>

#include "storage/config.h"
#include "storage/file_io.h"
#include "storage/record_codec.h"
#include "storage/storage_error.h"

namespace {

// Field offsets of a saved game.
constexpr size_t kPlayerCountAt = 0;
constexpr size_t kRoundAt = 4;
constexpr size_t kPlayUntilAt = 8;
constexpr size_t kCardDesignAt = 12;
constexpr size_t kDealSizeAt = 16;
constexpr size_t kLeadSeatAt = 20;
constexpr size_t kSlowDealAt = 24;
constexpr size_t kSortByPointsAt = 25;
constexpr size_t kProgressiveTwosAt = 26;
constexpr size_t kScoreTableAt = 28; // 5 seats x (rounds 1..10, total)
constexpr size_t kNamesAt = 248;     // 6 name slots for entries 1..6

constexpr int kScoreColumns = 11;
constexpr int kMaxScore = 9999;
constexpr int kMaxFolderDepth = 64;

using SaveBytes = std::array<uint8_t, kSavedGameSize>;

size_t ScoreOffset(int seat, int column) {
    return kScoreTableAt + 4 * static_cast<size_t>((seat - 1) * kScoreColumns + (column - 1));
}

size_t NameOffset(int entry) {
    return kNamesAt + kNameSlotSize * static_cast<size_t>(entry - 1);
}

bool IsRefusedCharacter(unsigned char c) {
    static constexpr std::string_view kSeparators = "/\\:*?\"<>|";
    return c < 0x20 || c == 0x7F || kSeparators.find(static_cast<char>(c)) != std::string::npos;
}

// A name the check would let through unchanged; anything else never reaches a file name.
bool IsAcceptedName(const std::string& name) {
    return !name.empty() && SaveNameFromText(name) == name;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void CollectSavedGames(const std::filesystem::path& folder, int depth,
                       std::set<std::string>& names) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code kindError;
        const std::string fileName = entry.path().filename().string();
        // A link to a folder could lead back up the tree, so only real folders are searched.
        if (entry.is_directory(kindError) && !entry.is_symlink(kindError)) {
            if (depth < kMaxFolderDepth)
                CollectSavedGames(entry.path(), depth + 1, names);
        } else if (entry.is_regular_file(kindError) && EndsWith(fileName, ".sav")) {
            // Only the ".sav" ending comes off: a game saved as "v1.2" must be listed as
            // "v1.2", or picking it from the list would find no file.
            const std::string base = fileName.substr(0, fileName.size() - 4);
            if (!base.empty())
                names.insert(base);
        }
    }
}

} // namespace

std::string SaveNameFromText(const std::string& boxText) {
    const std::string name = CutName(boxText);
    if (name.empty() || !IsAsciiLetter(name[0]))
        return "";
    for (const char c : name) {
        if (IsRefusedCharacter(static_cast<unsigned char>(c)))
            return "";
    }
    return name;
}

std::string SaveFolderFileName(const std::string& base, const std::string& ext) {
    return "Save/" + DataFileName(base, ext);
}

void MakeSaveFolder() {
    std::error_code ec;
    std::filesystem::create_directory("Save", ec);
}

void EnsureSaveFolder() {
    std::error_code ec;
    std::filesystem::create_directory("Save", ec);
    if (std::filesystem::is_directory("Save"))
        return;
    // Something else under the name is reported as a path that leads nowhere.
    throw StorageError(IoErrorText(ec && ec.value() != EEXIST ? ec.value() : ENOTDIR));
}

void BuildSaveRecord(Engine& engine) {
    SaveBytes& record = engine.SaveRecord;
    record.fill(0);
    PutInt32(record, kPlayerCountAt, engine.PlayerCount);
    PutInt32(record, kRoundAt, engine.RoundNo);
    PutInt32(record, kPlayUntilAt, engine.PlayUntil);
    PutInt32(record, kCardDesignAt, engine.CardDesign);
    PutInt32(record, kDealSizeAt, engine.DealSize);
    PutInt32(record, kLeadSeatAt, engine.LeadSeat);
    record[kSlowDealAt] = engine.SlowDeal ? 1 : 0;
    record[kSortByPointsAt] = engine.SortByPoints ? 1 : 0;
    record[kProgressiveTwosAt] = engine.ProgressiveTwos ? 1 : 0;
    for (int seat = 1; seat <= 5; ++seat) {
        for (int column = 1; column <= kScoreColumns; ++column)
            PutInt32(record, ScoreOffset(seat, column), engine.ScoreTable[seat][column]);
    }
    for (int entry = 1; entry <= 6; ++entry)
        PutName(record, NameOffset(entry), engine.PlayerNames[entry]);
}

bool SaveGame(Engine& engine) {
    if (!IsAcceptedName(engine.SaveName))
        return false;
    BuildSaveRecord(engine);
    // The high-score file once shared this folder under that name.
    if (engine.SaveName == "highscores")
        engine.SaveName = "high1";
    return WriteSaveFile(engine, engine.SaveName, ".sav");
}

bool WriteSaveFile(Engine& engine, const std::string& name, const std::string& ext) {
    EnsureSaveFolder(); // the folder may have been removed since start-up
    ReplaceFile(SaveFolderFileName(name, ext), engine.SaveRecord);
    return true;
}

bool IsValidSaveRecord(const SaveBytes& record) {
    const int32_t players = GetInt32(record, kPlayerCountAt);
    if (!InRange(players, 3, 5))
        return false;
    if (!InRange(GetInt32(record, kRoundAt), 1, 10))
        return false;
    if (!InRange(GetInt32(record, kLeadSeatAt), 0, players))
        return false;
    if (!IsPlayUntilTarget(GetInt32(record, kPlayUntilAt)))
        return false;
    // Single digits keep every field of the settings line at its fixed position.
    if (!InRange(GetInt32(record, kCardDesignAt), 0, 9))
        return false;
    if (!InRange(GetInt32(record, kDealSizeAt), 0, 9))
        return false;
    for (int seat = 1; seat <= 5; ++seat) {
        for (int column = 1; column <= kScoreColumns; ++column) {
            if (!InRange(GetInt32(record, ScoreOffset(seat, column)), 0, kMaxScore))
                return false;
        }
    }
    return true;
}

bool ReadSaveFile(Engine& engine, const std::string& name, const std::string& ext) {
    if (!IsAcceptedName(name))
        return false;
    const FileBytes file = ReadLastRecord(SaveFolderFileName(name, ext), kSavedGameSize);
    if (file.bytes.empty())
        return false;
    std::copy(file.bytes.begin(), file.bytes.end(), engine.SaveRecord.begin());
    return IsValidSaveRecord(engine.SaveRecord);
}

void RestoreGame(Engine& engine) {
    const SaveBytes& record = engine.SaveRecord;
    engine.PlayerCount = GetInt32(record, kPlayerCountAt);
    engine.RoundNo = GetInt32(record, kRoundAt);
    engine.LeadSeat = GetInt32(record, kLeadSeatAt);
    engine.PlayUntil = GetInt32(record, kPlayUntilAt);
    engine.DealSize = GetInt32(record, kDealSizeAt);
    engine.CardDesign = GetInt32(record, kCardDesignAt);
    engine.SortByPoints = record[kSortByPointsAt] != 0;
    engine.SlowDeal = record[kSlowDealAt] != 0;
    engine.ProgressiveTwos = record[kProgressiveTwosAt] != 0;
    for (int seat = 1; seat <= 5; ++seat) {
        for (int column = 1; column <= kScoreColumns; ++column)
            engine.ScoreTable[seat][column] = GetInt32(record, ScoreOffset(seat, column));
    }
    for (int entry = 1; entry <= 6; ++entry)
        engine.PlayerNames[entry] = CleanSeatName(GetName(record, NameOffset(entry)));
}

int SavedRound(const Engine& engine) {
    return GetInt32(engine.SaveRecord, kRoundAt);
}

std::string StripExtension(const std::string& fileName) {
    return fileName.substr(0, fileName.find('.'));
}

std::vector<std::string> FindSavedGames(const std::string& folder) {
    std::set<std::string> names;
    try {
        CollectSavedGames(std::filesystem::path(folder.empty() ? "." : folder), 0, names);
    } catch (const std::exception&) {
        // A listing is a convenience: whatever was found before the trouble is shown.
    }
    return {names.begin(), names.end()};
}
