// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score table (six entries with names) and the games and wins counters, kept in
// "Save/highscores1.scx" (160 bytes); an older "Save/highscores.scx" (152 bytes, no counters)
// is taken over on the first run that finds it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/engine.h"

constexpr int kHighScoreSize = 160;
constexpr int kOldHighScoreSize = 152;

// Start-up, before any window exists: creates "Save", reads the table or starts a fresh one
// (six "-" with 0) and writes it, then takes over the older file while no game has been
// counted. Never throws: a file that cannot be written here leaves the table in memory. A
// file that is there but cannot be read (no permission, a read error, not a regular file)
// is never written over in this run: play goes on with a fresh table in memory only.
void LoadHighScoreFiles(Engine& engine);

// Reads "Save/highscores1.scx" into HighScoreRecord; false when it cannot be opened or holds
// no whole record. Throws StorageError on a read failure after the open.
bool ReadHighScoreFile(Engine& engine);
// The same for the older "Save/highscores.scx" into OldHighScoreRecord.
bool ReadOldHighScoreFile(Engine& engine);
// Replaces "Save/highscores1.scx" with HighScoreRecord (nothing when the file is kept from
// being written over); throws StorageError on failure.
void WriteHighScoreFile(Engine& engine);

void TakeHighScores(Engine& engine);      // file record -> memory (table and counters)
void ResetHighScores(Engine& engine);     // six "-" with 0, in memory and in the record
void ImportOldHighScores(Engine& engine); // older record's table -> memory and record

// Writes the table with this game's score inserted (the insertion reaches only the file;
// entry 0 changes in memory too, and only for a better win by seat 1). GamesWon rises only at
// game over when seat 1 won. Throws StorageError when the file cannot be written.
void UpdateHighScores(Engine& engine, bool atGameOver);

// The first deal of a run counts one game: GamesPlayed rises by one (saturating) and the
// table is written. Does nothing when FirstDealPending is clear; clears it.
void CountFirstDeal(Engine& engine);

// Adds one to a counter without ever overflowing.
int32_t SaturatingIncrement(int32_t counter);

// A counter as shown under "Games" and "Wins": commas between thousands (12345 -> "12,345").
std::string ShowGamesAndWinsText(int64_t n);
