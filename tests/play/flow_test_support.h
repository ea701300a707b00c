// SPDX-License-Identifier: GPL-3.0-or-later
// A table for the turn flow's tests: a view that writes every call (pauses included) and the
// flow's log notes into one timeline, storage that can fail on purpose, and helpers to lay
// out hands, stock and discards by hand.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "storage/storage_error.h"
#include "table/flow/turn_flow.h"

namespace flowtest {

enum Suit { D = 0, C = 1, H = 2, S = 3 };
// A card by rank index (0 ace, 1 two, .. 10 jack, 11 queen, 12 king) and suit.
constexpr int Card(int rank, int suit, int deck = 0) {
    return suit * 13 + rank + 1 + 52 * deck;
}
constexpr int Pip(int value, int suit) {
    return Card(value - 1, suit);
} // 2..10
constexpr int Ace(int suit) {
    return Card(0, suit);
}
constexpr int Two(int suit, int deck = 0) {
    return Card(1, suit, deck);
}
constexpr int Jack(int suit) {
    return Card(10, suit);
}
constexpr int Queen(int suit) {
    return Card(11, suit);
}
constexpr int King(int suit) {
    return Card(12, suit);
}
constexpr int kJoker = 105;

using Timeline = std::vector<std::string>;

inline std::string Flat(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
        text.replace(at, 2, "|");
    return text;
}

class RecordingView : public TableView {
  public:
    explicit RecordingView(Timeline& timeline) : T(timeline) {}
    int DealSize = 6;
    std::deque<int> Suits;     // answers of the suit chooser, in order
    int CloseAfterPauses = -1; // the window is asked to close after that many pauses
    bool Listened = true;      // someone hears the news
    int Pauses = 0;
    std::function<void()> AskToClose; // what a close of the window does

    void Repaint() override { Add("Repaint"); }
    void Pause(int ms) override {
        Add("Pause " + N(ms));
        Paused();
    }
    void Sleep(int ms) override {
        Add("Sleep " + N(ms));
        Paused();
    }
    void ShowError(const std::string& text) override { Add("Error " + text); }
    void TableChanged() override {}
    void CloseWindow() override { Add("CloseWindow"); }
    void Announce(const std::string& text) override { Spoken.push_back(text); }
    bool Listening() const override { return Listened; }
    void ShowSettings() override { Add("ShowSettings"); }
    void HideOptionsPanel() override { Add("HideOptionsPanel"); }
    void ShowSeatNames() override { Add("SeatNames"); }
    int CheckedDealSize() const override { return DealSize; }
    void HideDealPanel() override { Add("HideDealPanel"); }
    void ShowDealPanel() override { Add("ShowDealPanel"); }
    void ShowSeatLabel(int s, const std::string& t) override {
        Add("SeatLabel " + N(s) + " " + Flat(t));
    }
    void ShowAllHandSlots(bool v, bool e) override { Add("AllHandSlots " + N(v) + " " + N(e)); }
    void PlaceSeat(int s, bool v) override { Add("PlaceSeat " + N(s) + " " + N(v)); }
    void PrepareSeatPictures() override { Add("PrepareSeatPictures"); }
    void ShowGamesAndWins() override { Add("GamesAndWins"); }
    void DrawHumanHand(int n) override { Add("HumanHand " + N(n)); }
    void DrawSeatHand(int s, int n, bool up) override {
        Add("SeatHand " + N(s) + " " + N(n) + " " + N(up));
    }
    void ClearHandSlot(int k) override { Add("ClearSlot " + N(k)); }
    void SetSlotTop(int k, int top) override { Add("SlotTop " + N(k) + " " + N(top)); }
    void ShowStockBacks(int k) override { Add("StockPile " + N(k)); }
    void MoveStockCard(int s, int j) override { Add("StockFlight " + N(s) + " " + N(j)); }
    void FlipStockCard(int j) override { Add("Flip " + N(j)); }
    void ReturnStockCard() override { Add("StockBack"); }
    void HideStockPile() override { Add("HideStock"); }
    void StartCardFlight(int c, int s, int k) override {
        Add("Fly " + N(c) + " " + N(s) + " " + N(k));
    }
    void MoveCardFlight(int i, int d) override { Add("FlyStep " + N(i) + " " + N(d)); }
    void EndCardFlight() override { Add("FlyEnd"); }
    void ShowDiscardTop(int c) override { Add("Top " + N(c)); }
    void ShowDiscardPictures() override { Add("DiscardPictures"); }
    void RaiseDiscardPile() override { Add("RaiseDiscards"); }
    void HideDiscardPictures() override { Add("HideDiscards"); }
    void ShowStatusText(const std::string& t, LabelPlace p, StatusColour c) override {
        static const char* colours[] = {"aqua", "yellow", "white"};
        Add("Status " + Flat(t) + " " + colours[static_cast<int>(c)] + " " + N(p.left) + "," +
            N(p.top));
    }
    void HideStatusText() override { Add("HideStatus"); }
    void SetArrowVisible(int k, bool v) override { Add("Arrow " + N(k) + " " + N(v)); }
    void ShowTurnArrow(const MarkerPlace& p) override { Add("TurnArrow " + N(p.picture)); }
    void ShowSuitMarker(int s) override { Add("SuitMarker " + N(s)); }
    void HideSuitMarkers() override { Add("HideSuitMarkers"); }
    void ShowNotice(const std::string& t) override { Add("Notice " + t); }
    void HideNotice() override { Add("HideNotice"); }
    void ShowScoresBanner(const std::string& t) override { Add("Banner " + t); }
    void HideScoresBanner() override { Add("HideBanner"); }
    void ShowScoreGrid(const ScoreGridTexts& cells) override {
        Grid = cells;
        Add("ScoreGrid");
    }
    void HideScoreGrid() override { Add("HideScoreGrid"); }
    void ShowGameOver(const std::string& b, const std::string& w) override {
        Add("GameOver " + b + "/" + w);
    }
    void ShowFinalScore(const std::string& t) override { Add("FinalScore " + t); }
    void ShowSaveBox() override { Add("SaveBox"); }
    void HideSaveBox() override { Add("HideSaveBox"); }
    void ShowFileMessageText(int k, const std::string& t) override {
        Add("FileMessage " + N(k) + " " + t);
    }
    void HideFileMessage() override { Add("HideFileMessage"); }
    int OpenSuitChooser() override {
        Add("SuitChooser");
        if (Suits.empty())
            return -1;
        const int suit = Suits.front();
        Suits.pop_front();
        return suit;
    }

