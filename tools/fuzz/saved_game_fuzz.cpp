// SPDX-License-Identifier: GPL-3.0-or-later
// "Save/Game.sav" holding the input: loaded from the options panel, then a whole seeded round
// played through the real turn flow from the loaded state, its score grid checked, and the
// game saved again between rounds must load again.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "self_play.h"
#include "storage/saved_games.h"
#include "table/flow/flow_storage.h"

namespace {

using SaveBytes = std::array<uint8_t, kSavedGameSize>;

// No round comes near this many events: hands stop growing at 19 cards and a round of full
// hands ends.
constexpr int kRoundEventLimit = 20000;

void CheckLoadedGame(const Engine& e) {
    CheckSettings(e);
    FUZZ_CHECK(e.RoundNo >= 1 && e.RoundNo <= 10, "round " + std::to_string(e.RoundNo));
    FUZZ_CHECK(e.LeadSeat >= 0 && e.LeadSeat <= e.PlayerCount,
               "leading seat " + std::to_string(e.LeadSeat));
    CheckCleanName(e.PlayerNames[6], "the sixth name");
}

// The first thing two games differ in, or "" when they are the same game.
std::string GameDifference(const Engine& a, const Engine& b) {
    if (a.PlayerCount != b.PlayerCount || a.RoundNo != b.RoundNo || a.PlayUntil != b.PlayUntil ||
        a.CardDesign != b.CardDesign || a.DealSize != b.DealSize || a.LeadSeat != b.LeadSeat ||
        a.SlowDeal != b.SlowDeal || a.SortByPoints != b.SortByPoints ||
        a.ProgressiveTwos != b.ProgressiveTwos)
        return "the settings";
    if (a.ScoreTable != b.ScoreTable)
        return "the scores";
    for (int entry = 1; entry <= 6; ++entry) {
        if (a.PlayerNames[entry] != b.PlayerNames[entry])
            return "name " + std::to_string(entry) + " (" +
                   std::to_string(a.PlayerNames[entry].size()) + " bytes, was " +
                   std::to_string(b.PlayerNames[entry].size()) + ")";
    }
    return "";
}

// What a save made now would hold must load again as the same game.
void CheckSavesAgain(Engine& e, const char* when) {
    BuildSaveRecord(e);
    FUZZ_CHECK(IsValidSaveRecord(e.SaveRecord),
               std::string("a game saved ") + when + " would be refused when loaded");
    Engine again;
    again.EngineStartUp(StartUpFiles{});
    again.SaveRecord = e.SaveRecord;
    RestoreGame(again);
    const std::string difference = GameDifference(again, e);
    FUZZ_CHECK(difference.empty(),
               std::string("a game saved ") + when + " loads with another " + difference);
}

// START, then DEAL and the human's plays until the round's score grid is closed.
void PlayOneRound(Engine& e, uint32_t seed) {
    e.SeedRandom(seed);
    e.FirstDealPending = true;
    StartTable(e);
    GridCheckingView view(e);
    view.DealSize = e.DealSize >= 4 && e.DealSize <= 7 ? e.DealSize : 6;
    view.ChooseSuit = [&e] { return e.Random(4); };
    NoStorage storage;
    TurnFlow flow(e, view, storage);
    SelfPlayer player(e, flow);
    const int round = e.RoundNo;
    while (player.LastEvent() != "close") {
        if (!player.Step())
            break;
        CheckTable(e, flow, player.LastEvent());
        FUZZ_CHECK(player.Stats.Events < kRoundEventLimit,
                   "round " + std::to_string(round) + " never ends");
    }
    FUZZ_CHECK(view.GridsShown == 1,
               "the score grid opened " + std::to_string(view.GridsShown) + " times");
    FUZZ_CHECK(view.Errors.empty(), "a file error was shown: " + view.Errors.front());
    if (e.GameOver) {
        const int leader = e.FindLeader();
        FUZZ_CHECK(leader >= 1 && leader <= e.PlayerCount,
                   "the winner is seat " + std::to_string(leader));
        return;
    }
    FUZZ_CHECK(e.RoundNo == round + 1 && !e.RoundActive,
               "the next round is " + std::to_string(e.RoundNo) + " after round " +
                   std::to_string(round));
    CheckSavesAgain(e, "after the round");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterPrivateFolder();
    WriteInputFile("Save/Game.sav", data, size);

    Engine e;
    e.EngineStartUp(StartUpFiles{});
    const bool loaded = ReadSaveFile(e, "Game", ".sav");
    // The last whole record of the file is the one kept; a file without one loads nothing.
    SaveBytes last{};
    if (size >= kSavedGameSize)
        std::memcpy(last.data(), data + (size / kSavedGameSize - 1) * kSavedGameSize,
                    kSavedGameSize);
    FUZZ_CHECK(loaded == (size >= kSavedGameSize && IsValidSaveRecord(last)),
               loaded ? "a file without a record the game writes was loaded"
                      : "a file ending in a good record was refused");
    if (!loaded)
        return 0;
    FUZZ_CHECK(e.SaveRecord == last, "the record loaded is not the file's last one");

    RestoreGame(e);
    CheckLoadedGame(e);
    CheckSavesAgain(e, "right after loading");
    PlayOneRound(e, SeedOf(data, size));
    return 0;
}
