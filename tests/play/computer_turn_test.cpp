// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat's turn: what the table shows, in which order and for how long.
#include "flow_test_support.h"

using namespace flowtest;

TEST(ComputerTurn, PlaysItsCardWithTheFullScheduleOfPictures) {
    FlowTable t(3);
    t.Lay({{Pip(7, C), King(D), Pip(3, H)},
           {Pip(9, C), Pip(4, D), Pip(6, H)},
           {Pip(9, H), Pip(4, S)}},
          {Pip(3, S), Pip(4, H), Pip(6, D)}, {Pip(5, C)});
    const int slot = t.SlotOf(Pip(7, C));
    t.Press(Pip(7, C));

    // The human's card first leaves the hand, then the seats are redrawn and seat 2 plays.
    EXPECT_TRUE(Follows(t.T, 0,
                        Join({{"HideSuitMarkers", "Repaint", "ClearSlot " + Str(slot)},
                              FlightOf(Pip(7, C), 1, slot),
                              {"Top " + Str(Pip(7, C)), "Pause 33", "Repaint", "Log  *1@1",
                               "HumanHand 2", "Pause 50", "Log  #2@1"},
                              kArrowsOff,
                              {"TurnArrow 2", "Pause 100"}})));

    const size_t turn = Find(t.T, "Log player played this card @2");
    ASSERT_NE(turn, std::string::npos);
    EXPECT_TRUE(Follows(
        t.T, turn,
        Join({{"Log player played this card @2", "SeatHand 2 2 0", "Pause 75..99", "HideStatus"},
              FlightOf(Pip(9, C), 2, 0),
              {"Top " + Str(Pip(9, C)), "Sleep 1000", "Pause 33", "Repaint", "HideSuitMarkers",
               "Repaint"},
              kArrowsOff,
              {"TurnArrow 3", "Pause 100", "Pause 50", "Log player played this card @3"}})));

    // Seat 3 follows, then the turn is back with the human and the arrow points at seat 1.
    EXPECT_EQ(t.E.CurrentPlayer, 1);
    EXPECT_EQ(t.E.TopDiscard(), Pip(9, H));
    EXPECT_EQ(t.E.ActiveSuit, H);
    EXPECT_EQ(t.T.back(), "Log  #3@1");
    EXPECT_EQ(t.T[t.T.size() - 3], "TurnArrow 1");
    EXPECT_EQ(Find(t.T, "ScoreGrid"), std::string::npos);
}

TEST(ComputerTurn, DrawsUntilItCanPlayAndShowsOneDrawsText) {
    FlowTable t(3);
    t.Lay({{Pip(7, C), King(D)}, {Pip(4, D), Pip(6, H)}, {Pip(8, H), Pip(4, S)}},
          {King(H), Pip(3, D), Pip(8, C), Pip(5, S)}, {Pip(5, C)});
    t.Press(Pip(7, C));

    EXPECT_EQ(Only(t.T, {"Log", "Status", "Pause 80"}, Find(t.T, "Log  #2")),
              (Timeline{"Log  #2@1", "Log best card loop @2", "Log best card loop @2",
                        "Log best card loop @2", "Status Raduz|Draws|3 Cards aqua 232,317",
                        "Log player drawing 3 @2", "Pause 80", "Log player played this card @2",
                        "Log player played this card @3", "Log  #3@1"}));
    // Every draw flies a card to the seat before the text appears, and a computer's text
    // stays a full second.
    const size_t text = Find(t.T, "Status Raduz");
    EXPECT_TRUE(Follows(t.T, text - 16,
                        {"StockFlight 2 0", "Pause 30", "StockFlight 2 1", "Pause 30",
                         "StockFlight 2 2", "Pause 30", "StockFlight 2 3", "Pause 30",
                         "StockFlight 2 4", "Pause 30", "StockFlight 2 5", "Pause 30",
                         "StockFlight 2 6", "Pause 30", "StockBack", "Repaint"}));
    EXPECT_TRUE(Follows(t.T, text + 1, {"Pause 1000", "HideStatus"}));
    EXPECT_EQ(t.E.Hands[2].count, 4); // drew three, laid the club
    EXPECT_EQ(t.E.StockPos, 4);
}

