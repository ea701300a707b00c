// SPDX-License-Identifier: GPL-3.0-or-later
// The human's presses on hand slots and on the stock.
#include "flow_test_support.h"

using namespace flowtest;

TEST(HumanInput, PressesTheRulesRefuseChangeNothingAndShowNothing) {
    FlowTable t(3);
    t.Lay({{Pip(7, C), Pip(3, H), Pip(4, S)}, {Pip(9, C)}, {Pip(9, H)}}, {Pip(3, S)}, {Pip(5, C)});
    const Engine before = t.E;
    t.Press(Pip(3, H));                                 // no match with the 5 of clubs
    t.Press(Pip(3, H), MouseButton::Right);             // cannot head a chain either
    t.Press(Pip(7, C), MouseButton::Other);             // a middle press does nothing
    t.Flow.HandSlotMouseDown(3 + 1, MouseButton::Left); // an empty slot
    t.Flow.Image53MouseDown(MouseButton::Right);        // only the left button draws
    t.Flow.Image53MouseDown(MouseButton::Other);
    EXPECT_TRUE(t.T.empty());
    EXPECT_EQ(t.E.Hands[1].slot, before.Hands[1].slot);
    EXPECT_EQ(t.E.JackChain, before.JackChain);

    // Only the human's turn accepts presses: a press that arrives while a computer seat holds
    // the turn must not play or draw for anybody.
    t.E.CurrentPlayer = 2;
    t.Press(Pip(7, C));
    t.Flow.Image53MouseDown(MouseButton::Left);
    EXPECT_TRUE(t.T.empty());
    EXPECT_EQ(t.E.Hands[2].count, 1);
    EXPECT_EQ(t.E.StockPos, 1);
}

TEST(HumanInput, JackChainIsSelectedTrimmedAndPlayedByALeftPressAnywhere) {
    FlowTable t(3);
    t.Lay({{Jack(C), Jack(H), King(H), Pip(3, S), Pip(9, D)},
           {Pip(9, S), Pip(4, D)},
           {Pip(9, H), Pip(4, C)}},
          {Pip(3, D)}, {Pip(5, C)});
    const int jc = t.SlotOf(Jack(C)), jh = t.SlotOf(Jack(H)), kh = t.SlotOf(King(H));

    t.Press(Pip(3, S), MouseButton::Right); // not playable on the discard: no chain
    t.Press(Jack(C), MouseButton::Right);
    t.Press(Jack(H), MouseButton::Right);
    t.Press(King(H), MouseButton::Right);
    t.Press(Pip(3, S), MouseButton::Right); // nothing may follow a king
    EXPECT_EQ(t.T, (Timeline{"SlotTop " + Str(jc) + " 480", "SlotTop " + Str(jh) + " 480",
                             "SlotTop " + Str(kh) + " 480"}));
    EXPECT_EQ(t.E.JackChain[0], 3);

    // Lowering the middle card lowers the tail with it; the first jack stays.
    const size_t mark = t.Mark();
    t.Press(Jack(H), MouseButton::Right);
    EXPECT_TRUE(Follows(t.T, mark,
                        {"SlotTop " + Str(jh) + " 496", "SlotTop " + Str(kh) + " 496",
                         "SlotTop " + Str(jh) + " 496"}));
    EXPECT_EQ(t.E.JackChain[0], 1);
    EXPECT_EQ(t.E.SelectedSlots[jc], 1);
    EXPECT_EQ(t.E.SelectedSlots[jh], 0);
    EXPECT_EQ(t.E.SelectedSlots[kh], 0);

    t.Press(Jack(H), MouseButton::Right);
    t.Press(King(H), MouseButton::Right);
    const size_t play = t.Mark();
    t.Press(Pip(9, D)); // outside the chain: the chain is played, the nine stays
    // The hand closes up after each card, so every card leaves from where it stands by then
    // (the first jack's place), and no other card's picture is emptied.
    EXPECT_EQ(Only(t.T, {"Fly ", "ClearSlot"}, play),
              (Timeline{"ClearSlot " + Str(jc), "Fly " + Str(Jack(C)) + " 1 " + Str(jc),
                        "ClearSlot " + Str(jc), "Fly " + Str(Jack(H)) + " 1 " + Str(jc),
                        "ClearSlot " + Str(jc), "Fly " + Str(King(H)) + " 1 " + Str(jc),
                        "Fly " + Str(Pip(9, H)) + " 3 0", "Fly " + Str(Pip(9, S)) + " 2 0"}));
    // Only the king at the end counts: the turn goes the other way round, seat 3 first.
    EXPECT_EQ(t.E.Direction, -1);
    EXPECT_EQ(t.E.CurrentPlayer, 1);
    EXPECT_EQ(t.HumanCards(), (std::vector<int>{Pip(9, D), Pip(3, S)}));
    EXPECT_EQ(t.E.JackChain, (std::array<int32_t, 20>{}));
    EXPECT_EQ(t.E.SelectedSlots, (std::array<uint8_t, 53>{}));
}

