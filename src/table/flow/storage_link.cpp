// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/flow/storage_link.h"

#include "storage/config.h"
#include "storage/high_scores.h"
#include "storage/saved_games.h"

void FileStorage::StartLog(Engine& engine) {
    log_.StartLog(engine);
}

void FileStorage::CloseLog(Engine& engine) {
    log_.CloseLog(engine);
}

// A game that reads is restored whole; one that does not leaves every setting as it was.
bool FileStorage::LoadGame(Engine& engine) {
    const bool loaded = ReadSaveFile(engine, engine.SaveName, ".sav");
    if (loaded)
        RestoreGame(engine);
    return loaded;
}

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
