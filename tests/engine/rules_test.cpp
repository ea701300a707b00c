// SPDX-License-Identifier: GPL-3.0-or-later
// Which cards may be laid, what the special ranks do to the turn, and the end of a round.
#include "engine_test_support.h"

#include <gtest/gtest.h>

using namespace test_cards;

namespace {

Engine WithTop(int top, int activeSuit) {
    Engine e;
    SetDiscard(e, {Face(9, kDiamonds), top});
    e.ActiveSuit = activeSuit;
    return e;
}

} // namespace

TEST(IsLegalPlay, PlainTopCardAsksForSuitOrRank) {
    const Engine e = WithTop(Face(7, kClubs), kClubs);
    EXPECT_TRUE(e.IsLegalPlay(Face(2, kClubs), 0, true));
    EXPECT_TRUE(e.IsLegalPlay(Card(6, kHearts, 1), 0, true)); // a seven of the other deck
    for (int joker = 105; joker <= 108; ++joker)
        EXPECT_TRUE(e.IsLegalPlay(joker, 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Face(9, kHearts), 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Card(kKing, kDiamonds), 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Card(kAce, kSpades), 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Card(kQueen, kSpades), 0, true)) << "a queen laid is no wildcard";
    for (int bad : {0, -1, 109, 500})
        EXPECT_FALSE(e.IsLegalPlay(bad, 0, true));
}

TEST(IsLegalPlay, QueenOnTopTakesAnyCard) {
    const Engine e = WithTop(Card(kQueen, kSpades), kSpades);
    EXPECT_TRUE(e.IsLegalPlay(Face(3, kHearts), 0, true));
    EXPECT_TRUE(e.IsLegalPlay(Face(10, kDiamonds), 0, true));
    EXPECT_TRUE(e.IsLegalPlay(106, 0, true));
}

TEST(IsLegalPlay, JokerOnTopAsksForTheNamedSuit) {
    const Engine e = WithTop(107, kHearts);
    EXPECT_TRUE(e.IsLegalPlay(Face(4, kHearts), 0, true));
    EXPECT_TRUE(e.IsLegalPlay(Card(kKing, kHearts, 1), 0, true));
    EXPECT_TRUE(e.IsLegalPlay(105, 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Card(kQueen, kSpades), 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Face(4, kDiamonds), 0, true));
}

TEST(IsLegalPlay, NamedSuitAfterAJackChainStillCounts) {
    // The top card is a club but the suit to follow is hearts: both are accepted.
    const Engine e = WithTop(Face(5, kClubs), kHearts);
    EXPECT_TRUE(e.IsLegalPlay(Face(8, kClubs), 0, true));
    EXPECT_TRUE(e.IsLegalPlay(Face(8, kHearts), 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Face(8, kSpades), 0, true));
}

TEST(IsLegalPlay, NothingIsLegalOnceTheRoundIsOver) {
    Engine e = WithTop(Card(kQueen, kHearts), kHearts);
    e.RoundOver = true;
    EXPECT_FALSE(e.IsLegalPlay(105, 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Face(3, kHearts), 0, true));
    EXPECT_FALSE(e.IsLegalPlay(Face(3, kHearts), Face(4, kHearts), false));
}

TEST(IsLegalPlay, JudgedAgainstAnotherCardForAChain) {
    Engine e = WithTop(Face(7, kClubs), kClubs);
    const int jackOfHearts = Card(kJack, kHearts);
    EXPECT_TRUE(e.IsLegalPlay(Card(kJack, kSpades), jackOfHearts, false));
    EXPECT_TRUE(e.IsLegalPlay(Face(5, kHearts), jackOfHearts, false));
    EXPECT_TRUE(e.IsLegalPlay(Face(5, kClubs), jackOfHearts, false)) << "still the active suit";
    EXPECT_FALSE(e.IsLegalPlay(Face(5, kSpades), jackOfHearts, false));
    // After a joker in the chain only the active suit or another joker follows.
    EXPECT_TRUE(e.IsLegalPlay(Face(5, kClubs), 105, false));
    EXPECT_TRUE(e.IsLegalPlay(108, 105, false));
    EXPECT_FALSE(e.IsLegalPlay(Face(5, kHearts), 105, false));
    EXPECT_FALSE(e.IsLegalPlay(Card(kJack, kHearts), 105, false));
    EXPECT_FALSE(e.IsLegalPlay(Face(5, kClubs), 0, false));
    EXPECT_FALSE(e.IsLegalPlay(Face(5, kClubs), -4, false));
}

