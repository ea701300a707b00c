// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the game from the "Save Game" box between rounds, and the message that confirms a
// save or a load.
#include "table/flow/turn_flow.h"

#include "storage/saved_games.h"

namespace {

constexpr int kEnterKey = 13;

} // namespace

void TurnFlow::ComboBox3KeyDown(int key, const std::string& text) {
    RunTurnEvent([this, key, &text] {
        if (key != kEnterKey || E.GameOver)
            return;
        const std::string name = SaveNameFromText(text);
        if (name.empty())
            return;
        E.SaveName = name;
        bool saved = false;
        Guarded([this, &saved] { saved = Storage.SaveGame(E); });
        if (saved)
            ShowFileMessage(2);
    });
}

// The message stays two seconds; the window keeps painting meanwhile.
void TurnFlow::ShowFileMessage(int kind) {
    std::string text;
    if (kind == 1)
        text = E.SaveName + " loaded - Current Round:" + std::to_string(SavedRound(E));
    else if (kind == 2)
        text = E.SaveName + " saved";
    else
        return;
    View.ShowFileMessageText(kind, text);
    View.Pause(2000);
    View.HideFileMessage();
}
