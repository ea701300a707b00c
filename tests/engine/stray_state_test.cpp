// State read from a damaged saved game or set by a careless caller may hold any value; no
// operation may then read or write outside its arrays. The engine is built for these tests with
// the standard library's bounds checks, so a stray index aborts the run instead of passing.
#include "engine_test_support.h"

#include <gtest/gtest.h>

using namespace test_cards;

TEST(StrayState, EveryOperationStaysInsideItsArrays) {
    const int seats[] = {-3, 0, 1, 2, 6, 9};
    const int counts[] = {-4, 0, 19, 52, 60};
    for (int playerCount : {-1, 0, 2, 6, 40}) {
        for (int seat : seats) {
            for (int count : counts) {
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
                e.SwapOutJoker(105);
                e.ReshuffleDiscards();
                e.IsLegalPlay(7, 0, true);
                e.ApplyCardEffect(Card(kAce, kClubs));
                e.ApplyFirstDiscard(Card(kKing, kClubs));
                e.AllHandsFull();
                e.CheckRoundEnd();
                for (int s : seats) {
                    e.OrderComputerHand(s);
                    e.ChooseAnsweringTwo(s);
                    e.ChooseSuit(s);
                    PlayList list{};
                    e.PlayJackFollowUps(s, list);
                    e.PlayFromSlot(s, count, list);
                    e.OrderHandBySuit(s);
                    e.OrderHandByPoints(s);
                    e.MakeDrawText(2, s);
                    e.MakePassText(s);
                }
                e.PlayFirstLegalCard();
                e.ScoreRound();
                e.FindLeader();
                e.GameRating();
                e.TurnMarkerPlace();
                e.StatusLabelPlace();
                e.DiscardTop = 108;
                e.LayOnDiscardPile(5);
                e.DiscardTop = -7;
                e.LayOnDiscardPile(5);
                EXPECT_EQ(e.TopDiscard(), 5);
                Engine::QuickSortKeys(e.SortKeys, -5, 90);
            }
        }
    }
}
