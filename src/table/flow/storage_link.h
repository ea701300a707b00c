// SPDX-License-Identifier: GPL-3.0-or-later
// The real files behind the turn flow: the trace log the window opened at START and the
// storage layer's settings, high-score and saved-game writers.
#pragma once

#include "storage/game_log.h"
#include "table/flow/flow_storage.h"

class FileStorage : public FlowStorage {
  public:
    explicit FileStorage(GameLog& log) : log_(log) {}
    void StartLog(Engine& engine) override;
    void CloseLog(Engine& engine) override;
    bool LoadGame(Engine& engine) override;
    void LogState(const Engine& engine, const std::string& text) override;
    void SaveConfig(const Engine& engine) override;
    void CountFirstDeal(Engine& engine) override;
    void UpdateHighScores(Engine& engine, bool atGameOver) override;
    bool SaveGame(Engine& engine) override;

  private:
    GameLog& log_;
};
