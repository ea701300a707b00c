// SPDX-License-Identifier: GPL-3.0-or-later
// The computer seats' hand order, their choice of card, two, suit and jack follow-ups, and the
// display orders of a hand.
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace test_cards;

namespace {

// A three-seat table where seat 2 is to play and the other seats hold `others` cards each.
Engine TableForSeatTwo(int strategySeed, int others) {
    Engine e;
    e.SeedRandom(21);
    e.PlayerCount = 3;
    e.CurrentPlayer = 2;
    e.StrategySeed = strategySeed;
    e.Hands[1].count = others;
    e.Hands[3].count = others;
    return e;
}

std::set<int> PrioritiesSeen(Engine& e, bool tableA, int m, int card) {
    const DecodedCard d = Engine::DecodeCard(card);
    std::set<int> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(tableA ? e.PriorityTableA(m, d.RankIndex, d.CardPoints)
                           : e.PriorityTableB(m, d.RankIndex, d.CardPoints));
    return seen;
}

std::set<int> Range(int lo, int hi) {
    std::set<int> s;
    for (int i = lo; i <= hi; ++i)
        s.insert(i);
    return s;
}

} // namespace

TEST(OrderComputerHand, LongestSuitFirstThenPriorityThenCode) {
    // Table A with the smallest other hand at 8 cards.
    Engine e = TableForSeatTwo(0, 8);
    const int fiveHearts = Face(5, kHearts);
    const int kingHearts = Card(kKing, kHearts);
    const int nineClubs = Face(9, kClubs);
    const int jackSpades = Card(kJack, kSpades);
    SetHand(e, 2, {fiveHearts, kingHearts, nineClubs, jackSpades, 105});
    e.OrderComputerHand(2);
    EXPECT_EQ(HandCards(e, 2),
              std::vector<int>({kingHearts, fiveHearts, jackSpades, nineClubs, 105}));
    EXPECT_EQ(e.Hands[2].slot[6], 0);

    // Gaps left by a laid card are closed, even with a card stranded past the count.
    SetHand(e, 2, {});
    e.Hands[2].count = 3;
    e.Hands[2].slot[2] = nineClubs;
    e.Hands[2].slot[5] = Face(3, kClubs);
    e.Hands[2].slot[12] = Face(4, kHearts);
    e.OrderComputerHand(2);
    EXPECT_EQ(e.Hands[2].count, 3);
    EXPECT_EQ(HandCards(e, 2), std::vector<int>({nineClubs, Face(3, kClubs), Face(4, kHearts)}));
    EXPECT_EQ(e.Hands[2].slot[12], 0);

    // A card stranded far past the count is not kept, yet it still lengthens its suit: with
    // it the five of hearts leads, without it the nine of clubs does on priority.
    for (const bool stranded : {false, true}) {
        SetHand(e, 2, {Face(5, kHearts), nineClubs});
        if (stranded)
            e.Hands[2].slot[40] = Face(7, kHearts);
        e.OrderComputerHand(2);
        EXPECT_EQ(HandCards(e, 2), stranded ? std::vector<int>({Face(5, kHearts), nineClubs})
                                            : std::vector<int>({nineClubs, Face(5, kHearts)}));
        EXPECT_EQ(e.Hands[2].slot[40], 0);
    }
}

