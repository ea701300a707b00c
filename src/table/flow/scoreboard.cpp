// SPDX-License-Identifier: GPL-3.0-or-later
// The score grid at the end of a round, the step after its CLOSE button (the next round or
// the end of the game), the seat labels with their totals and the reshuffle notice.
#include "table/flow/turn_flow.h"

namespace {

constexpr int kLastRound = 10;
constexpr int kTotal = 11;

} // namespace

void TurnFlow::ShowScoreGrid() {
    E.InputEnabled = false;
    ScoreGridUp_ = true;
    ScoreGridTexts cells; // no braces: clang 14 crashes on value-initialising nested strings
    cells[0][0] = std::string(12, ' ') + "Round:";
    for (int round = 1; round <= kLastRound; ++round)
        cells[0][round] = Engine::PadScore(round);
    cells[0][kTotal] = "Total";
    for (int seat = 1; seat <= E.PlayerCount && seat < static_cast<int>(cells.size()); ++seat) {
        cells[seat][0] = E.PlayerNames[seat];
        for (int column = 1; column <= kTotal; ++column)
            cells[seat][column] = Engine::PadScore(E.ScoreTable[seat][column]);
    }
    View.ShowScoreGrid(cells);
    if (View.Listening())
        AnnounceScores();
}

void TurnFlow::Image37Click() {
    RunTurnEvent([this] {
        // A second CLOSE queued behind the first must not skip a round.
        if (!ScoreGridUp_)
            return;
        AdvanceRound();
        View.HideScoreGrid();
        ScoreGridUp_ = false;
        E.InputEnabled = true;
    });
}

void TurnFlow::AdvanceRound() {
    View.HideScoreGrid();
    View.HideScoresBanner();
    E.RoundNo += 1;
    if (E.RoundNo > kLastRound || E.GameOver)
        ShowGameOver();
    else
        PrepareNextRound();
}

// After the tenth round the game is over just as when a total reaches the target, so every
// later press is refused the same way.
void TurnFlow::ShowGameOver() {
    E.GameOver = true;
    std::string banner;
    std::string winner;
    Engine::GameText(2, banner);
    Engine::GameText(3, winner);
    const int leader = E.FindLeader();
    winner += E.PlayerNames[leader];
    View.ShowGameOver(banner, winner);
    View.HideSaveBox();
    View.HideStockPile();
    ShowSeatTotals();
    E.GameScore = E.GameRating();
    if (leader > 0)
        View.ShowFinalScore("Score " + Engine::PadScore(E.GameScore));
    Guarded([this] { Storage.UpdateHighScores(E, true); });
    View.ShowGamesAndWins();
}

void TurnFlow::PrepareNextRound() {
    View.ShowDealPanel();
    View.ShowSaveBox();
    E.ClearHands();
    View.ShowAllHandSlots(true, false);
    DrawHumanHand(0, true);
    for (int seat = 2; seat <= E.PlayerCount; ++seat)
        View.DrawSeatHand(seat, 0, false);
    View.Pause(50 + E.Random(20));
    E.RoundActive = false;
    E.RoundOver = false;
    View.HideDiscardPictures();
}

void TurnFlow::ShowSeatTotals() {
    for (int seat = 1; seat <= E.PlayerCount; ++seat)
        View.ShowSeatLabel(seat, E.PlayerNames[seat] + SeatTotalSuffix(seat));
}

// The side seats carry their total on a second line; the seats at the top and bottom of the
// table carry it on the same line.
std::string TurnFlow::SeatTotalSuffix(int seat) const {
    if (E.RoundNo == 1)
        return "";
    const std::string total = std::to_string(E.ScoreTable[seat][kTotal]);
    const bool side = seat == 2 || seat == 5 || (seat == 4 && E.PlayerCount == 4);
    return side ? "\r\n(" + total + ")" : " (" + total + ")";
}

void TurnFlow::ShowReshuffleNotice() {
    std::string text;
    Engine::GameText(1, text);
    View.ShowNotice(text);
    View.Pause(2000);
    View.HideNotice();
}
