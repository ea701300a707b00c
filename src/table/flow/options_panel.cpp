// SPDX-License-Identifier: GPL-3.0-or-later
// What START and the "Saved Games" box decide: the chosen settings, where the seats sit, the
// hidden modes and the trace log; and a saved game loaded before the first deal.
#include "table/flow/turn_flow.h"

#include "storage/game_log.h"
#include "storage/saved_games.h"

namespace {

constexpr int kEnterKey = 13;

// Only the low byte of each cell is a letter of the word.
constexpr std::array<uint32_t, 3> kRevealCodes = {0x2A11004Bu, 0x00C50069u, 0x3F000172u};

} // namespace

std::string RevealWord() {
    std::string word;
    for (const uint32_t code : kRevealCodes)
        word += static_cast<char>(code & 0xFFu);
    return word;
}

void TurnFlow::Image20Click(const ChosenOptions& chosen) {
    RunEvent([this, &chosen] {
        ApplyChosenOptions(chosen);
        ShowStockPile(4, true);
        View.HideOptionsPanel();
        View.ShowDealPanel();
        View.ShowSeatNames();
        E.SlowDeal = !chosen.QuickDeal;
        E.SortByPoints = chosen.SortByPoints;
        E.ProgressiveTwos = chosen.ProgressiveTwos;
        E.StrategySeed = E.Random(6);
        StartHiddenModes();
    });
}

// A row with no button ticked keeps the setting it had.
void TurnFlow::ApplyChosenOptions(const ChosenOptions& chosen) {
    if (chosen.PlayUntil > 0)
        E.PlayUntil = chosen.PlayUntil;
    if (chosen.PlayerCount > 0)
        E.PlayerCount = chosen.PlayerCount;
    E.PlaceSeats();
}

// Neither mode is ever switched off again during the run.
void TurnFlow::StartHiddenModes() {
    if (E.PlayerNames[3] == RevealWord())
        E.RevealHands = true;
    if (IsLogWord(E.PlayerNames[5]))
        E.LogEnabled = true;
    Storage.StartLog(E);
}

// The controls show the engine's settings whether or not anything was loaded.
void TurnFlow::ComboBox2KeyDown(int key, const std::string& text) {
    RunEvent([this, key, &text] {
        if (key != kEnterKey)
            return;
        const std::string name = SaveNameFromText(text);
        if (name.empty())
            return;
        E.SaveName = name;
        const bool loaded = Storage.LoadGame(E);
        View.ShowSettings();
        if (loaded)
            ShowFileMessage(1);
    });
}
