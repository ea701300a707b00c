// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score corner: six rows of score and name, and the games and wins counters.
#include "storage/high_scores.h"
#include "suitchooser/window_controls.h"
#include "table/tform1.h"

void TForm1::ShowHighScores() {
    Label37->move(25, 595);
    const std::array<TextLabel*, 6> scores = {Label38, Label40, Label42, Label44, Label46, Label48};
    const std::array<TextLabel*, 6> names = {Label39, Label41, Label43, Label45, Label47, Label49};
    // Rows 1..5 show entries 1..5; the last row shows entry 0, the human's best win.
    for (int row = 0; row < 6; ++row) {
        const int entry = row < 5 ? row + 1 : 0;
        const int top = 618 + 18 * row;
        TextLabel* score = scores[row];
        TextLabel* name = names[row];
        score->move(25, top);
        score->SetCaption(QString::number(engine_.HighScores[entry]));
        name->move(80, top);
        name->SetCaption(QString::fromStdString(engine_.HighScoreNames[entry]));
    }
}

void TForm1::ShowGamesAndWins() {
    Label50->SetCaption(QString::fromStdString(ShowGamesAndWinsText(engine_.GamesPlayed)));
    Label51->SetCaption(QString::fromStdString(ShowGamesAndWinsText(engine_.GamesWon)));
}
