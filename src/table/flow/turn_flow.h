// SPDX-License-Identifier: GPL-3.0-or-later
// The one turn flow of the game: the deal, every computer turn, chains of twos, the human's
// plays, draws and passes, the end of a round, the score grid and the next round or the end
// of the game. It changes the Engine and tells a TableView what to show, in order and with
// its pauses. The window forwards its events to the public handlers and does nothing else.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/engine.h"
#include "table/flow/flow_storage.h"
#include "table/flow/table_view.h"

// The seat-3 name that shows the computer hands face up for the rest of the run.
std::string RevealWord();

class TurnFlow {
  public:
    TurnFlow(Engine& engine, TableView& view, FlowStorage& storage);

    // ---- The event boundary -----------------------------------------------------------------
    // Every handler of the window runs inside it. A failure that ends a handler is shown in a
    // box (never while the window closes); a close asked for meanwhile waits until the last
    // handler has returned, and the window then goes.
    void RunEvent(const std::function<void()>& body);
    // Asks the window to close: true when it may go at once, false when it goes once the
    // handler in progress has returned (the flow stops at its next step).
    bool AskToClose();
    bool Closing() const { return Closing_; }

    // ---- Events forwarded by the window -----------------------------------------------------
    void ImageDealClick();                                   // the DEAL button
    void HandSlotMouseDown(int slot, MouseButton button);    // a press on hand slot 1..19
    void Image53MouseDown(MouseButton button);               // a press on the stock
    void Image37Click();                                     // CLOSE under the score grid
    void ComboBox3KeyDown(int key, const std::string& text); // a key in the "Save Game" box
    void ComboBox2KeyDown(int key, const std::string& text); // a key in the "Saved Games" box
    void Image20Click(const ChosenOptions& chosen);          // START
    void FormClose();                                        // the window goes

    // ---- Table state owned by the flow ------------------------------------------------------
    int PileDepth() const { return PileDepth_; }
    bool ScoreGridUp() const { return ScoreGridUp_; }
    bool Busy() const { return Busy_; }
    // Shows up to count backs on the stock, never more than are left to draw and never none.
    void ShowStockPile(int count, bool force);

  private:
    // A turn sequence: one event of the boundary, refused while another turn sequence runs
    // or the window closes; a file failure met on the way is shown once it has ended.
    void RunTurnEvent(const std::function<void()>& body);
    void EndEvent(const std::string& failure);

    // ---- Options panel ----------------------------------------------------------------------
    void ApplyChosenOptions(const ChosenOptions& chosen);
    void StartHiddenModes();

    // ---- Round controller -------------------------------------------------------------------
    void ComputerTurn();
    int ComputerDrawsUntilPlayable(int seat, int& drawn);
    void PlayComputerJackChain(int seat, int& card);
    void FinishComputerTurn(int seat, int card);
    bool RunTwosChain(bool advanceFirst, bool checkFirst);
    bool PlayChainedTwo(bool advanceFirst);
    void DrawTwoPenalty(bool advanceFirst);
    void ContinueAfterHumanPlay(int card);
    void ApplyPlayedCard(int card);
    void RunComputerTurns(bool afterPass);
    void EndRound();
    bool RoundWinner();
    int DrawAndNotice(); // one card for CurrentPlayer: the card, 0 when nothing could be drawn

    // ---- Human input ------------------------------------------------------------------------
    void ToggleCardSelection(int slot, int card);
    void SelectCard(int slot, int card);
    void DeselectCard(int slot, int card);
    void RaiseSlot(int slot);
    void SetSlotTop(int slot, int top);
    std::pair<int, bool> PlayJackChain(int card);
    int HumanSlotNow(int card, int chosenSlot) const; // where a chained card stands now
    void PlayHumanCard(int card, int slot);
    void OpenSuitChooser(int slot);
    void CommitHumanPlay(int card, int slot, bool chainPlayed);
    void HumanPasses();
    void HumanDraws();
    bool HumanCanDraw() const;

    // ---- Status displays and card movement --------------------------------------------------
    void FlyCardToDiscard(int card, int slot);
    void ShowDiscardTop(int card, bool pause, bool useCard);
    void AnimateDeal(bool slow);
    void FlyFromStock(int seat);
    void AnimateDrawFlight(int seat);
    void FlipFirstDiscard();
    void ShowDrawsBanner(int count, bool penalty);
    void ShowPassesBanner();
    void ShowHand(int seat, bool reveal);
    void DrawHumanHand(int count, bool sort);
    void ShowTurnArrow();
    void HideTurnArrows();
    void ShowSuitMarker();
    void HideSuitMarkers();

    // ---- Scoreboard -------------------------------------------------------------------------
    void ShowScoreGrid();
    void AdvanceRound();
    void ShowGameOver();
    void PrepareNextRound();
    void ShowSeatTotals();
    std::string SeatTotalSuffix(int seat) const;
    void ShowReshuffleNotice();

    // ---- What a screen reader is told -------------------------------------------------------
    std::string SeatName(int seat) const;
    // The news, put into words only when the view is listening.
    void AnnouncePlay(int seat, int card);
    void AnnounceSuit(int seat, int suit); // the suit named after a joker
    void AnnounceRefusedCard(int card);
    void AnnounceScores();
    void ShowFileMessage(int kind); // "loaded" (1) or "saved" (2) message for SaveName

    // ---- Files ------------------------------------------------------------------------------
    // The line is made only when the log is on: most runs never write one, and the computer
    // turns would otherwise build a string at every step.
    void LogState(std::string_view text);
    void LogState(std::string_view text, int count);  // text, the count and a space
    void Guarded(const std::function<void()>& write); // keeps a file failure for later

    int HumanCount() const { return E.Hands[1].count; }
    int CountOf(int seat) const { return E.Hands[seat].count; }

    Engine& E;
    TableView& View;
    FlowStorage& Storage;
    int PileDepth_ = 0;
    bool ScoreGridUp_ = false;
    bool Busy_ = false;        // a turn sequence runs
    int ArrowSeat_ = 0;        // the seat the turn arrow last pointed at, for "Your turn"
    int Depth_ = 0;            // handlers on the stack; the window may not go while one runs
    bool Closing_ = false;     // the window was asked to close
    std::string PendingError_; // the first file failure of the running turn sequence
};
