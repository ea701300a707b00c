// SPDX-License-Identifier: GPL-3.0-or-later
// Whole seeded games through the window's handlers only, with the table checked after every
// single event, for every table size and both rules for twos.
#include <gtest/gtest.h>

#include "flow_test_support.h"
#include "self_play.h"
#include "table/flow/silent_view.h"

namespace {

struct GameResult {
    SelfPlayStats Stats;
    int Reshuffles = 0;
    int SuitChoices = 0;
    std::string Broken;
};

GameResult PlaySeededGame(int players, bool progressive, unsigned seed) {
    Engine e;
    e.EngineStartUp(StartUpFiles{});
    e.SeedRandom(seed);
    e.PlayerCount = players;
    e.ProgressiveTwos = progressive;
    e.StrategySeed = e.Random(6);
    e.LeadSeat = 1;
    e.FirstDealPending = true;
    SilentView view;
    view.DealSize = 4 + static_cast<int>(seed % 4);
    view.ChooseSuit = [&e] { return e.Random(4); };
    NoStorage storage;
    TurnFlow flow(e, view, storage);
    SelfPlayer player(e, flow);

    GameResult result;
    while (player.Step() && player.Stats.Events < 50000) {
        result.Broken = CheckTableInvariants(e, flow);
        if (!result.Broken.empty()) {
            result.Broken += " after " + player.LastEvent();
            break;
        }
    }
    result.Stats = player.Stats;
    result.Reshuffles = view.ReshuffleNotices;
    result.SuitChoices = view.SuitChooserOpenings;
    return result;
}

} // namespace

TEST(SelfPlay, WholeGamesKeepEveryCardAndHandTheTurnBackToTheHuman) {
    SelfPlayStats total;
    int reshuffles = 0;
    int suitChoices = 0;
    for (int players = 3; players <= 5; ++players) {
        for (bool progressive : {false, true}) {
            for (unsigned seed = 1; seed <= 8; ++seed) {
                SCOPED_TRACE(std::to_string(players) + " players, seed " + std::to_string(seed) +
                             (progressive ? ", progressive twos" : ""));
                const GameResult game = PlaySeededGame(players, progressive, seed);
                ASSERT_EQ(game.Broken, "");
                EXPECT_EQ(game.Stats.Games, 1) << "the game never ended";
                EXPECT_LE(game.Stats.Rounds, 10);
                total.Chains += game.Stats.Chains;
                total.Draws += game.Stats.Draws;
                total.HumanCards += game.Stats.HumanCards;
                total.RefusedPresses += game.Stats.RefusedPresses;
                reshuffles += game.Reshuffles;
                suitChoices += game.SuitChoices;
            }
        }
    }
    // The games reached the corners worth reaching.
    EXPECT_GT(total.Chains, 0);
    EXPECT_GT(total.Draws, 0);
    EXPECT_GT(total.RefusedPresses, 0);
    EXPECT_GT(reshuffles, 0);
    EXPECT_GT(suitChoices, 0);
}

// News is put into words only for a table that someone hears, and leaving it unsaid changes
// nothing the table shows: one game played twice, heard and unheard.
TEST(SelfPlay, ATableNobodyHearsIsToldNoNewsAndShowsTheSame) {
    flowtest::FlowTable heard(4), unheard(4);
    unheard.View.Listened = false;
    for (flowtest::FlowTable* table : {&heard, &unheard}) {
        table->View.Suits.assign(100, flowtest::H);
        SelfPlayer player(table->E, table->Flow);
        while (player.Step() && player.Stats.Events < 50000) {
        }
    }
    EXPECT_GT(heard.View.Spoken.size(), 100u);
    EXPECT_EQ(unheard.View.Spoken, std::vector<std::string>{});
    EXPECT_EQ(heard.T, unheard.T);
}
