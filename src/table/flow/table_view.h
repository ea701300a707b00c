// SPDX-License-Identifier: GPL-3.0-or-later
// What the turn flow asks of the screen. The flow decides every rule, order, gate and pause
// length; a view only puts pictures and texts where they belong. The table window implements
// it with its controls and its pacer, the tests with a recorder and the self-play simulator
// with nothing at all.
#pragma once

#include <array>
#include <string>

#include "engine/engine.h"

// Colour of the status text's face (its shadow is always black).
enum class StatusColour { Aqua, Yellow, White };

// Buttons as the hand slots and the stock tell them apart.
enum class MouseButton { Left, Right, Other };

// What the options panel shows ticked when START is pressed; 0 where no button of a row is.
struct ChosenOptions {
    int32_t PlayUntil = 0;
    int32_t PlayerCount = 0;
    bool QuickDeal = true;
    bool SortByPoints = false;
    bool ProgressiveTwos = false;
};

// The score grid's cell texts: [row][column], row 0 the header, rows 1..5 the seats.
using ScoreGridTexts = std::array<std::array<std::string, 12>, 6>;

class TableView {
  public:
    virtual ~TableView() = default;

    // ---- Pacing -----------------------------------------------------------------------------
    virtual void Repaint() = 0;     // repaints the window at once
    virtual void Pause(int ms) = 0; // repaints, then waits ms milliseconds
    virtual void Sleep(int ms) = 0; // waits ms milliseconds without repainting first
    virtual void ShowError(const std::string& text) = 0; // reports a file failure in a box
    // The event in hand is over: what follows the table (the keyboard focus, the names a
    // screen reader reads) catches up with it.
    virtual void TableChanged() = 0;
    // A close asked for while an event ran: the last event has returned, the window goes now.
    virtual void CloseWindow() = 0;
    // Tells a player who cannot see the table what just happened ("Raduz lays the seven of
    // hearts", "Your turn"), in the order it happens; nothing is shown.
    virtual void Announce(const std::string& text) = 0;
    // Whether anyone hears what Announce tells. The flow asks before it puts news into words:
    // a table that nobody watches would otherwise pay for a sentence or two at every play.
    virtual bool Listening() const { return true; }

    // ---- Options panel ----------------------------------------------------------------------
    virtual void ShowSettings() = 0;     // the option controls show the engine's settings
    virtual void HideOptionsPanel() = 0; // START: the options give way to the deal panel
    virtual void ShowSeatNames() = 0;    // the seat names of the seats in play, in their places

    // ---- Deal panel, seats and counters -----------------------------------------------------
    virtual int CheckedDealSize() const = 0; // 4..7 from the checked deal button, 0 when none
    virtual void HideDealPanel() = 0;        // hides and disables the deal panel
    virtual void ShowDealPanel() = 0;        // shows and enables the deal panel
    virtual void ShowSeatLabel(int seat, const std::string& text) = 0; // seat 1's is centred
    virtual void ShowAllHandSlots(bool visible, bool enabled) = 0;     // the 19 hand slots
    virtual void PlaceSeat(int seat, bool visible) = 0;                // resets one seat's pictures
    virtual void PrepareSeatPictures() = 0; // fresh fan surfaces, stock top card visible
    virtual void ShowGamesAndWins() = 0;    // writes the games and wins counters

    // ---- Hands ------------------------------------------------------------------------------
    virtual void DrawHumanHand(int count) = 0; // lays out slots 1..count as they stand, resting
    virtual void DrawSeatHand(int seat, int count, bool faceUp) = 0; // a computer seat's fan
    virtual void ClearHandSlot(int slot) = 0;       // empties one hand slot's picture
    virtual void SetSlotTop(int slot, int top) = 0; // moves a slot picture, records its top

    // ---- Stock ------------------------------------------------------------------------------
    virtual void ShowStockBacks(int backs) = 0;         // shows that many backs (1..4) on the stock
    virtual void MoveStockCard(int seat, int step) = 0; // stock card on its way to a seat, 0..6
    virtual void FlipStockCard(int step) = 0;           // stock card turning to the discards, 0..3
    virtual void ReturnStockCard() = 0;                 // stock card back on the stock, visible
    virtual void HideStockPile() = 0;                   // hides the stock caption and pictures

    // ---- Discard pile -----------------------------------------------------------------------
    virtual void StartCardFlight(int card, int seat, int slot) = 0; // face of a card leaving a seat
    virtual void MoveCardFlight(int step, int pileDepth) = 0;       // flight step 1..6; edges at 5
    virtual void EndCardFlight() = 0;          // hides the flying card and the status text
    virtual void ShowDiscardTop(int card) = 0; // paints the top card, shows its caption
    virtual void ShowDiscardPictures() = 0;    // the discard pictures at their deal places
    virtual void RaiseDiscardPile() = 0;       // end of round: caption hidden, pile moved up
    virtual void HideDiscardPictures() = 0;    // between rounds: no discard pile

    // ---- Status text, turn arrow, suit marker -----------------------------------------------
    virtual void ShowStatusText(const std::string& text, LabelPlace place,
                                StatusColour colour) = 0;     // the draws or passes text
    virtual void HideStatusText() = 0;                        // hides it and its shadow
    virtual void SetArrowVisible(int kind, bool visible) = 0; // one of the four turn arrows
    virtual void ShowTurnArrow(const MarkerPlace& place) = 0; // moves and shows one arrow
    virtual void ShowSuitMarker(int suit) = 0;                // the marker of a named suit
    virtual void HideSuitMarkers() = 0;                       // hides all four markers

    // ---- Notices, scores and the end of the game --------------------------------------------
    virtual void ShowNotice(const std::string& text) = 0; // the centred reshuffle notice
    virtual void HideNotice() = 0;
    virtual void ShowScoresBanner(const std::string& text) = 0; // "SCORES" above the grid
    virtual void HideScoresBanner() = 0;
    virtual void ShowScoreGrid(const ScoreGridTexts& cells) = 0; // fills and opens the grid
    virtual void HideScoreGrid() = 0;                            // hides and disables the grid
    virtual void ShowGameOver(const std::string& banner, const std::string& winner) = 0;
    virtual void ShowFinalScore(const std::string& text) = 0; // "Score " and the rating
    virtual void ShowSaveBox() = 0; // refills the saved-game lists, shows the "Save Game" box
    virtual void HideSaveBox() = 0; // hides and disables the "Save Game" box
    virtual void ShowFileMessageText(int kind, const std::string& text) = 0; // 1 loaded, 2 saved
    virtual void HideFileMessage() = 0;

    // ---- Suit chooser -----------------------------------------------------------------------
    // Shows the chooser modally; returns the suit named (0..3), or -1 when it was closed
    // without a choice.
    virtual int OpenSuitChooser() = 0;
};
