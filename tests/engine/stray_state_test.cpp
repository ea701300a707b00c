// SPDX-License-Identifier: GPL-3.0-or-later
// State read from a damaged saved game or set by a careless caller may hold any value; no
// operation may then read or write outside its arrays. The engine is built for these tests with
// the standard library's bounds checks, so a stray index aborts the run instead of passing.
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace test_cards;

namespace {

// Every card the state holds is a card code or an empty place.
::testing::AssertionResult HoldsOnlyCards(const Engine& e) {
    const auto bad = [](int code) { return code < 0 || code > 108; };
    for (int seat = 0; seat < static_cast<int>(e.Hands.size()); ++seat)
        for (size_t k = 1; k < e.Hands[seat].slot.size(); ++k)
            if (bad(e.Hands[seat].slot[k]))
                return ::testing::AssertionFailure() << "seat " << seat << " slot " << k;
    for (size_t k = 1; k < e.StockPile.size(); ++k)
        if (bad(e.StockPile[k]) || bad(e.DiscardPile[k]))
            return ::testing::AssertionFailure() << "pile place " << k;
    for (int i = 1; i <= 9; ++i)
        if (bad(e.JackChain[i]))
            return ::testing::AssertionFailure() << "chain place " << i;
    return ::testing::AssertionSuccess();
}

} // namespace

// State from a saved game, a test or a stray option may hold any number; no operation may
// read or write outside its arrays for it, or leave anything but a card code in a hand, a
// pile or the chain.
TEST(StrayState, EveryOperationStaysInsideItsArrays) {
    const int seats[] = {-3, 0, 1, 2, 6, 9};
    const int counts[] = {-4, 0, 19, 52, 60};
    for (int playerCount : {-1, 0, 2, 6, 40}) {
        for (int seat : seats) {
            for (int count : counts) {
                SCOPED_TRACE(::testing::Message() << "players " << playerCount << " seat " << seat
                                                  << " count " << count);
                Engine e;
                e.SeedRandom(static_cast<uint32_t>(playerCount * 1000 + seat * 10 + count));
                e.PlayerCount = playerCount;
                e.CurrentPlayer = seat;
                e.Direction = seat % 2 ? 1 : -1;
                e.RoundNo = count;
                e.DealSize = count;
                e.StockPos = -count;
                e.StockPile[0] = count * 3;
                e.DiscardTop = count * 3;
                e.DiscardPile[0] = e.DiscardTop;
                for (auto& hand : e.Hands)
                    hand.count = count;
                e.DealHands();
                for (auto& hand : e.Hands)
                    hand.count = count;
                e.StockPos = 200;
                e.DrawCard();
                e.TurnUpFirstDiscard();
                e.SwapOutJoker(105);
                e.ReshuffleDiscards();
                e.IsLegalPlay(7, 0, true);
                e.ApplyCardEffect(Card(kAce, kClubs));
                e.ApplyFirstDiscard(Card(kKing, kClubs));
                e.AllHandsFull();
                e.CheckRoundEnd();
                e.AddToJackChain(count, 7, count);
                e.MarkSelected(count, true);
                e.DropFromJackChain(count);
                EXPECT_TRUE(HoldsOnlyCards(e));
                for (int s : seats) {
                    e.OrderComputerHand(s);
                    e.ChooseAnsweringTwo(s);
                    e.ChooseSuit(s);
                    PlayList list{};
                    e.PlayJackFollowUps(s, list);
                    e.PlayFromSlot(s, count, list);
                    e.OrderHandBySuit(s);
                    e.OrderHandByPoints(s);
                    e.TakeFromSlot(s, count);
                    e.TakeFromHand(s, 7);
                    e.MakeDrawText(2, s);
                    e.MakePassText(s);
                }
                EXPECT_TRUE(HoldsOnlyCards(e));
                e.PlayFirstLegalCard();
                e.ScoreRound();
                e.FindLeader();
                e.GameRating();
                e.PlaceSeats();
                e.TurnMarkerPlace();
                e.StatusLabelPlace();
                e.DiscardTop = 108;
                e.LayOnDiscardPile(5);
                e.DiscardTop = -7;
                e.LayOnDiscardPile(5);
                EXPECT_EQ(e.TopDiscard(), 5);
                Engine::QuickSortKeys(e.SortKeys, -5, 90);
                EXPECT_TRUE(std::is_sorted(e.SortKeys.begin(), e.SortKeys.end()));
                EXPECT_TRUE(HoldsOnlyCards(e));
            }
        }
    }
}
