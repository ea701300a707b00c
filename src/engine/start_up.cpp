// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the engine and the small operations that clear or reset parts of its state.
#include "engine/engine.h"

#include <chrono>

namespace {

constexpr std::array<const char*, 5> kDefaultNames = {"You", "Raduz", "Vur", "Dad", "Dezev"};

uint32_t ClockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(now ^ (now >> 32));
}

} // namespace

void Engine::InitPackAndScores() {
    for (int i = 0; i < static_cast<int>(FullPack.size()); ++i)
        FullPack[i] = i;
    FullPack[0] = 108;
    for (auto& row : ScoreTable)
        row.fill(0);
}

void Engine::SetDefaultNames() {
    for (auto& name : PlayerNames)
        name.clear();
    for (int seat = 1; seat <= 5; ++seat)
        PlayerNames[seat] = CutName(kDefaultNames[seat - 1]);
}

void Engine::ClearHands() {
    for (auto& hand : Hands)
        hand = Hand{};
}

void Engine::ClearSelectedSlots() {
    SelectedSlots.fill(0);
}

void Engine::ClearJackChain() {
    JackChain.fill(0);
}

void Engine::ResetHandCardPositions() {
    for (int i = 1; i <= 20; ++i) {
        HandCardLeft[i] = 476;
        HandCardTop[i] = kRestingHandTop;
    }
}

void Engine::EngineStartUp(const StartUpFiles& files) {
    SeedRandom(ClockSeed());
    InitPackAndScores();
    if (files.LoadHighScores)
        files.LoadHighScores(*this);

    RoundNo = 1;
    RoundOver = false;
    GameOver = false;
    RoundActive = false;
    MessageDelay = 1000;
    TwoPenalty = 2;
    StockImagesShown = 0;
    PlayerCount = 5;

    SetDefaultNames();
    PlayUntil = 300;
    RevealHands = false;
    SlowDeal = false;
    NameEditIndex = -1;
    // The rules loader pages from these values, so they are set before it runs.
    RulesPageSize = 15;
    RulesFirstShown = -1;
    RulesLastShown = -1;
    if (files.LoadRules)
        files.LoadRules(*this);

    CardDesign = 2;
    SortByPoints = false;
    ProgressiveTwos = false;
    LogEnabled = false;
    InputEnabled = true;
    GameScore = 0;
}
