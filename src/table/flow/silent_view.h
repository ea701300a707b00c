// SPDX-License-Identifier: GPL-3.0-or-later
// A table that shows nothing and never waits: the self-play simulator and the flow's tests
// drive the real turn flow through it. It answers the suit chooser and the deal buttons from
// settings and counts what a player would have noticed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "table/flow/table_view.h"

class SilentView : public TableView {
  public:
    int DealSize = 6;                // the checked deal button
    std::function<int()> ChooseSuit; // the suit the chooser answers; hearts when unset
    int ReshuffleNotices = 0;
    int SuitChooserOpenings = 0;
    std::vector<std::string> Errors;

    void Repaint() override {}
    void Pause(int) override {}
    void Sleep(int) override {}
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    void TableChanged() override {}
    void CloseWindow() override {}
    void Announce(const std::string&) override {}
    bool Listening() const override { return false; }
    void ShowSettings() override {}
    void HideOptionsPanel() override {}
    void ShowSeatNames() override {}

    int CheckedDealSize() const override { return DealSize; }
    void HideDealPanel() override {}
    void ShowDealPanel() override {}
    void ShowSeatLabel(int, const std::string&) override {}
    void ShowAllHandSlots(bool, bool) override {}
    void PlaceSeat(int, bool) override {}
    void PrepareSeatPictures() override {}
    void ShowGamesAndWins() override {}

    void DrawHumanHand(int) override {}
    void DrawSeatHand(int, int, bool) override {}
    void ClearHandSlot(int) override {}
    void SetSlotTop(int, int) override {}

    void ShowStockBacks(int) override {}
    void MoveStockCard(int, int) override {}
    void FlipStockCard(int) override {}
    void ReturnStockCard() override {}
    void HideStockPile() override {}

    void StartCardFlight(int, int, int) override {}
    void MoveCardFlight(int, int) override {}
    void EndCardFlight() override {}
    void ShowDiscardTop(int) override {}
    void ShowDiscardPictures() override {}
    void RaiseDiscardPile() override {}
    void HideDiscardPictures() override {}

    void ShowStatusText(const std::string&, LabelPlace, StatusColour) override {}
    void HideStatusText() override {}
    void SetArrowVisible(int, bool) override {}
    void ShowTurnArrow(const MarkerPlace&) override {}
    void ShowSuitMarker(int) override {}
    void HideSuitMarkers() override {}

    void ShowNotice(const std::string&) override { ++ReshuffleNotices; }
    void HideNotice() override {}
    void ShowScoresBanner(const std::string&) override {}
    void HideScoresBanner() override {}
    void ShowScoreGrid(const ScoreGridTexts&) override {}
    void HideScoreGrid() override {}
    void ShowGameOver(const std::string&, const std::string&) override {}
    void ShowFinalScore(const std::string&) override {}
    void ShowSaveBox() override {}
    void HideSaveBox() override {}
    void ShowFileMessageText(int, const std::string&) override {}
    void HideFileMessage() override {}

    int OpenSuitChooser() override {
        ++SuitChooserOpenings;
        return ChooseSuit ? ChooseSuit() : 2;
    }
};