TEST(OrderComputerHand, ParityChoosesTheTableAndWhoseHandCountsAsSmallest) {
    // Seat 2 holds a joker and a five; the others hold nine cards each.
    // Seed 0: table A, own hand left out, m = 9: the joker is kept for later.
    Engine a = TableForSeatTwo(0, 9);
    SetHand(a, 2, {105, Face(5, kHearts)});
    a.OrderComputerHand(2);
    EXPECT_EQ(HandCards(a, 2), std::vector<int>({Face(5, kHearts), 105}));

    // Seed 1: table B, own two cards count, m = 2: the joker goes first and is laid.
    Engine b = TableForSeatTwo(1, 9);
    SetHand(b, 2, {Face(5, kHearts), 105});
    SetDiscard(b, {Face(9, kHearts)});
    b.ActiveSuit = kHearts;
    b.OrderComputerHand(2);
    EXPECT_EQ(HandCards(b, 2), std::vector<int>({105, Face(5, kHearts)}));
    EXPECT_EQ(b.PlayFirstLegalCard(), 105);
    EXPECT_EQ(b.TopDiscard(), 105);
    EXPECT_EQ(b.DiscardPile[0], 2);
    EXPECT_EQ(HandCards(b, 2), std::vector<int>({Face(5, kHearts)}));
}

TEST(PriorityTables, TableAReactsToTheSmallestHand) {
    Engine e;
    e.SeedRandom(31);
    EXPECT_EQ(PrioritiesSeen(e, true, 3, 105), Range(11, 15));
    EXPECT_EQ(PrioritiesSeen(e, true, 0, 106), Range(12, 16));
    EXPECT_EQ(PrioritiesSeen(e, true, 4, 106), Range(9, 13));
    EXPECT_EQ(PrioritiesSeen(e, true, 5, 106), Range(6, 10));
    EXPECT_EQ(PrioritiesSeen(e, true, 6, 106), Range(4, 8));
    EXPECT_EQ(PrioritiesSeen(e, true, 7, 107), Range(2, 5));
    EXPECT_EQ(PrioritiesSeen(e, true, 30, 108), Range(1, 3));
    EXPECT_EQ(PrioritiesSeen(e, true, 3, Face(2, kClubs)), Range(8, 12));
    EXPECT_EQ(PrioritiesSeen(e, true, 4, Face(2, kClubs)), std::set<int>{2});
    EXPECT_EQ(PrioritiesSeen(e, true, 3, Card(kQueen, kClubs)), Range(5, 6));
    EXPECT_EQ(PrioritiesSeen(e, true, 1, Card(kQueen, kClubs)), Range(1, 2));
    EXPECT_EQ(PrioritiesSeen(e, true, 0, Card(kQueen, kClubs)), std::set<int>{10});
    EXPECT_EQ(PrioritiesSeen(e, true, 5, Card(kQueen, kClubs)), std::set<int>{10});
    EXPECT_EQ(PrioritiesSeen(e, true, 2, Card(kAce, kClubs)), std::set<int>{12});
    EXPECT_EQ(PrioritiesSeen(e, true, 2, Card(kJack, kClubs)), std::set<int>{11});
    EXPECT_EQ(PrioritiesSeen(e, true, 2, Card(kKing, kClubs)), std::set<int>{10});
    EXPECT_EQ(PrioritiesSeen(e, true, 2, Face(7, kClubs)), std::set<int>{7});
}

TEST(PriorityTables, TableBDumpsJokersEarlyAndPushesTwos) {
    Engine e;
    e.SeedRandom(32);
    EXPECT_EQ(PrioritiesSeen(e, false, 0, 105), std::set<int>{19});
    EXPECT_EQ(PrioritiesSeen(e, false, 3, 105), std::set<int>{19});
    EXPECT_EQ(PrioritiesSeen(e, false, 4, 105), std::set<int>{10});
    EXPECT_EQ(PrioritiesSeen(e, false, 5, 105), Range(6, 8));
    EXPECT_EQ(PrioritiesSeen(e, false, 6, 105), Range(4, 6));
    EXPECT_EQ(PrioritiesSeen(e, false, 8, 105), Range(2, 4));
    EXPECT_EQ(PrioritiesSeen(e, false, 9, 105), std::set<int>{1});
    EXPECT_EQ(PrioritiesSeen(e, false, 20, Face(2, kHearts)), Range(4, 8));
    EXPECT_EQ(PrioritiesSeen(e, false, 0, Card(kQueen, kHearts)), std::set<int>{-1});
    EXPECT_EQ(PrioritiesSeen(e, false, 4, Card(kQueen, kHearts)), std::set<int>{7});
    EXPECT_EQ(PrioritiesSeen(e, false, 5, Card(kQueen, kHearts)), std::set<int>{10});
    EXPECT_EQ(PrioritiesSeen(e, false, 0, Card(kAce, kHearts)), std::set<int>{12});
}

