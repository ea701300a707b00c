// SPDX-License-Identifier: GPL-3.0-or-later
// The scores on the table: the seat labels with their totals, the "SCORES" banner and the score
// grid at the end of a round, and the end of the game with its winner and score.
#include <QTableWidget>

#include "suitchooser/window_controls.h"
#include "table/tform1.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

} // namespace

void TForm1::ShowSeatLabel(int seat, const std::string& text) {
    if (seat < 1 || seat > 5)
        return;
    TextLabel* label = SeatLabels()[seat];
    label->SetCaption(QString::fromStdString(text));
    // At the end of a round the discard pile moves up beside the top seat's name; the names
    // stay readable above it.
    label->raise();
    // The human's name stays centred under the hand whatever its total adds to it.
    if (seat == 1)
        label->move(kOuterWidth / 2 - label->width() / 2, label->y());
}

void TForm1::ShowScoresBanner(const std::string& text) {
    TextLabel* banner = Label27;
    banner->SetCaption(QString::fromStdString(text));
    banner->SetFontColour(QColor::fromRgb(kWhite));
    banner->move(kOuterWidth / 2 - banner->width() / 2 - 30, kOuterHeight / 4 + 6);
    banner->setEnabled(true);
    banner->show();
}

void TForm1::HideScoresBanner() {
    QWidget* banner = Label27;
    banner->hide();
    banner->setEnabled(false);
}

void TForm1::ShowScoreGrid(const ScoreGridTexts& cells) {
    QWidget* board = GroupBox4;
    board->move(kOuterWidth / 2 - board->width() / 2, 228);
    board->setEnabled(true);
    board->show();
    QTableWidget* grid = StringGrid1;
    grid->clearContents();
    grid->clearSelection();
    grid->setCurrentItem(nullptr);
    for (int row = 0; row < grid->rowCount() && row < static_cast<int>(cells.size()); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            const std::string& text = cells[row][column];
            if (!text.empty())
                grid->setItem(row, column, new QTableWidgetItem(QString::fromStdString(text)));
        }
    }
    NameScoreGrid(cells);
}

void TForm1::HideScoreGrid() {
    QWidget* board = GroupBox4;
    // A closed grid keeps no cell a screen reader would still take for focused.
    StringGrid1->selectionModel()->clearCurrentIndex();
    board->hide();
    board->setEnabled(false);
}

void TForm1::ShowGameOver(const std::string& banner, const std::string& winner) {
    TextLabel* over = Label26;
    over->move(over->x(), 376);
    over->SetCaption(QString::fromStdString(banner));
    over->setEnabled(true);
    over->show();
    over->move(kOuterWidth / 2 - over->width() / 2, 376);
    over->SetFontColour(QColor::fromRgb(kWhite));

    TextLabel* line = Label27;
    line->SetFontColour(QColor::fromRgb(kWhite));
    line->SetCaption(QString::fromStdString(winner));
    line->move(kOuterWidth / 2 - line->width() / 2, 406);
    line->setEnabled(true);
    line->show();
    Announce(banner + ". " + winner);
    over->setAccessibleDescription(QString::fromStdString(winner));
}

void TForm1::ShowFinalScore(const std::string& text) {
    TextLabel* score = Label36;
    score->SetCaption(QString::fromStdString(text));
    score->show();
    Announce(text);
    Label26->setAccessibleDescription(Label26->accessibleDescription() + QStringLiteral(". ") +
                                      QString::fromStdString(text));
}
