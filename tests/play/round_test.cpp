// SPDX-License-Identifier: GPL-3.0-or-later
// The deal, the score grid and what follows it, the end of the game, saving between rounds,
// file failures and closing the window in the middle of a turn sequence.
#include "flow_test_support.h"

#include <filesystem>
#include <fstream>

#include "storage/game_log.h"
#include "table/flow/storage_link.h"
#include "temp_folder.h"

using namespace flowtest;
namespace fs = std::filesystem;

namespace {

// The human lays its only card, the king of clubs, which ends the round.
void LastCardRound(FlowTable& t, int players) {
    std::vector<std::vector<int>> hands = {
        {King(C)}, {Pip(9, C), Pip(4, D)}, {Ace(H), Pip(4, H)}, {Pip(3, S)}, {Pip(6, S)}};
    hands.resize(players);
    t.Lay(hands, {Pip(3, D)}, {Pip(5, C)});
    t.Press(King(C));
}

} // namespace

TEST(Deal, WalksTheTableFromTheLeaderAndTurnsUpTheFirstDiscard) {
    FlowTable t(3);
    t.E.FirstDealPending = true;
    t.Flow.ImageDealClick();

    EXPECT_TRUE(Follows(t.T, 0,
                        {"SaveConfig", "SeatLabel 1 You", "SeatLabel 2 Raduz", "SeatLabel 3 Vur",
                         "AllHandSlots 0 0", "PlaceSeat 1 1", "PlaceSeat 2 1", "PlaceSeat 3 1",
                         "StockPile 4", "Sleep 200", "Repaint", "GamesAndWins", "HideDealPanel",
                         "PrepareSeatPictures", "StockFlight 2 0"}));
    const Timeline hands = Only(t.T, {"SeatHand", "HumanHand"});
    EXPECT_EQ(Timeline(hands.begin(), hands.begin() + 3),
              (Timeline{"SeatHand 2 6 0", "SeatHand 3 6 0", "HumanHand 6"}));
    const size_t flip = Find(t.T, "Flip 0");
    EXPECT_TRUE(Follows(t.T, flip,
                        {"Flip 0", "Pause 30", "Flip 1", "Pause 30", "Flip 2", "Pause 30", "Flip 3",
                         "Repaint", "Top *", "Pause 33", "Repaint", "Sleep 80", "StockBack",
                         "DiscardPictures"}));
    EXPECT_EQ(t.E.LeadSeat, 2);
    EXPECT_EQ(t.E.GamesPlayed, 1);
    EXPECT_FALSE(t.E.FirstDealPending);
    EXPECT_TRUE(t.E.RoundActive);

    // A second press while the round runs deals nothing.
    const size_t mark = t.Mark();
    t.Flow.ImageDealClick();
    EXPECT_EQ(t.Mark(), mark);

    // The lead goes round the table deal by deal, and only the first deal counts a game.
    std::vector<int> leads;
    for (int round = 0; round < 3; ++round) {
        t.E.RoundActive = false;
        t.Flow.ImageDealClick();
        leads.push_back(t.E.LeadSeat);
    }
    EXPECT_EQ(leads, (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(t.E.GamesPlayed, 1);
    EXPECT_EQ(t.Files.HighScoreUpdates, 1);
}

TEST(Deal, SlowDealShowsEveryPassQuickDealOnlyTheLast) {
    for (bool slow : {false, true}) {
        FlowTable t(4);
        t.E.SlowDeal = slow;
        t.View.DealSize = 5;
        t.Flow.ImageDealClick();
        const size_t flip = Find(t.T, "Flip 0");
        const Timeline flights = Only(Timeline(t.T.begin(), t.T.begin() + flip), {"StockFlight"});
        EXPECT_EQ(flights.size(), (slow ? 5u : 1u) * 4 * 7);
        EXPECT_EQ(Only(Timeline(t.T.begin(), t.T.begin() + flip), {"HumanHand"}).back(),
                  "HumanHand 5");
        EXPECT_EQ(t.E.DealSize, 5);
    }
}

TEST(Scoreboard, GridSeatLabelsAndTheNextRound) {
    FlowTable t(5);
    t.E.RoundNo = 2;
    t.E.PlayUntil = 2000; // room for a four-digit total
    t.E.ScoreTable[1][1] = 1234;
    t.E.ScoreTable[2][1] = 12;
    t.E.ScoreTable[3][1] = 7;
    LastCardRound(t, 5);
    const ScoreGridTexts& g = t.View.Grid;
    EXPECT_EQ(g[0][0], "            Round:");
    EXPECT_EQ(g[0][1], "   1");
    EXPECT_EQ(g[0][10], "  10");
    EXPECT_EQ(g[0][11], "Total");
    EXPECT_EQ(g[1][0], "You");
    EXPECT_EQ(g[1][1], "1234");
    EXPECT_EQ(g[1][2], "   0");
    EXPECT_EQ(g[1][11], "1234");
    EXPECT_EQ(g[2][1], "  12");
    EXPECT_EQ(g[2][2], "  13");
    EXPECT_EQ(g[2][11], "  25");
    EXPECT_EQ(g[3][1], "   7");
    EXPECT_EQ(g[5][0], "Dezev");
    EXPECT_EQ(g[5][2], "   6");
    EXPECT_TRUE(t.Flow.ScoreGridUp());

    // Presses wait in vain while the grid is up.
    const size_t up = t.Mark();
    t.Flow.HandSlotMouseDown(1, MouseButton::Left);
    t.Flow.Image53MouseDown(MouseButton::Left);
    t.Flow.ImageDealClick();
    EXPECT_EQ(t.Mark(), up);

    t.Flow.Image37Click();
    EXPECT_TRUE(
        Follows(t.T, up,
                {"HideScoreGrid", "HideBanner", "ShowDealPanel", "SaveBox", "AllHandSlots 1 0",
                 "HumanHand 0", "Pause 50", "SeatHand 2 0 0", "SeatHand 3 0 0", "SeatHand 4 0 0",
                 "SeatHand 5 0 0", "Pause 50..69", "HideDiscards", "HideScoreGrid"}));
    EXPECT_EQ(t.E.RoundNo, 3);
    EXPECT_TRUE(t.E.InputEnabled);
    EXPECT_FALSE(t.E.RoundActive);
    EXPECT_FALSE(t.E.RoundOver);
    const size_t closed = t.Mark();
    t.Flow.Image37Click(); // a second CLOSE in the queue skips no round
    EXPECT_EQ(t.Mark(), closed);
    EXPECT_EQ(t.E.RoundNo, 3);

    // Side seats carry their total on a second line, the others on the same line.
    t.Flow.ImageDealClick();
    EXPECT_EQ(Only(t.T, {"SeatLabel"}, closed),
              (Timeline{"SeatLabel 1 You (1234)", "SeatLabel 2 Raduz|(25)", "SeatLabel 3 Vur (22)",
                        "SeatLabel 4 Dad (3)", "SeatLabel 5 Dezev|(6)"}));

    // With four players seat 4 sits at the side; with three the grid keeps rows 4 and 5 empty.
    FlowTable four(4);
    four.E.RoundNo = 2;
    four.Flow.ImageDealClick();
    EXPECT_EQ(Only(four.T, {"SeatLabel 4"}), (Timeline{"SeatLabel 4 Dad|(0)"}));
    FlowTable three(3);
    LastCardRound(three, 3);
    EXPECT_EQ(three.View.Grid[3][0], "Vur");
    EXPECT_EQ(three.View.Grid[4], (std::array<std::string, 12>{}));
    EXPECT_EQ(three.View.Grid[5], (std::array<std::string, 12>{}));
}

TEST(Scoreboard, TenthRoundEndsTheGameAndLaterPressesAreRefused) {
    FlowTable t(3);
    t.E.RoundNo = 10;
    t.E.ScoreTable[1][1] = 50;
    t.E.ScoreTable[2][1] = 40;
    t.E.ScoreTable[3][1] = 5;
    LastCardRound(t, 3);
    ASSERT_FALSE(t.E.GameOver); // no total reached the target
    const size_t close = t.Mark();
    t.Flow.Image37Click();

    EXPECT_TRUE(Follows(t.T, close,
                        {"HideScoreGrid", "HideBanner", "GameOver GAME OVER/Winner: Vur",
                         "HideSaveBox", "HideStock", "SeatLabel 1 You (50)",
                         "SeatLabel 2 Raduz|(53)", "SeatLabel 3 Vur (20)", "FinalScore Score  341",
                         "GamesAndWins", "HideScoreGrid"}));
    EXPECT_TRUE(t.E.GameOver);
    EXPECT_EQ(t.E.GameScore, 341);
    EXPECT_EQ(t.Files.GameOverUpdates, 1);

    const size_t over = t.Mark();
    t.Flow.ImageDealClick();
    t.Flow.HandSlotMouseDown(1, MouseButton::Left);
    t.Flow.Image53MouseDown(MouseButton::Left);
    t.Flow.Image37Click();
    t.Flow.ComboBox3KeyDown(13, "late");
    EXPECT_EQ(t.Mark(), over);
    EXPECT_EQ(t.E.RoundNo, 11);
}

TEST(Files, SavingBetweenRoundsUnderTheRightName) {
    TempFolder folder;
    fs::create_directories("Save");
    {
        Timeline timeline;
        Engine e;
        e.EngineStartUp(StartUpFiles{});
        RecordingView view(timeline);
        GameLog log;
        FileStorage files(log);
        TurnFlow flow(e, view, files);

        flow.ComboBox3KeyDown(13, "highscores");
        EXPECT_EQ(timeline,
                  (Timeline{"FileMessage 2 high1 saved", "Pause 2000", "HideFileMessage"}));
        EXPECT_EQ(fs::file_size("Save/high1.sav"), 376u);
        EXPECT_FALSE(fs::exists("Save/highscores.sav"));

        timeline.clear();
        flow.ComboBox3KeyDown(13, "9lives");  // must start with a letter
        flow.ComboBox3KeyDown(65, "Tuesday"); // only Enter saves
        EXPECT_TRUE(timeline.empty());
        flow.ComboBox3KeyDown(13, "A long evening at home, 3rd");
        EXPECT_EQ(timeline.front(), "FileMessage 2 A long evening at ho saved");

        // A save that cannot be written is reported, never shown as saved.
        timeline.clear();
        fs::remove_all("Save");
        std::ofstream("Save") << "in the way";
        flow.ComboBox3KeyDown(13, "Monday");
        ASSERT_EQ(timeline.size(), 1u);
        EXPECT_EQ(timeline[0].rfind("Error ", 0), 0u);
    }
}

TEST(Files, LogFailureIsReportedOnceAfterTheTurnsAndTheLogStops) {
    FlowTable t(3);
    t.Files.FailLogAfter = 1;
    t.Lay({{Pip(7, C), King(D)}, {Pip(9, C), Pip(4, D)}, {Pip(9, H), Pip(4, S)}}, {Pip(3, S)},
          {Pip(5, C)});
    t.Press(Pip(7, C));
    EXPECT_FALSE(t.E.LogEnabled);
    EXPECT_EQ(Only(t.T, {"Error"}), (Timeline{"Error Disk full"}));
    EXPECT_EQ(t.T.back(), "Error Disk full");
    EXPECT_EQ(t.Files.LogLines, 1);
    // The turn sequence ran to its end regardless.
    EXPECT_EQ(t.E.CurrentPlayer, 1);
    EXPECT_EQ(t.E.TopDiscard(), Pip(9, H));

    // A high-score file that cannot be written still lets the game end properly.
    FlowTable over(3);
    over.Files.FailHighScores = true;
    over.E.RoundNo = 10;
    LastCardRound(over, 3);
    over.Flow.Image37Click();
    EXPECT_TRUE(over.E.GameOver);
    EXPECT_TRUE(over.E.InputEnabled);
    EXPECT_FALSE(over.Flow.ScoreGridUp());
    EXPECT_EQ(over.T.back(), "Error File access denied");
}

TEST(Closing, WindowClosingStopsTheComputersAfterTheCurrentStep) {
    // Count the pauses up to seat 2's play, then close the window right there.
    FlowTable probe(3);
    const std::vector<std::vector<int>> hands = {
        {Pip(7, C), King(D)}, {Pip(9, C), Pip(4, D)}, {Pip(9, H), Pip(4, S)}};
    probe.Lay(hands, {Pip(3, S)}, {Pip(5, C)});
    probe.Press(Pip(7, C));
    const size_t seat2 = Find(probe.T, "Log player played this card @2");
    const int pauses = static_cast<int>(
        Only(Timeline(probe.T.begin(), probe.T.begin() + seat2), {"Pause", "Sleep"}).size());

    FlowTable t(3);
    t.Lay(hands, {Pip(3, S)}, {Pip(5, C)});
    t.View.CloseAfterPauses = pauses + 1; // the window closes during seat 2's turn
    t.Press(Pip(7, C));
    EXPECT_EQ(t.E.TopDiscard(), Pip(9, C)); // seat 2 finished its turn
    EXPECT_EQ(Find(t.T, "Log player played this card @3"), std::string::npos);
    EXPECT_EQ(t.E.Hands[3].count, 2);
    EXPECT_FALSE(t.Flow.Busy());
    const size_t closed = t.Mark();
    t.Flow.Image53MouseDown(MouseButton::Left);
    t.Flow.ImageDealClick();
    EXPECT_EQ(t.Mark(), closed);
}