TEST(HumanInput, JokerInAChainAsksForTheSuitBeforeItLeavesTheHand) {
    FlowTable t(3);
    t.Lay({{Jack(C), kJoker, Pip(4, D)}, {Pip(9, S), Pip(4, H)}, {Pip(10, S), Pip(4, C)}},
          {Pip(3, D)}, {Pip(5, C)});
    t.View.Suits = {S};
    t.Press(Jack(C), MouseButton::Right);
    t.Press(kJoker, MouseButton::Right);
    // Chosen in slot 3, the joker stands in slot 2 once the jack before it has gone.
    ASSERT_EQ(t.SlotOf(kJoker), 3);
    const int joker = 2;
    t.Press(Pip(4, D));

    const size_t chooser = Find(t.T, "SuitChooser");
    ASSERT_NE(chooser, std::string::npos);
    EXPECT_LT(Find(t.T, "Fly " + Str(Jack(C)) + " "), chooser);
    EXPECT_TRUE(
        Follows(t.T, chooser - 3,
                {"SlotTop " + Str(joker) + " 480", "Arrow 1 0", "Arrow 3 0", "SuitChooser",
                 "Arrow 1 0", "Arrow 2 0", "Arrow 3 0", "Arrow 4 0", "TurnArrow 1", "Pause 100",
                 "ClearSlot " + Str(joker), "Fly " + Str(kJoker) + " 1 " + Str(joker)}));
    // The named suit stands: seat 2 follows with its spade, no marker for the human's choice.
    EXPECT_EQ(Find(t.T, "SuitMarker"), std::string::npos);
    EXPECT_EQ(t.E.Hands[2].count, 1);
    EXPECT_EQ(t.E.Hands[2].slot[1], Pip(4, H));
}

TEST(HumanInput, DrawingKeepsTheTurnAndAFullHandPasses) {
    FlowTable t(3);
    std::vector<int> hand;
    for (int v = 2; v <= 10; ++v)
        hand.insert(hand.end(), {Pip(v, D), Pip(v, H)});
    t.Lay({hand, {Pip(9, S), Pip(4, H)}, {Pip(10, S), Pip(4, C)}}, {King(S), Pip(9, C)},
          {Pip(5, S)});
    ASSERT_EQ(t.E.Hands[1].count, 18);

    t.Flow.Image53MouseDown(MouseButton::Left);
    EXPECT_TRUE(Follows(
        t.T, 0, {"HideStatus",      "StockFlight 1 0", "Pause 30",
                 "StockFlight 1 1", "Pause 30",        "StockFlight 1 2",
                 "Pause 30",        "StockFlight 1 3", "Pause 30",
                 "StockFlight 1 4", "Pause 30",        "StockFlight 1 5",
                 "Pause 30",        "StockFlight 1 6", "Pause 30",
                 "StockBack",       "Repaint",         "Status You|Draws|1 Card aqua 548,406",
                 "Pause 500",       "HideStatus",      "StockPile 1",
                 "Sleep 200",       "Repaint",         "HumanHand 19",
                 "Pause 50",        "Log  #6@1"}));
    // The new card waits at the end of the hand, unsorted, and the turn stays.
    EXPECT_EQ(t.E.Hands[1].slot[19], King(S));
    EXPECT_EQ(t.E.CurrentPlayer, 1);

    // At 19 cards any button passes, for the full second, and the computers play on.
    const size_t pass = t.Mark();
    t.Flow.Image53MouseDown(MouseButton::Right);
    EXPECT_TRUE(
        Follows(t.T, pass,
                Join({{"Log  #4@1", "HideStatus", "Status You|Passes white 548,406", "Pause 1000",
                       "HideStatus"},
                      kArrowsOff,
                      {"TurnArrow 1", "Pause 100", "HumanHand 19", "Pause 50", "Log  #5@2"}})));
    EXPECT_EQ(Only(t.T, {"Log player played"}, pass),
              (Timeline{"Log player played this card @2", "Log player played this card @3"}));
    EXPECT_EQ(t.E.CurrentPlayer, 1);
    EXPECT_EQ(t.E.Hands[1].count, 19);
}