TEST(ApplyCardEffect, MovesTheTurnForEverySeatCountAndDirection) {
    struct Case {
        int seats, direction, seat, card, nextSeat, nextDirection;
    };
    const int ace = Card(kAce, kHearts);
    const int king = Card(kKing, kHearts);
    const int plain = Face(8, kHearts);
    const Case cases[] = {
        {4, 1, 3, ace, 1, 1},     {4, 1, 4, ace, 2, 1},   {4, -1, 1, ace, 3, -1},
        {4, -1, 2, ace, 4, -1},   {3, 1, 2, king, 1, -1}, {3, -1, 1, king, 2, 1},
        {3, 1, 3, ace, 2, 1},     {3, -1, 1, ace, 2, -1}, {5, 1, 5, ace, 2, 1},
        {5, -1, 1, ace, 4, -1},   {5, 1, 4, ace, 1, 1},   {5, 1, 5, plain, 1, 1},
        {5, -1, 1, plain, 5, -1}, {5, 1, 1, king, 5, -1}, {4, -1, 4, king, 1, 1},
        {3, 1, 1, plain, 2, 1},   {4, 1, 2, 106, 3, 1},   {4, -1, 1, Face(2, kClubs), 4, -1},
    };
    for (const Case& c : cases) {
        Engine e;
        e.PlayerCount = c.seats;
        e.Direction = c.direction;
        e.CurrentPlayer = c.seat;
        e.ApplyCardEffect(c.card);
        EXPECT_EQ(e.CurrentPlayer, c.nextSeat)
            << c.seats << " seats, seat " << c.seat << " lays " << c.card;
        EXPECT_EQ(e.Direction, c.nextDirection);
    }
}

TEST(ApplyCardEffect, SetsTheSuitToFollowExceptForAJoker) {
    Engine e;
    e.PlayerCount = 4;
    e.Direction = 1;
    e.CurrentPlayer = 1;
    e.ActiveSuit = kClubs;
    e.ApplyCardEffect(Card(4, kSpades, 1));
    EXPECT_EQ(e.ActiveSuit, kSpades);
    e.ActiveSuit = kDiamonds; // the suit named for the joker
    e.ApplyCardEffect(108);
    EXPECT_EQ(e.ActiveSuit, kDiamonds);
}

TEST(TurnOrder, AdvanceAndStepBackWrapBothWays) {
    Engine e;
    e.PlayerCount = 3;
    e.Direction = 1;
    e.CurrentPlayer = 3;
    e.AdvanceTurn();
    EXPECT_EQ(e.CurrentPlayer, 1);
    e.StepBackTurn();
    EXPECT_EQ(e.CurrentPlayer, 3);
    e.Direction = -1;
    e.CurrentPlayer = 1;
    e.AdvanceTurn();
    EXPECT_EQ(e.CurrentPlayer, 3);
    e.StepBackTurn();
    EXPECT_EQ(e.CurrentPlayer, 1);

    // Stray values from a damaged saved game still land on a seat of the table.
    e.PlayerCount = 9;
    e.CurrentPlayer = 5;
    e.Direction = 1;
    e.AdvanceTurn();
    EXPECT_EQ(e.CurrentPlayer, 1);
    e.PlayerCount = 4;
    e.CurrentPlayer = 7;
    e.ApplyCardEffect(Face(5, kClubs));
    EXPECT_GE(e.CurrentPlayer, 1);
    EXPECT_LE(e.CurrentPlayer, 4);

    // Every start, near the table or far off it, lands where counting round the table says.
    for (int seats = 1; seats <= 5; ++seats) {
        e.PlayerCount = seats;
        for (int start = -3 * seats - 2; start <= 3 * seats + 2; ++start) {
            for (int direction : {1, -1, 2, -2}) {
                e.CurrentPlayer = start;
                e.Direction = direction;
                e.AdvanceTurn();
                const int step = start + direction - 1;
                const int expected = (step % seats + seats) % seats + 1;
                ASSERT_EQ(e.CurrentPlayer, expected)
                    << seats << " seats, from " << start << " by " << direction;
            }
        }
    }
}