TEST(PriorityTables, DrawOnlyForCardsThatNeedChance) {
    // An ordering of plain cards must not use up random draws.
    Engine ordered = TableForSeatTwo(0, 9);
    Engine untouched = TableForSeatTwo(0, 9);
    SetHand(ordered, 2, {Face(5, kHearts), Card(kAce, kClubs), Card(kJack, kSpades)});
    ordered.OrderComputerHand(2);
    EXPECT_EQ(ordered.Random(1000000), untouched.Random(1000000));
}

TEST(PlayFirstLegalCard, LaysTheFirstLegalCardOrNothing) {
    Engine e = TableForSeatTwo(0, 9);
    SetDiscard(e, {Face(5, kDiamonds)});
    e.ActiveSuit = kDiamonds;
    SetHand(e, 2, {106, 108});
    EXPECT_TRUE(Engine::IsJoker(e.PlayFirstLegalCard()));
    EXPECT_EQ(e.Hands[2].count, 1);

    SetDiscard(e, {Face(5, kDiamonds)});
    SetHand(e, 2, {Face(7, kClubs), Face(8, kSpades)});
    const auto before = e.Hands[2];
    EXPECT_EQ(e.PlayFirstLegalCard(), 0);
    EXPECT_EQ(e.Hands[2].slot, before.slot);
    EXPECT_EQ(e.DiscardTop, 1);

    SetHand(e, 2, {Face(7, kClubs), Face(5, kSpades), Face(9, kDiamonds)});
    EXPECT_EQ(e.PlayFirstLegalCard(), Face(5, kSpades));
    EXPECT_EQ(e.Hands[2].count, 2);
}

TEST(ChooseAnsweringTwo, PrefersTheTwoOfTheLongestSuit) {
    Engine e;
    SetHand(
        e, 3,
        {Face(2, kHearts), Face(2, kSpades), Face(5, kSpades), Face(9, kSpades), Face(4, kHearts)});
    AnsweringTwo a = e.ChooseAnsweringTwo(3);
    EXPECT_TRUE(a.found);
    EXPECT_EQ(a.card, Face(2, kSpades));
    EXPECT_EQ(a.slot, 2);

    // Equal suits: the lower suit index wins.
    SetHand(e, 3, {Face(2, kClubs), Face(2, kDiamonds), Face(5, kClubs), Face(5, kDiamonds)});
    EXPECT_EQ(e.ChooseAnsweringTwo(3).card, Face(2, kDiamonds));

    // The longest suit has no two: the next one gives it.
    SetHand(e, 3,
            {Face(5, kSpades), Face(6, kSpades), Face(7, kSpades), Face(2, kClubs),
             Face(2, kHearts), Face(9, kHearts)});
    EXPECT_EQ(e.ChooseAnsweringTwo(3).card, Face(2, kHearts));

    // Only the fourth suit has a two: the remembered one, in the highest slot, is used.
    SetHand(e, 3,
            {Face(3, kDiamonds), Face(4, kDiamonds), Face(5, kDiamonds), Face(6, kDiamonds),
             Face(3, kClubs), Face(4, kClubs), Face(5, kClubs), Face(3, kHearts), Face(4, kHearts),
             Face(2, kSpades)});
    a = e.ChooseAnsweringTwo(3);
    EXPECT_EQ(a.card, Face(2, kSpades));
    EXPECT_EQ(a.slot, 10);

    SetHand(e, 3, {Face(5, kSpades), 105});
    a = e.ChooseAnsweringTwo(3);
    EXPECT_FALSE(a.found);
    EXPECT_EQ(a.card, 0);
    EXPECT_EQ(a.slot, 0);
}

