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

class TurnFlow {
  public:
    TurnFlow(Engine& engine, TableView& view, FlowStorage& storage);

    // ---- Events forwarded by the window -----------------------------------------------------
    void ImageDealClick();                                   // the DEAL button
    void HandSlotMouseDown(int slot, MouseButton button);    // a press on hand slot 1..19
    void Image53MouseDown(MouseButton button);               // a press on the stock
    void Image37Click();                                     // CLOSE under the score grid
    void ComboBox3KeyDown(int key, const std::string& text); // a key in the "Save Game" box
    void ShowFileMessage(int kind); // "loaded" (1) or "saved" (2) message for SaveName

    // ---- Table state owned by the flow ------------------------------------------------------
    int PileDepth() const { return PileDepth_; }
    bool ScoreGridUp() const { return ScoreGridUp_; }
    bool Busy() const { return Busy_; }

    // Shows up to count backs on the stock, never more than are left to draw and never none;
    // the options panel also calls it, forced, when the table is laid out.
    void ShowStockPile(int count, bool force);

  private:
    // Runs one event to its end unless another is still running, then reports the first file
    // failure it met.
    void RunHandler(const std::function<void()>& body);

    // ---- Round controller -------------------------------------------------------------------
    void TurnFirstDiscard();
    void ComputerTurn();
    int ComputerDrawsUntilPlayable(int seat, int& drawn);
    void PlayComputerJackChain(int seat, int& card);
    void FinishComputerTurn(int seat, int card);
    void RunTwosAfterComputer();
    bool PlayChainedTwo(bool advanceFirst);
    void DrawTwoPenalty(bool advanceFirst);
    void ContinueAfterHumanPlay(int card);
    void ApplyPlayedCard(int card);
    void RunComputerTurns(bool afterPass);
    void EndRound();
    bool RoundWinner();
    bool DrawAndNotice(); // one card for CurrentPlayer; false when nothing could be drawn

    // ---- Human input ------------------------------------------------------------------------
    void ToggleCardSelection(int slot, int card);
    void SelectCard(int slot, int card);
    void DeselectCard(int slot, int card);
    void RaiseSlot(int slot);
    void SetSlotTop(int slot, int top);
    std::pair<int, bool> PlayJackChain(int card);
    int HumanSlotNow(int card, int chosenSlot) const; // where a chained card stands now
    void PlayHumanCard(int card, int slot);
    void RemoveFromHumanHand(int card);
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
    bool Busy_ = false;
    std::string PendingError_; // the first file failure of the running handler
};
