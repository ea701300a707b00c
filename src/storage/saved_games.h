// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games: one 376-byte record per file "Save/<name>.sav" holding the settings, the round,
// the leading seat, the score table and the seat names (no cards), and the listing of saved
// games for the two saved-game boxes.
#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"

constexpr int kSavedGameSize = 376;

// The name check run on Enter in either saved-game box: the text cut to 20 bytes (never
// splitting a UTF-8 character), or "" when it must be refused silently: empty, not starting
// with an ASCII letter, or holding any of / \ : * ? " < > | or a control character.
std::string SaveNameFromText(const std::string& boxText);

// "Save/" + base cut to 20 bytes + extension cut to 4 bytes.
std::string SaveFolderFileName(const std::string& base, const std::string& ext);

// Creates the "Save" folder when it is missing; any failure shows up when a file is written.
void MakeSaveFolder();
// The same before a file is written: throws StorageError when there is no folder to write in
// ("File access denied" when it cannot be made, "Path not found" when a file has its name).
void EnsureSaveFolder();

// Fills SaveRecord from the engine state, field by field, little-endian.
void BuildSaveRecord(Engine& engine);

// Saves under Engine::SaveName (the name "highscores" becomes "high1", so the message shows
// the new name). Writes a temporary file beside the target and renames it over, so a failure
// never damages an earlier save. Returns false, touching no file, for a name the check refuses;
// throws StorageError when the file cannot be created or written.
bool SaveGame(Engine& engine);

// Writes SaveRecord as the one record of "Save/" + name + ext, through a temporary file renamed
// over the old one; returns true. Throws StorageError when the file cannot be written.
bool WriteSaveFile(Engine& engine, const std::string& name, const std::string& ext);

// Reads "Save/" + name + ext, keeping the last whole record in SaveRecord. False (silently)
// when the name is refused, the file cannot be opened, holds no whole record, or its record
// holds values the game never writes. A read failure after the open throws StorageError.
bool ReadSaveFile(Engine& engine, const std::string& name, const std::string& ext);

// True when the record's fields are all within the ranges the game writes.
bool IsValidSaveRecord(const std::array<uint8_t, kSavedGameSize>& record);

// Copies the settings, round, leading seat, scores and names from SaveRecord into the engine;
// hands, piles and turn state are untouched.
void RestoreGame(Engine& engine);

// The round held in SaveRecord, for the "loaded - Current Round:" message.
int SavedRound(const Engine& engine);

// The characters before the first "." (the whole name when there is none).
std::string StripExtension(const std::string& fileName);

// Base names of every "*.sav" file in the folder and all folders below it, sorted, each once.
// Symbolic links to folders are not followed and unreadable folders are skipped; never throws.
// An empty folder means the working folder.
std::vector<std::string> FindSavedGames(const std::string& folder);