TEST(ChooseSuit, NamesTheHeaviestSuitAndBreaksTiesByChance) {
    Engine twin;
    Engine e;
    e.SeedRandom(41);
    twin.SeedRandom(41);
    SetHand(e, 2, {});
    EXPECT_EQ(e.ChooseSuit(2), twin.Random(4)) << "an empty hand names a random suit";

    std::array<int, 4> named{};
    for (int i = 0; i < 2000; ++i) {
        SetHand(e, 2, {Card(kAce, kClubs), Face(3, kHearts), Face(4, kHearts)});
        const int suit = e.ChooseSuit(2);
        ++named[suit];
        EXPECT_EQ(e.SuitWeights[kHearts], 2);
        EXPECT_TRUE(e.SuitWeights[kClubs] == 2 || e.SuitWeights[kClubs] == 3);
        if (e.SuitWeights[kClubs] == 3) {
            EXPECT_EQ(suit, kClubs);
        }
    }
    EXPECT_EQ(named[kDiamonds] + named[kSpades], 0);
    // Clubs: weight 3 one time in ten, otherwise half of the ties.
    EXPECT_NEAR(named[kClubs] / 2000.0, 0.55, 0.05);

    // A joker weighs for the suit of its picture (108 shows spades).
    for (int i = 0; i < 50; ++i) {
        SetHand(e, 4, {108, Face(3, kDiamonds)});
        EXPECT_EQ(e.ChooseSuit(4), kSpades);
    }
}

TEST(PlayJackFollowUps, LaysFurtherJacksThenOneCardOfTheLastJacksSuit) {
    Engine e = TableForSeatTwo(0, 9);
    SetDiscard(e, {Face(4, kSpades), Card(kJack, kSpades)});
    e.ActiveSuit = kSpades;
    const int jackHearts = Card(kJack, kHearts);
    const int jackClubs = Card(kJack, kClubs);
    SetHand(e, 2, {jackHearts, jackClubs, Face(7, kClubs), Face(8, kHearts)});
    e.OrderComputerHand(2);
    EXPECT_EQ(HandCards(e, 2),
              std::vector<int>({jackClubs, jackHearts, Face(8, kHearts), Face(7, kClubs)}));
    PlayList list;
    list.fill(7);
    e.PlayJackFollowUps(2, list);
    EXPECT_EQ(list[0], 3);
    EXPECT_EQ(list[1], jackHearts);
    EXPECT_EQ(list[2], jackClubs);
    EXPECT_EQ(list[3], Face(7, kClubs));
    EXPECT_EQ(list[4], 0);
    EXPECT_EQ(e.TopDiscard(), Face(7, kClubs));
    EXPECT_EQ(e.DiscardTop, 5);
    EXPECT_EQ(HandCards(e, 2), std::vector<int>({Face(8, kHearts)}));
}