TEST(ApplyFirstDiscard, KingAndAceMoveTheLeadOthersDoNot) {
    Engine e;
    e.PlayerCount = 5;
    e.Direction = 1;
    e.CurrentPlayer = 1;
    e.ApplyFirstDiscard(Card(kKing, kClubs));
    EXPECT_EQ(e.Direction, -1);
    EXPECT_EQ(e.CurrentPlayer, 5);
    EXPECT_EQ(e.ActiveSuit, kClubs);

    e.Direction = 1;
    e.CurrentPlayer = 5;
    e.ApplyFirstDiscard(Card(kAce, kSpades, 1));
    EXPECT_EQ(e.CurrentPlayer, 1);
    EXPECT_EQ(e.ActiveSuit, kSpades);

    e.PlayerCount = 3;
    e.CurrentPlayer = 2;
    for (int card : {Card(kQueen, kHearts), Card(kJack, kDiamonds), Face(2, kHearts)}) {
        e.ApplyFirstDiscard(card);
        EXPECT_EQ(e.CurrentPlayer, 2);
        EXPECT_EQ(e.Direction, 1);
    }
    EXPECT_EQ(e.ActiveSuit, kHearts);
}

TEST(CheckRoundEnd, FindsTheLowestEmptySeatAndScoresOnce) {
    Engine e;
    e.PlayerCount = 4;
    e.RoundNo = 1;
    SetDiscard(e, {Face(6, kClubs)});
    SetHand(e, 1, {Face(3, kHearts)});
    SetHand(e, 2, {});
    SetHand(e, 3, {Face(6, kSpades), Card(kKing, kHearts)});
    SetHand(e, 4, {});
    EXPECT_EQ(e.CheckRoundEnd(), 2);
    EXPECT_TRUE(e.RoundOver);
    EXPECT_EQ(e.ScoreTable[1][1], 3);
    EXPECT_EQ(e.ScoreTable[3][1], 22);
    EXPECT_EQ(e.ScoreTable[3][11], 22);
    const auto table = e.ScoreTable;
    EXPECT_EQ(e.CheckRoundEnd(), 2);
    EXPECT_EQ(e.ScoreTable, table) << "scoring again gives the same table";

    Engine going;
    going.PlayerCount = 3;
    for (int seat = 1; seat <= 3; ++seat)
        SetHand(going, seat, {Face(4, kClubs)});
    SetHand(going, 5, {}); // not in play
    EXPECT_EQ(going.CheckRoundEnd(), 0);
    EXPECT_FALSE(going.RoundOver);
}

TEST(AllHandsFull, NeedsNineteenInEverySeatInPlay) {
    Engine e;
    e.PlayerCount = 4;
    for (int seat = 1; seat <= 4; ++seat)
        e.Hands[seat].count = 19;
    EXPECT_TRUE(e.AllHandsFull());
    e.Hands[3].count = 18;
    EXPECT_FALSE(e.AllHandsFull());
    e.Hands[3].count = 19;
    e.Hands[5].count = 0;
    EXPECT_TRUE(e.AllHandsFull()) << "seat 5 is not in a four-seat game";
    e.PlayerCount = 0;
    EXPECT_TRUE(e.AllHandsFull());
}

TEST(FindJackChainSlot, FirstFreeEntryAndLastPositionOfACard) {
    Engine e;
    JackChainSlot s = e.FindJackChainSlot(Card(kJack, kClubs));
    EXPECT_EQ(s.firstFree, 1);
    EXPECT_EQ(s.position, 0);

    e.JackChain[1] = Card(kJack, kClubs);
    e.JackChain[2] = Card(kJack, kHearts);
    e.JackChain[3] = Card(kJack, kClubs);
    s = e.FindJackChainSlot(Card(kJack, kClubs));
    EXPECT_EQ(s.firstFree, 4);
    EXPECT_EQ(s.position, 3);

    for (int i = 1; i <= 9; ++i)
        e.JackChain[i] = 10 + i;
    s = e.FindJackChainSlot(12);
    EXPECT_EQ(s.firstFree, 0);
    EXPECT_EQ(s.position, 2);
    EXPECT_EQ(e.FindJackChainSlot(99).position, 0);
}