TEST(ComputerTurn, SeatThatCannotPlayOrDrawPasses) {
    // Seat 2 holds 19 cards and none fits: the draws text shows 0, then it passes.
    FlowTable t(3);
    std::vector<int> full;
    for (int v = 2; v <= 10; ++v)
        if (v != 7)
            full.insert(full.end(), {Pip(v, D), Pip(v, H)});
    full.insert(full.end(), {King(D), King(H), Queen(H)});
    ASSERT_EQ(full.size(), 19u);
    t.Lay({{Pip(7, C), King(S)}, full, {Pip(9, C), Pip(4, S)}}, {Pip(3, S), Pip(4, H)},
          {Pip(5, C)});
    t.Press(Pip(7, C));

    const size_t draws = Find(t.T, "Status Raduz|Draws|0 Card aqua");
    ASSERT_NE(draws, std::string::npos);
    const size_t passes = Find(t.T, "Status Raduz|Passes white", draws);
    ASSERT_NE(passes, std::string::npos);
    EXPECT_TRUE(Follows(t.T, passes,
                        Join({{"Status Raduz|Passes white 232,317", "Pause 1000", "HideStatus"},
                              kArrowsOff,
                              {"TurnArrow 2", "Pause 100", "SeatHand 2 19 0", "Pause 75..99",
                               "Pause 50", "Log player played this card @3"}})));
    EXPECT_EQ(t.E.Hands[2].count, 19);
    EXPECT_EQ(t.E.StockPos, 1);

    // Nothing left to draw at all: the seat does not wait for a card that cannot come.
    FlowTable dry(3);
    std::vector<int> human(19, 0);
    for (int i = 0; i < 19; ++i)
        human[i] = full[i];
    dry.Lay({human, {Pip(4, D), Pip(6, H)}, {Pip(3, H), Pip(4, S)}}, {}, {Pip(5, C)});
    dry.Flow.Image53MouseDown(MouseButton::Left); // full hand: the human passes
    EXPECT_EQ(Only(dry.T, {"Status"}),
              (Timeline{"Status You|Passes white 548,406", "Status Raduz|Draws|0 Card aqua 232,317",
                        "Status Raduz|Passes white 232,317", "Status Vur|Draws|0 Card aqua 548,122",
                        "Status Vur|Passes white 548,122"}));
    EXPECT_EQ(dry.E.CurrentPlayer, 1);
    EXPECT_EQ(dry.E.Hands[2].count, 2);
}

TEST(ComputerTurn, JackChainShowsEveryCardButOnlyTheLastOneCounts) {
    FlowTable t(3);
    t.Lay({{Pip(7, C), Pip(3, D)}, {Jack(C), Jack(H), King(H), Pip(3, S)}, {Pip(9, H), Pip(4, S)}},
          {Pip(3, H)}, {Pip(5, C)});
    t.Press(Pip(7, C));

    const size_t first = Find(t.T, "Top " + Str(Jack(C)));
    ASSERT_NE(first, std::string::npos);
    EXPECT_TRUE(
        Follows(t.T, first,
                Join({{"Top " + Str(Jack(C)), "Sleep 1000", "Pause 33", "Repaint", "Pause 100"},
                      FlightOf(Jack(H), 2, 0),
                      {"Top " + Str(Jack(H)), "Sleep 1000", "Pause 33", "Repaint", "SeatHand 2 1 0",
                       "Pause 75..99", "Log go p jac @2"},
                      FlightOf(King(H), 2, 0),
                      {"Top " + Str(King(H)), "Sleep 1000", "Pause 33", "Repaint", "SeatHand 2 1 0",
                       "Pause 75..99", "Log go p jac @2"}})));
    // The king at the end turns the table round: seat 1 plays next and seat 3 waits.
    EXPECT_EQ(t.E.Direction, -1);
    EXPECT_EQ(t.E.CurrentPlayer, 1);
    EXPECT_EQ(t.E.Hands[3].count, 2);
    EXPECT_EQ(t.E.ActiveSuit, H);
    EXPECT_EQ(t.E.Hands[2].slot[1], Pip(3, S));
}

// True when nothing between the two entries takes the suit marker away or shows another.
::testing::AssertionResult MarkerKept(const Timeline& t, size_t from, size_t to) {
    for (size_t i = from + 1; i < to && i < t.size(); ++i)
        if (t[i].rfind("HideSuitMarkers", 0) == 0 || t[i].rfind("SuitMarker", 0) == 0)
            return ::testing::AssertionFailure() << "entry " << i << " is " << t[i];
    return ::testing::AssertionSuccess();
}

