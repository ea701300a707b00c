// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of seeded rounds played by computer seats only, with the engine's operations called
// in the order a round runs; the round's invariants are checked after every step.
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace test_cards;

namespace {

// An independent statement of the laying rule, so the check does not lean on IsLegalPlay.
bool LegalOn(int card, int top, int activeSuit) {
    if (card >= 105 && card <= 108)
        return true;
    if (card < 1 || card > 104)
        return false;
    const int suit = (card - 1) % 52 / 13;
    const int rank = (card - 1) % 13;
    if (suit == activeSuit)
        return true;
    if (top >= 105)
        return false;
    const int topSuit = (top - 1) % 52 / 13;
    const int topRank = (top - 1) % 13;
    return topRank == kQueen || topSuit == suit || topRank == rank;
}

struct Stats {
    int rounds = 0;
    int wonRounds = 0;
    int fullRounds = 0;
    int reshuffles = 0;
    int emptyDraws = 0;
    int passes = 0;
    int answeredTwos = 0;
    int jackFollowUps = 0;
};

class RoundRunner {
  public:
    RoundRunner(Engine& engine, Stats& stats) : e(engine), stats(stats) {}

    void PlayRound() {
        Deal();
        int turns = 0;
        while (!e.RoundOver && !HasFailure()) {
            ASSERT_LT(++turns, 5000) << "the round never ended";
            ComputerTurn();
        }
    }

  private:
    Engine& e;
    Stats& stats;
    std::string step;

    static bool HasFailure() { return ::testing::Test::HasFailure(); }

    void Check(const char* what) {
        step = what;
        ASSERT_EQ(CardsInPlay(e), WholePack()) << "after " << step;
        ASSERT_GE(e.CurrentPlayer, 1) << step;
        ASSERT_LE(e.CurrentPlayer, e.PlayerCount) << step;
        ASSERT_EQ(e.DiscardPile[0], e.DiscardTop) << step;
        ASSERT_GE(e.DiscardTop, 1) << step;
        for (int seat = 1; seat <= 5; ++seat) {
            const Hand& h = e.Hands[seat];
            if (seat > e.PlayerCount) {
                ASSERT_EQ(h.count, 0);
                continue;
            }
            ASSERT_GE(h.count, 0) << step;
            ASSERT_LE(h.count, 19) << step;
            for (int slot = 1; slot <= 52; ++slot) {
                if (slot <= h.count) {
                    ASSERT_TRUE(Engine::DecodeCard(h.slot[slot]).valid) << step;
                } else {
                    ASSERT_EQ(h.slot[slot], 0) << step << ": a gap or a stray card";
                }
            }
        }
    }

    // Lays through `lay` and checks the card was legal on the pile as it was.
    template <typename Lay> int LayChecked(Lay lay) {
        const int top = e.TopDiscard();
        const int suit = e.ActiveSuit;
        const int card = lay();
        if (card != 0) {
            EXPECT_TRUE(LegalOn(card, top, suit))
                << card << " laid on " << top << " with suit " << suit;
            ShowOnPile(card);
        }
        return card;
    }

    // The table takes the suit to follow from every plain card it shows on the pile.
    void ShowOnPile(int card) {
        if (!Engine::IsJoker(card))
            e.ActiveSuit = Engine::MatchSuitOf(card);
    }

    void Deal() {
        e.RoundOver = false;
        e.CurrentPlayer = 1;
        e.Direction = 1;
        e.RoundActive = true;
        e.DealHands();
        e.ClearJackChain();
        e.ClearSelectedSlots();
        e.LeadSeat = e.LeadSeat + 1 > e.PlayerCount ? 1 : e.LeadSeat + 1;
        for (int i = 1; i < e.LeadSeat; ++i)
            e.AdvanceTurn();
        ASSERT_EQ(e.CurrentPlayer, e.LeadSeat);

        int first = e.StockPile[e.StockPos];
        ++e.StockPos;
        if (Engine::IsJoker(first))
            first = e.SwapOutJoker(first);
        ASSERT_FALSE(Engine::IsJoker(first));
        e.DiscardPile.fill(0);
        e.DiscardTop = 0;
        e.LayOnDiscardPile(first);
        e.ApplyFirstDiscard(first);
        Check("first discard");
        if (Engine::IsTwo(first)) {
            e.StepBackTurn();
            DrawTwoPenalty(true);
        }
    }

