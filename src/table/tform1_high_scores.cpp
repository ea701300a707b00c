// The high-score corner: six rows of score and name, and the games and wins counters.
#include "storage/high_scores.h"
#include "suitchooser/window_controls.h"
#include "table/tform1.h"

void TForm1::ShowHighScores() {
    Label(QStringLiteral("Label37"))->move(25, 595);
    // Rows 1..5 show entries 1..5; the last row shows entry 0, the human's best win.
    for (int row = 0; row < 6; ++row) {
        const int entry = row < 5 ? row + 1 : 0;
        const int top = 618 + 18 * row;
        TextLabel* score = Label(QStringLiteral("Label%1").arg(38 + 2 * row));
        TextLabel* name = Label(QStringLiteral("Label%1").arg(39 + 2 * row));
        score->move(25, top);
        score->SetCaption(QString::number(engine_.HighScores[entry]));
        name->move(80, top);
        name->SetCaption(QString::fromStdString(engine_.HighScoreNames[entry]));
    }
}

void TForm1::ShowGamesAndWins() {
    Label(QStringLiteral("Label50"))
        ->SetCaption(QString::fromStdString(ShowGamesAndWinsText(engine_.GamesPlayed)));
    Label(QStringLiteral("Label51"))
        ->SetCaption(QString::fromStdString(ShowGamesAndWinsText(engine_.GamesWon)));
}
