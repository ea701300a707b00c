// SPDX-License-Identifier: GPL-3.0-or-later
// Twos: the penalty, chains of answering twos, the first discard, and a two as a last card.
#include "flow_test_support.h"

using namespace flowtest;

TEST(Twos, WithoutProgressiveTwosTheNextSeatDrawsTwoAndLosesItsTurn) {
    FlowTable t(3);
    t.Lay({{Two(C), King(D)}, {Two(H), Pip(4, D)}, {Pip(9, C), Pip(4, S)}},
          {Pip(3, S), Pip(4, H), Pip(6, D)}, {Pip(5, C)});
    t.Press(Two(C));

    // Seat 2 holds a two but may not answer: it draws, in yellow, and seat 3 plays next.
    EXPECT_EQ(Only(t.T, {"Log", "Status"}),
              (Timeline{"Log  *1@1", "Log  #2@1", "Log drawing 2 @2",
                        "Status Raduz|Draws|2 Cards yellow 232,317",
                        "Log player played this card @3", "Log  #3@1"}));
    const size_t text = Find(t.T, "Status Raduz");
    EXPECT_TRUE(Follows(t.T, text,
                        {"Status Raduz|Draws|2 Cards yellow 232,317", "Pause 1000", "HideStatus",
                         "SeatHand 2 4 0", "Pause 75..99", "Pause 200"}));
    EXPECT_EQ(t.E.Hands[2].count, 4);
    EXPECT_EQ(t.E.TwoPenalty, 2);
    EXPECT_EQ(t.E.CurrentPlayer, 1);
}

TEST(Twos, ProgressiveChainGoesRoundTheTableAndTheHumanAnswersWithoutAClick) {
    FlowTable t(3);
    t.E.ProgressiveTwos = true;
    std::vector<int> stock;
    for (int v = 3; v <= 10; ++v)
        stock.push_back(Pip(v, S));
    t.Lay({{Two(C), Two(D), King(S)}, {Two(H), Pip(4, H)}, {Two(S), Pip(9, D), Pip(4, S)}}, stock,
          {Pip(5, C)});
    t.Press(Two(C));

    EXPECT_EQ(
        Only(t.T, {"Log", "Status"}),
        (Timeline{"Log  *1@1", "Log  #2@1", "Log play two @2", "Log play two @3", "Log play two @1",
                  "Log drawing 8 @2", "Status Raduz|Draws|8 Cards yellow 232,317",
                  "Log player played this card @3", "Log  #3@1"}));
    // The human's two leaves from the hand's default place and each answer rests 100 ms.
    const size_t human = Find(t.T, "Fly " + Str(Two(D)) + " ");
    ASSERT_NE(human, std::string::npos);
    EXPECT_EQ(t.T[human], "Fly " + Str(Two(D)) + " 1 0");
    EXPECT_EQ(Find(t.T, "SuitChooser"), std::string::npos);
    EXPECT_TRUE(
        Follows(t.T, Find(t.T, "Pause 100", human) - 2, {"HumanHand 1", "Pause 50", "Pause 100"}));
    EXPECT_EQ(t.E.Hands[2].count, 9);
    EXPECT_EQ(t.E.TwoPenalty, 2);
    EXPECT_EQ(t.E.TopDiscard(), Pip(9, D));
}

TEST(Twos, ChainReachingAHumanWithoutATwoDrawsThePenaltyWithoutAClick) {
    FlowTable t(3);
    t.E.ProgressiveTwos = true;
    t.Lay({{Pip(7, C), King(S)}, {Two(C), Pip(9, H), Pip(4, D)}, {Two(H), Pip(9, S), Pip(4, D)}},
          {Pip(3, S), Pip(4, S), Pip(5, S), Pip(6, S)}, {Pip(5, C)});
    t.Press(Pip(7, C));

    const size_t text = Find(t.T, "Status You|Draws|4 Cards yellow 548,406");
    ASSERT_NE(text, std::string::npos);
    // The human's own draws text stays half as long, penalty or not.
    EXPECT_TRUE(Follows(t.T, text + 1, {"Pause 500", "HideStatus", "HumanHand 5", "Pause 50"}));
    EXPECT_EQ(t.E.Hands[1].count, 5);
    EXPECT_EQ(t.E.CurrentPlayer, 1);
    EXPECT_EQ(t.E.TwoPenalty, 2);
    // The human lost the turn: seat 2 and seat 3 played again before it came back.
    EXPECT_EQ(Only(t.T, {"Log player played"}, text),
              (Timeline{"Log player played this card @2", "Log player played this card @3"}));
}

TEST(Twos, FirstDiscardTwoMakesTheLeaderDrawAndNobodyAnswers) {
    bool found = false;
    for (unsigned seed = 1; seed < 400 && !found; ++seed) {
        FlowTable t(3);
        t.E.ProgressiveTwos = true;
        t.E.SeedRandom(seed);
        t.Flow.ImageDealClick();
        const size_t top = Find(t.T, "Top ");
        if (!Engine::IsTwo(std::stoi(t.T[top].substr(4))))
            continue;
        found = true;
        SCOPED_TRACE("seed " + Str(static_cast<int>(seed)));
        const size_t penalty = Find(t.T, "Log drawing 2 @2");
        ASSERT_NE(penalty, std::string::npos);
        EXPECT_EQ(Find(t.T, "Log play two"), std::string::npos);
        const size_t text = Find(t.T, "Status Raduz|Draws|2 Cards yellow", penalty);
        EXPECT_TRUE(Follows(t.T, text + 1,
                            Join({{"Pause 1000", "HideStatus", "SeatHand 2 8 0", "Pause 75..99",
                                   "Pause 200", "Pause 500", "HumanHand 6", "Pause 50"},
                                  kArrowsOff,
                                  {"TurnArrow 3", "Pause 100", "Sleep 500"}})));
        // Seat 3 takes the first turn of the round.
        const size_t next = Find(t.T, "Log", Find(t.T, "Sleep 500", text));
        ASSERT_NE(next, std::string::npos);
        EXPECT_EQ(t.T[next].back(), '3') << t.T[next];
    }
    EXPECT_TRUE(found) << "no seed turned up a two";
}

TEST(Twos, ComputerLayingItsLastCardAsATwoEndsTheRoundAtOnce) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "plain");
        FlowTable t(3);
        t.E.ProgressiveTwos = progressive;
        t.Lay({{Pip(7, C), King(D), Pip(3, H)}, {Two(C)}, {Two(S), Pip(9, D), Pip(4, S)}},
              {Pip(3, S), Pip(4, H)}, {Pip(5, C)});
        t.Press(Pip(7, C));

        // Nobody pays for the last two and nobody plays after it.
        EXPECT_EQ(Only(t.T, {"Log"}, Find(t.T, "Log  #2")),
                  (Timeline{"Log  #2@1", "Log player played this card @2", "Log winner found @2",
                            "Log  #3@1", "Log  show scores@1"}));
        EXPECT_EQ(t.E.Hands[3].count, 3);
        EXPECT_EQ(t.E.StockPos, 1);
        EXPECT_TRUE(t.E.RoundOver);
        EXPECT_EQ(t.E.ScoreTable[2][1], 0);
        EXPECT_EQ(t.E.ScoreTable[3][1], 2 * 2 + 9 + 4); // the two counts double on a two
        EXPECT_EQ(t.E.ScoreTable[1][1], 10 + 3);
        EXPECT_NE(Find(t.T, "ScoreGrid"), std::string::npos);
        EXPECT_FALSE(t.E.InputEnabled);
    }
}
