// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnostic trace "Log.txt": when the hidden seat-5 name switched logging on, the turn flow
// appends one line per interesting step with a snapshot of the table. The program owns one
// GameLog for the whole run.
#pragma once

#include <string>

#include "engine/engine.h"
#include "storage/file_io.h"

class GameLog {
  public:
    GameLog();
    ~GameLog();
    GameLog(const GameLog&) = delete;
    GameLog& operator=(const GameLog&) = delete;

    // Creates or empties "Log.txt" when the engine's LogEnabled is set. A file that cannot be
    // created leaves the log closed, silently, so no line is written for the rest of the run.
    void StartLog(Engine& engine);

    // Writes one line (LogLine followed by CR LF) and flushes it. Does nothing unless
    // LogEnabled is set and the file is open; throws StorageError when writing or flushing fails.
    void LogState(const Engine& engine, const std::string& text);

    // Closes the file at window close; a failure to close is ignored.
    void CloseLog(const Engine& engine);

    bool IsOpen() const;

    // The text of a card in the log: "Ace:Dia:", "10:Spd:", "Jokr"; the empty code gives ":n/a:".
    static std::string CardName(int code);

    // The exact log line for the text, WITHOUT the CR LF that LogState appends.
    static std::string LogLine(const Engine& engine, const std::string& text);

  private:
    DataFile LogText;
};

// True when seat 5's name is the hidden word that switches the log on (exact length and case).
bool IsLogWord(const std::string& seat5Name);
