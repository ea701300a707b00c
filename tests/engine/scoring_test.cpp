// SPDX-License-Identifier: GPL-3.0-or-later
// Round scores, the winner, the rating of a game and the status texts.
#include "engine_test_support.h"

#include <gtest/gtest.h>

using namespace test_cards;

namespace {

void SetTotals(Engine& e, std::initializer_list<int> totals) {
    int seat = 0;
    for (int t : totals) {
        ++seat;
        e.ScoreTable[seat].fill(0);
        e.ScoreTable[seat][1] = t;
        e.ScoreTable[seat][11] = t;
    }
    e.PlayerCount = seat;
}

} // namespace

TEST(ScoreRound, DoublesCardsOfTheLastRankAndEverythingAfterAJoker) {
    Engine e;
    e.PlayerCount = 3;
    e.RoundNo = 2;
    e.ScoreTable[2][1] = 40;
    SetDiscard(e, {Face(5, kClubs), Face(7, kHearts)});
    SetHand(e, 1, {});
    SetHand(e, 2, {Face(7, kClubs), Card(kKing, kSpades), 105});
    SetHand(e, 3, {Card(kAce, kSpades), Face(3, kClubs)});
    e.ScoreRound();
    EXPECT_EQ(e.ScoreTable[1][2], 0);
    EXPECT_EQ(e.ScoreTable[2][2], 74);
    EXPECT_EQ(e.ScoreTable[3][2], 14);
    EXPECT_EQ(e.ScoreTable[2][11], 114);
    EXPECT_EQ(e.ScoreTable[2][1], 40) << "earlier rounds stay";
    EXPECT_FALSE(e.GameOver);

    SetDiscard(e, {106});
    e.ScoreRound();
    EXPECT_EQ(e.ScoreTable[3][2], 28);
    EXPECT_EQ(e.ScoreTable[2][2], (7 + 10 + 50) * 2);
    EXPECT_EQ(e.ScoreTable[3][11], 28) << "scoring a round again replaces its entry";
}

TEST(ScoreRound, GameEndsWhenATotalReachesTheTarget) {
    Engine e;
    e.PlayerCount = 3;
    e.PlayUntil = 300;
    e.RoundNo = 4;
    e.ScoreTable[2][1] = 280;
    SetDiscard(e, {Face(4, kDiamonds)});
    SetHand(e, 1, {Face(9, kHearts)});
    SetHand(e, 2, {Face(10, kHearts), Face(10, kSpades)});
    SetHand(e, 3, {});
    e.ScoreRound();
    EXPECT_EQ(e.ScoreTable[2][11], 300);
    EXPECT_TRUE(e.GameOver) << "reaching the target exactly ends the game";
    EXPECT_EQ(e.FindLeader(), 3);

    // A round number out of range writes no entry but still refreshes the totals.
    Engine odd;
    odd.PlayerCount = 3;
    odd.RoundNo = 11;
    odd.ScoreTable[1][3] = 5;
    SetDiscard(odd, {Face(4, kDiamonds)});
    SetHand(odd, 1, {Face(9, kHearts)});
    odd.ScoreRound();
    EXPECT_EQ(odd.ScoreTable[1][11], 5);
}

TEST(FindLeader, LowestTotalWithTiesToTheHigherSeat) {
    Engine e;
    SetTotals(e, {104, 20, 20});
    EXPECT_EQ(e.FindLeader(), 3);
    SetTotals(e, {19, 20, 20, 40});
    EXPECT_EQ(e.FindLeader(), 1);
    SetTotals(e, {20, 20, 20, 40, 20});
    EXPECT_EQ(e.FindLeader(), 5);
    // Totals no real game reaches still name a seat.
    SetTotals(e, {12000, 15000, 30000});
    EXPECT_EQ(e.FindLeader(), 1);
    SetTotals(e, {0, 0, 0, 0, 0});
    e.PlayerCount = 12;
    EXPECT_EQ(e.FindLeader(), 5);
}

TEST(GameRating, RatesByTargetAndCompressesHighValues) {
    Engine e;
    SetTotals(e, {310, 120, 95, 200});
    e.PlayUntil = 300;
    EXPECT_EQ(e.GameRating(), 508);

    SetTotals(e, {100, 0, 0});
    e.PlayUntil = 100;
    EXPECT_EQ(e.GameRating(), 271);

    SetTotals(e, {260, 0, 51});
    e.PlayUntil = 250;
    EXPECT_EQ(e.GameRating(), 2776);

    // 200: 200 * 200 / 7 / 4 = 1428.57 -> (1428.57 - 350) / 5 + 350
    SetTotals(e, {200, 0, 0});
    e.PlayUntil = 200;
    EXPECT_EQ(e.GameRating(), 565);

    // 350: 350 * 400 / 17 / 4 = 2058.82 -> (2058.82 - 600) / 3.5 + 600
    SetTotals(e, {360, 10, 30});
    e.PlayUntil = 350;
    EXPECT_EQ(e.GameRating(), 1016);

    // 400: 400 * 450 / 7 / 4 = 6428.57 -> (6428.57 - 700) / 3 + 700
    SetTotals(e, {410, 0, 40});
    e.PlayUntil = 400;
    EXPECT_EQ(e.GameRating(), 2609);

    // Below the threshold nothing changes: 300 * 140 / 27 / 4 = 388.9
    SetTotals(e, {100, 20, 20});
    e.PlayUntil = 300;
    EXPECT_EQ(e.GameRating(), 388);
}

TEST(StatusTexts, FixedNoticesAndPaddedScores) {
    std::string text = "kept";
    Engine::GameText(7, text);
    EXPECT_EQ(text, "kept");
    Engine::GameText(1, text);
    EXPECT_EQ(text, "Reshuffling Cards");
    Engine::GameText(2, text);
    EXPECT_EQ(text, "GAME OVER");
    Engine::GameText(3, text);
    EXPECT_EQ(text, "Winner: ");
    Engine::GameText(4, text);
    EXPECT_EQ(text, "SCORES");

    EXPECT_EQ(Engine::PadScore(5), "   5");
    EXPECT_EQ(Engine::PadScore(42), "  42");
    EXPECT_EQ(Engine::PadScore(317), " 317");
    EXPECT_EQ(Engine::PadScore(2048), "2048");
    EXPECT_EQ(Engine::PadScore(12345), "12345");
    for (int n = 0; n <= 9999; ++n)
        ASSERT_EQ(Engine::PadScore(n).size(), 4u) << n;
}

TEST(StatusTexts, DrawsAndPasses) {
    Engine e;
    e.SetDefaultNames();
    e.MakeDrawText(1, 3);
    EXPECT_EQ(e.SeatStatusText, "Vur\r\nDraws\r\n1 Card");
    EXPECT_EQ(e.HumanStatusText, "You\r\nDraws\r\n1 Card");
    e.MakeDrawText(4, 2);
    EXPECT_EQ(e.SeatStatusText, "Raduz\r\nDraws\r\n4 Cards");
    e.MakeDrawText(0, 2);
    EXPECT_EQ(e.SeatStatusText, "Raduz\r\nDraws\r\n0 Card");
    e.MakePassText(5);
    EXPECT_EQ(e.SeatStatusText, "Dezev\r\nPasses");

    e.PlayerNames[4] = "Twenty characters ok";
    e.MakePassText(4);
    EXPECT_EQ(e.SeatStatusText, "Twenty characters ok\r\nPasses");
}