TEST(PlayJackFollowUps, AtMostFourJacksAndNothingFromAnEmptyHand) {
    Engine e = TableForSeatTwo(0, 9);
    SetDiscard(e, {Card(kJack, kDiamonds)});
    SetHand(e, 2,
            {Card(kJack, kClubs), Card(kJack, kHearts), Card(kJack, kSpades),
             Card(kJack, kClubs, 1), Card(kJack, kHearts, 1), Face(3, kDiamonds)});
    PlayList list{};
    e.PlayJackFollowUps(2, list);
    EXPECT_EQ(list[0], 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(Engine::IsJack(list[i]));
    EXPECT_EQ(e.Hands[2].count, 2) << "a fifth jack and an off-suit three stay";

    SetHand(e, 2, {Card(kJack, kClubs)});
    e.PlayJackFollowUps(2, list);
    EXPECT_EQ(list[0], 1);
    EXPECT_EQ(e.Hands[2].count, 0);

    e.PlayJackFollowUps(2, list);
    EXPECT_EQ(list[0], 0);
}

TEST(DisplayOrder, BySuitAndByPoints) {
    Engine e;
    const int kingHearts = Card(kKing, kHearts);
    const int aceDiamonds = Card(kAce, kDiamonds);
    const int fiveHearts = Face(5, kHearts);
    SetHand(e, 1, {kingHearts, 105, aceDiamonds, fiveHearts});
    e.OrderHandBySuit(1);
    EXPECT_EQ(HandCards(e, 1), std::vector<int>({aceDiamonds, fiveHearts, kingHearts, 105}));

    SetHand(e, 1, {Card(kAce, kHearts), Face(2, kHearts)});
    e.OrderHandByPoints(1);
    EXPECT_EQ(HandCards(e, 1), std::vector<int>({Face(2, kHearts), Card(kAce, kHearts)}));

    // Jokers last, and within a suit: 2 .. king, then ace; equal cards of two decks by code.
    SetHand(e, 4,
            {108, Card(kAce, kClubs), Card(kKing, kClubs), Card(2, kClubs, 1), Face(3, kClubs),
             Face(9, kDiamonds)});
    e.OrderHandByPoints(4);
    EXPECT_EQ(HandCards(e, 4),
              std::vector<int>({Face(9, kDiamonds), Face(3, kClubs), Card(2, kClubs, 1),
                                Card(kKing, kClubs), Card(kAce, kClubs), 108}));
}

TEST(DisplayOrder, EveryOrderingLeavesItsKeysSortedAndTheHandInKeyOrder) {
    // The scratch keys of the last ordering, sorted over 1..last with the empty keys first,
    // name the hand's cards in hand order; cards stranded past the count and gaps included.
    Engine e;
    e.SeedRandom(31);
    e.PlayerCount = 5;
    for (int trial = 0; trial < 300; ++trial) {
        const int seat = 1 + trial % 5;
        e.CurrentPlayer = 1 + e.Random(5);
        e.StrategySeed = e.Random(6);
        for (int other = 1; other <= 5; ++other)
            e.Hands[other].count = e.Random(20);
        Hand& hand = e.Hands[seat];
        hand = Hand{};
        hand.count = e.Random(20);
        for (int slot = 1; slot <= hand.count + 12 && slot <= 52; ++slot)
            hand.slot[slot] = e.Random(3) == 0 ? 0 : 1 + e.Random(108);
        const int heldBefore = hand.count;
        switch (trial % 3) {
        case 0:
            e.OrderComputerHand(seat);
            break;
        case 1:
            e.OrderHandBySuit(seat);
            break;
        default:
            e.OrderHandByPoints(seat);
        }
        // The orderings look at slots 1..count + 10 and sort keys 1..last, one past the last
        // card key at least.
        const int keys = static_cast<int>(
            std::count_if(e.SortKeys.begin(), e.SortKeys.end(), [](int key) { return key != 0; }));
        const int last = std::max(std::min(heldBefore + 10, 52), keys + 1);
        ASSERT_TRUE(std::is_sorted(e.SortKeys.begin() + 1, e.SortKeys.begin() + last + 1))
            << "trial " << trial;
        ASSERT_TRUE(std::all_of(e.SortKeys.begin() + last + 1, e.SortKeys.end(),
                                [](int key) { return key == 0; }));
        std::vector<int> fromKeys;
        for (int i = 1; i <= last && static_cast<int>(fromKeys.size()) < heldBefore; ++i)
            if (e.SortKeys[i] > 999)
                fromKeys.push_back(e.SortKeys[i] % 1000);
        ASSERT_EQ(HandCards(e, seat), fromKeys) << "trial " << trial;
        for (int slot = hand.count + 1; slot <= 52; ++slot)
            ASSERT_EQ(hand.slot[slot], 0) << "trial " << trial;
    }
}
