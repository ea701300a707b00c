#include "table/flow/storage_link.h"

#include "storage/config.h"
#include "storage/high_scores.h"
#include "storage/saved_games.h"

void FileStorage::LogState(const Engine& engine, const std::string& text) {
    log_.LogState(engine, text);
}

void FileStorage::SaveConfig(const Engine& engine) {
    ::SaveConfig(engine);
}

void FileStorage::CountFirstDeal(Engine& engine) {
    ::CountFirstDeal(engine);
}

void FileStorage::UpdateHighScores(Engine& engine, bool atGameOver) {
    ::UpdateHighScores(engine, atGameOver);
}

bool FileStorage::SaveGame(Engine& engine) {
    return ::SaveGame(engine);
}