    ScoreGridTexts Grid{};
    std::vector<std::string> Spoken; // what a screen reader was told, kept apart from the timeline

  private:
    static std::string N(int n) { return std::to_string(n); }
    void Paused() {
        if (++Pauses == CloseAfterPauses && AskToClose)
            AskToClose();
    }
    void Add(const std::string& entry) { T.push_back(entry); }
    Timeline& T;
};

// Records the log notes (with the seat whose turn it is) and every file write; each kind of
// write can be made to fail.
class MemoryStorage : public FlowStorage {
  public:
    explicit MemoryStorage(Timeline& timeline) : T(timeline) {}
    int FailLogAfter = -1; // the log write after this many lines fails
    bool FailHighScores = false;
    int LogLines = 0;
    int HighScoreUpdates = 0;
    int GameOverUpdates = 0;

    void StartLog(Engine&) override { T.push_back("StartLog"); }
    void CloseLog(Engine&) override { T.push_back("CloseLog"); }
    bool LoadGame(Engine&) override { return false; }
    void LogState(const Engine& e, const std::string& text) override {
        if (FailLogAfter >= 0 && LogLines >= FailLogAfter)
            throw StorageError("Disk full");
        ++LogLines;
        T.push_back("Log " + text + "@" + std::to_string(e.CurrentPlayer));
    }
    void SaveConfig(const Engine&) override { T.push_back("SaveConfig"); }
    void CountFirstDeal(Engine& e) override {
        if (!e.FirstDealPending)
            return;
        e.FirstDealPending = false;
        ++e.GamesPlayed;
        UpdateHighScores(e, false);
    }
    void UpdateHighScores(Engine&, bool atGameOver) override {
        if (FailHighScores)
            throw StorageError("File access denied");
        ++HighScoreUpdates;
        GameOverUpdates += atGameOver ? 1 : 0;
    }
    bool SaveGame(Engine&) override { return true; }

  private:
    Timeline& T;
};

// True when every entry of `expected` matches the timeline from `from` on, one for one. In
// an expected entry "*" matches any word and "a..b" any number from a to b.
::testing::AssertionResult Follows(const Timeline& timeline, size_t from,
                                   const std::vector<std::string>& expected);

// The entries that start with one of the prefixes, in order.
Timeline Only(const Timeline& timeline, const std::vector<std::string>& prefixes, size_t from = 0);

// Index of the first entry at or after `from` that starts with the prefix; npos when none.
size_t Find(const Timeline& timeline, const std::string& prefix, size_t from = 0);

inline std::string Str(int n) {
    return std::to_string(n);
}

// The entries of one card's flight from a seat (or a hand slot) to the discard pile.
std::vector<std::string> FlightOf(int card, int seat, int slot);

// The parts one after another.
std::vector<std::string> Join(const std::vector<std::vector<std::string>>& parts);

// All four turn arrows hidden, as every arrow update begins.
const std::vector<std::string> kArrowsOff = {"Arrow 1 0", "Arrow 2 0", "Arrow 3 0", "Arrow 4 0"};

// A round laid out by hand: seat 1 to move, the given hands, stock (drawn from the front) and
// discards (the last is the top).
class FlowTable {
  public:
    explicit FlowTable(int players = 3);
    void Lay(const std::vector<std::vector<int>>& hands, const std::vector<int>& stock,
             const std::vector<int>& discards);
    int SlotOf(int card) const; // the human's slot holding the card, 0 when none
    std::vector<int> HumanCards() const;
    void Press(int card, MouseButton button = MouseButton::Left);
    size_t Mark() const { return T.size(); }

    Timeline T;
    Engine E;
    RecordingView View{T};
    MemoryStorage Files{T};
    TurnFlow Flow{E, View, Files};
};

} // namespace flowtest