    void ComputerTurn() {
        const int s = e.CurrentPlayer;
        e.OrderComputerHand(s);
        int c = LayChecked([&] { return e.PlayFirstLegalCard(); });
        Check("first play");
        while (c == 0 && e.Hands[s].count < 19) {
            const DrawResult d = e.DrawCard();
            stats.reshuffles += d.reshuffled;
            Check("draw");
            if (d.card == 0) {
                ++stats.emptyDraws; // nothing left anywhere: the seat passes
                break;
            }
            c = LayChecked([&] { return e.PlayFirstLegalCard(); });
            Check("play after draw");
        }
        if (c == 0) {
            ++stats.passes;
            e.AdvanceTurn();
            Check("pass");
            EndIfAllHandsFull();
            return;
        }

        if (Engine::IsJack(c)) {
            PlayList list{};
            const int suit = e.ActiveSuit;
            const int jackTop = e.TopDiscard();
            e.PlayJackFollowUps(s, list);
            int previous = jackTop;
            for (int i = 1; i <= list[0]; ++i) {
                EXPECT_TRUE(LegalOn(list[i], previous, suit)) << list[i] << " after " << previous;
                previous = list[i];
                ShowOnPile(list[i]);
                c = list[i];
            }
            stats.jackFollowUps += list[0];
            Check("jack follow-ups");
        }

        if (const int winner = e.CheckRoundEnd()) {
            ++stats.wonRounds;
            EXPECT_EQ(e.ScoreTable[winner][e.RoundNo], 0);
            e.CurrentPlayer = 1;
            return;
        }
        if (Engine::IsTwo(c)) {
            if (e.ProgressiveTwos) {
                while (PlayChainedTwo(true)) {
                    if (e.RoundOver)
                        return;
                }
                if (e.RoundOver)
                    return;
                DrawTwoPenalty(false);
            } else {
                DrawTwoPenalty(true);
            }
            EndIfAllHandsFull();
            return;
        }
        if (EndIfAllHandsFull())
            return;
        if (Engine::IsJoker(c))
            e.ActiveSuit = e.ChooseSuit(s);
        EXPECT_GE(e.ActiveSuit, 0);
        EXPECT_LE(e.ActiveSuit, 3);
        e.ApplyCardEffect(c);
        Check("effect");
    }

    bool PlayChainedTwo(bool advanceFirst) {
        if (advanceFirst)
            e.AdvanceTurn();
        if (e.CheckRoundEnd() != 0) {
            ++stats.wonRounds;
            e.CurrentPlayer = 1;
            return false;
        }
        const int s = e.CurrentPlayer;
        const AnsweringTwo a = e.ChooseAnsweringTwo(s);
        if (!a.found)
            return false;
        EXPECT_EQ(e.Hands[s].slot[a.slot], a.card);
        LayChecked([&] {
            e.Hands[s].slot[a.slot] = 0;
            --e.Hands[s].count;
            e.TwoPenalty += 2;
            e.LayOnDiscardPile(a.card);
            return a.card;
        });
        e.OrderComputerHand(s);
        ++stats.answeredTwos;
        Check("answering two");
        return true;
    }

    void DrawTwoPenalty(bool advanceFirst) {
        if (advanceFirst)
            e.AdvanceTurn();
        if (e.RoundOver)
            return;
        const int s = e.CurrentPlayer;
        for (int n = 0; n < e.TwoPenalty && e.Hands[s].count < 19; ++n) {
            const DrawResult d = e.DrawCard();
            stats.reshuffles += d.reshuffled;
            Check("penalty draw");
            if (d.card == 0)
                break;
        }
        e.AdvanceTurn();
        e.TwoPenalty = 2;
        Check("penalty");
    }

    // A round in which nobody can draw or play any more ends without a score.
    bool EndIfAllHandsFull() {
        if (!e.AllHandsFull())
            return false;
        ++stats.fullRounds;
        e.RoundOver = true;
        e.CurrentPlayer = 1;
        return true;
    }
};

Stats PlayRounds(int rounds, int firstSeed, int smallestDeal, int dealSizes) {
    Stats stats;
    for (int i = 0; i < rounds && !::testing::Test::HasFailure(); ++i) {
        Engine e;
        e.InitPackAndScores();
        e.SetDefaultNames();
        e.SeedRandom(static_cast<uint32_t>(firstSeed + i));
        e.PlayerCount = 3 + i % 3;
        e.DealSize = smallestDeal + (i / 3) % dealSizes;
        e.ProgressiveTwos = (i / 12) % 2 == 1;
        e.StrategySeed = i % 6;
        e.LeadSeat = i % e.PlayerCount;
        e.RoundNo = 1 + i % 10;
        RoundRunner(e, stats).PlayRound();
        ++stats.rounds;
    }
    return stats;
}

} // namespace

TEST(RandomPlay, SeededComputerRoundsKeepEveryInvariant) {
    constexpr int kRounds = 2400;
    const Stats stats = PlayRounds(kRounds, 1000, 4, 4);
    EXPECT_EQ(stats.rounds, kRounds);
    EXPECT_EQ(stats.wonRounds + stats.fullRounds, kRounds);
    // The paths worth checking were really taken.
    EXPECT_GT(stats.reshuffles, 0);
    EXPECT_GT(stats.passes, 0);
    EXPECT_GT(stats.answeredTwos, 0);
    EXPECT_GT(stats.jackFollowUps, 0);
    std::printf("%d rounds: %d won, %d full, %d reshuffles, %d empty draws, %d passes\n",
                stats.rounds, stats.wonRounds, stats.fullRounds, stats.reshuffles, stats.emptyDraws,
                stats.passes);
}

TEST(RandomPlay, CrowdedTablesKeepEveryCard) {
    // Deals of 15..19 cards leave a stock of a few cards: the discards are turned over again
    // and again and seats at nineteen cards pass.
    const Stats stats = PlayRounds(300, 50000, 15, 5);
    EXPECT_EQ(stats.rounds, 300);
    EXPECT_EQ(stats.wonRounds + stats.fullRounds, 300);
    EXPECT_GT(stats.reshuffles, stats.rounds / 4);
    EXPECT_GT(stats.passes, 0);
    std::printf("%d crowded rounds: %d won, %d full, %d reshuffles, %d empty draws, %d passes\n",
                stats.rounds, stats.wonRounds, stats.fullRounds, stats.reshuffles, stats.emptyDraws,
                stats.passes);
}