TEST(ComputerTurn, JokerNamesASuitAndShowsItsMarkerUntilTheNextPlay) {
    // Seat 2's joker names diamonds; seat 3 holds 19 cards without one and passes; seat 4 draws
    // two cards before it can lay the nine of diamonds: only that play takes the marker away.
    std::vector<int> full;
    for (int v = 2; v <= 10; ++v)
        full.insert(full.end(), {Pip(v, H), Pip(v, S)});
    full.push_back(King(H));
    FlowTable t(4);
    t.Lay({{Pip(7, C), Pip(3, D)}, {kJoker, Pip(4, D)}, full, {Pip(3, S), Pip(5, H)}},
          {Pip(6, H), Pip(9, D), Pip(3, H)}, {Pip(5, C)});
    t.Press(Pip(7, C));

    const size_t marker = Find(t.T, "SuitMarker");
    ASSERT_NE(marker, std::string::npos);
    EXPECT_EQ(t.T[marker], "SuitMarker 0"); // the diamond is the only suit left in its hand
    EXPECT_LT(Find(t.T, "Top " + Str(kJoker)), marker);
    const size_t pass = Find(t.T, "Status Vur|Passes", marker);
    const size_t draws = Find(t.T, "Status Dad|Draws|2 Cards", pass);
    const size_t nextTop = Find(t.T, "Top " + Str(Pip(9, D)), draws);
    ASSERT_NE(nextTop, std::string::npos);
    EXPECT_LT(Find(t.T, "StockFlight 4", marker), draws);
    EXPECT_TRUE(MarkerKept(t.T, marker, nextTop));
    EXPECT_TRUE(Follows(t.T, nextTop,
                        {"Top " + Str(Pip(9, D)), "Sleep 1000", "Pause 33", "Repaint",
                         "HideSuitMarkers", "Repaint"}));
    EXPECT_EQ(Find(t.T, "SuitMarker", nextTop), std::string::npos);
    EXPECT_EQ(t.E.Hands[3].count, 19);
    EXPECT_EQ(t.E.Hands[4].count, 3);
    EXPECT_EQ(t.E.CurrentPlayer, 1);

    // When the turn comes back to the human the marker is still up, through the human's draw,
    // and goes with the human's play.
    FlowTable h(3);
    h.Lay({{Pip(7, C), Pip(3, D)}, {kJoker, Pip(4, D)}, full}, {Pip(3, H), Pip(6, H)}, {Pip(5, C)});
    h.Press(Pip(7, C));
    const size_t shown = Find(h.T, "SuitMarker");
    ASSERT_NE(shown, std::string::npos);
    EXPECT_TRUE(MarkerKept(h.T, shown, h.T.size()));
    ASSERT_EQ(h.E.CurrentPlayer, 1);
    const size_t draw = h.Mark();
    h.Flow.Image53MouseDown(MouseButton::Left);
    ASSERT_EQ(h.E.Hands[1].count, 2);
    EXPECT_TRUE(MarkerKept(h.T, draw - 1, h.T.size()));
    const size_t play = h.Mark();
    h.Press(Pip(3, D));
    EXPECT_TRUE(Follows(h.T, play, {"HideSuitMarkers", "Repaint"}));
    EXPECT_EQ(h.SlotOf(Pip(3, D)), 0);
    EXPECT_EQ(h.E.TopDiscard(), Pip(4, D)); // seat 2 followed on the diamond
}

// A player who cannot see the table is told each play in the order it is shown, and that the
// turn is theirs again, once.
TEST(ComputerTurn, AScreenReaderIsToldEachPlayAndWhoseTurnItIs) {
    FlowTable t(3);
    t.Lay({{Pip(7, C), King(D), Pip(3, H)},
           {Pip(9, C), Pip(4, D), Pip(6, H)},
           {Pip(9, H), Pip(4, S)}},
          {Pip(3, S), Pip(4, H), Pip(6, D)}, {Pip(5, C)});
    t.Press(Pip(7, C));
    EXPECT_EQ(t.View.Spoken, (std::vector<std::string>{
                                 "You lay the seven of clubs", "Raduz lays the nine of clubs",
                                 "Vur lays the nine of hearts", "Your turn"}));

    // A card the rules refuse is told too, with what it was to go on.
    t.View.Spoken.clear();
    t.Press(King(D));
    EXPECT_EQ(t.View.Spoken, (std::vector<std::string>{
                                 "the king of diamonds cannot be laid on the nine of hearts"}));
}
