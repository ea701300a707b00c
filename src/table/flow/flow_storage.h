// SPDX-License-Identifier: GPL-3.0-or-later
// The files the turn flow writes while a game runs: the trace log, the settings at each deal,
// the high-score table and a saved game. The program uses the real files; tests and the
// self-play simulator pass something that writes nowhere or fails on purpose. Every call may
// throw StorageError; the flow never lets one stop a turn half-way.
#pragma once

#include <string>

#include "engine/engine.h"

class FlowStorage {
  public:
    virtual ~FlowStorage() = default;
    virtual void StartLog(Engine& engine) = 0; // at START, when the hidden log mode is on
    virtual void CloseLog(Engine& engine) = 0; // as the window closes
    virtual bool LoadGame(Engine& engine) = 0; // the game under Engine::SaveName, if it reads
    virtual void LogState(const Engine& engine, const std::string& text) = 0; // one trace line
    virtual void SaveConfig(const Engine& engine) = 0;                        // the settings file
    virtual void CountFirstDeal(Engine& engine) = 0; // one game counted per run
    virtual void UpdateHighScores(Engine& engine, bool atGameOver) = 0;
    virtual bool SaveGame(Engine& engine) = 0; // under Engine::SaveName
};

// Writes nothing; a game played with it leaves no trace on disk.
class NoStorage : public FlowStorage {
  public:
    void StartLog(Engine&) override {}
    void CloseLog(Engine&) override {}
    bool LoadGame(Engine&) override { return false; }
    void LogState(const Engine&, const std::string&) override {}
    void SaveConfig(const Engine&) override {}
    void CountFirstDeal(Engine& engine) override {
        if (engine.FirstDealPending) {
            engine.FirstDealPending = false;
            ++engine.GamesPlayed;
        }
    }
    void UpdateHighScores(Engine&, bool) override {}
    bool SaveGame(Engine&) override { return true; }
};