TEST(HumanInput, StockShowsOneBackForEachCardLeftUpToFourAndNeverNone) {
    FlowTable t(3);
    t.Lay({{Pip(4, D), Pip(6, H)}, {Pip(9, S)}, {Pip(10, S)}},
          {King(S), Pip(9, C), Pip(3, C), Pip(8, D), Pip(7, S)}, {Pip(5, C)});
    t.E.StockImagesShown = 4;
    std::vector<int> backs;
    for (int draw = 0; draw < 5; ++draw) {
        const size_t mark = t.Mark();
        t.Flow.Image53MouseDown(MouseButton::Left);
        const Timeline shown = Only(t.T, {"StockPile"}, mark);
        backs.push_back(shown.empty() ? 0 : std::stoi(shown.front().substr(10)));
    }
    // Five cards: the first draw leaves four (no repaint), then three, two and one; the last
    // card drawn leaves the stock empty, which still shows one back.
    EXPECT_EQ(backs, (std::vector<int>{0, 3, 2, 1, 0}));
    EXPECT_EQ(t.E.StockImagesShown, 1);
    EXPECT_EQ(t.E.StockCardsLeft(), 0);
    EXPECT_EQ(t.E.Hands[1].count, 7);
}

TEST(HumanInput, EmptyStockIsRefilledFromTheDiscardsWithANotice) {
    FlowTable t(3);
    t.Lay({{Pip(4, D), Pip(6, H)}, {Pip(9, S)}, {Pip(10, S)}}, {},
          {Pip(3, D), Pip(8, S), Pip(9, H), Pip(5, C)});
    t.Flow.Image53MouseDown(MouseButton::Left);

    const size_t notice = Find(t.T, "Notice");
    ASSERT_NE(notice, std::string::npos);
    EXPECT_TRUE(Follows(t.T, notice,
                        {"Notice Reshuffling Cards", "Pause 2000", "HideNotice", "HumanHand 3",
                         "Pause 50", "Log  #6@1"}));
    // The top card stays; the rest became the stock, of which one card was drawn.
    EXPECT_EQ(t.E.DiscardTop, 1);
    EXPECT_EQ(t.E.TopDiscard(), Pip(5, C));
    EXPECT_EQ(t.E.StockCardsLeft(), 2);
    EXPECT_EQ(t.E.Hands[1].count, 3);

    // With nothing at all left to draw, a press passes instead of waiting forever.
    FlowTable dry(3);
    dry.Lay({{Pip(4, D), Pip(6, H)}, {Pip(9, S), Pip(3, S)}, {Pip(10, S), Pip(3, D)}}, {},
            {Pip(5, S)});
    dry.Flow.Image53MouseDown(MouseButton::Left);
    EXPECT_EQ(Only(dry.T, {"Status You"}), (Timeline{"Status You|Passes white 548,406"}));
    EXPECT_EQ(dry.E.Hands[1].count, 2);
    EXPECT_EQ(dry.E.CurrentPlayer, 1);
}

TEST(HumanInput, LastCardEndsTheRoundAtOnce) {
    FlowTable t(3);
    t.Lay({{King(C)}, {Pip(9, C), Pip(4, D)}, {Ace(H), Pip(4, H)}}, {Pip(3, S)}, {Pip(5, C)});
    t.Press(King(C));

    // No reversal, no computer play: straight to the end of the round.
    EXPECT_EQ(t.E.Direction, 1);
    EXPECT_EQ(Only(t.T, {"Fly "}), (Timeline{"Fly " + Str(King(C)) + " 1 1"}));
    const size_t end = Find(t.T, "Sleep 200");
    ASSERT_NE(end, std::string::npos);
    EXPECT_TRUE(Follows(t.T, end,
                        Join({{"Sleep 200", "HideSuitMarkers", "Repaint", "RaiseDiscards"},
                              kArrowsOff,
                              {"SeatHand 2 2 1", "Pause 75..99", "SeatHand 3 2 1", "Pause 75..99",
                               "Banner SCORES", "Log  show scores@1", "ScoreGrid"}})));
    EXPECT_TRUE(t.E.RoundOver);
    EXPECT_FALSE(t.E.InputEnabled);
    EXPECT_EQ(t.E.ScoreTable[1][1], 0);
    EXPECT_EQ(t.E.ScoreTable[2][1], 9 + 4);
    EXPECT_EQ(t.E.ScoreTable[3][1], 11 + 4);
    // Revealed hands are ordered aces high.
    EXPECT_EQ(t.E.Hands[3].slot[1], Pip(4, H));

    // A joker as the last card still asks for its suit, then the round ends.
    FlowTable wild(3);
    wild.Lay({{kJoker}, {Pip(9, C), Pip(4, D)}, {Ace(H), Pip(4, S)}}, {Pip(3, S)}, {Pip(5, C)});
    wild.View.Suits = {H};
    wild.Press(kJoker);
    EXPECT_NE(Find(wild.T, "SuitChooser"), std::string::npos);
    EXPECT_TRUE(wild.E.RoundOver);
    EXPECT_EQ(Only(wild.T, {"Log player"}), Timeline{});
    EXPECT_EQ(wild.E.ScoreTable[2][1], 2 * (9 + 4)); // a joker doubles everything
}
