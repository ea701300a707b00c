// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a round on the real window: the revealed hands and the score grid, clicks refused
// while it is up, CLOSE into the next round with the seat totals, saving from the "Save Game"
// box, the tenth round ending the game, and a close that arrives while a turn is played.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>

#include "play_window_fixture.h"
#include "storage/high_scores.h"

using namespace flowtest;

namespace {

std::string Cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().toStdString() : "";
}

std::string Text(const TextLabel* label) {
    return label->Caption().toStdString();
}

} // namespace

class RoundEndTest : public PlayWindowTest {
  protected:
    // Four players; the human lays the last card, a seven of clubs on a five.
    void HumanGoesOut() {
        StartGame(4, false);
        LayRound({{Pip(7, C)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}, {Ace(S), kJoker}},
                 {Pip(3, S), Pip(4, S)}, {Pip(5, C)});
        PressSlot(1);
        ASSERT_TRUE(flow->ScoreGridUp());
    }

    // Types into the "Save Game" box and presses Enter.
    void SaveAs(const QString& name) {
        QComboBox* box = form->ComboBox3;
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), name);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    }
};

TEST_F(RoundEndTest, LastCardOpensTheScoreGridAtOnceWithTheHandsFaceUp) {
    StartGame(4, false);
    LayRound({{Pip(7, C)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}, {Ace(S), kJoker}},
             {Pip(3, S), Pip(4, S)}, {Pip(5, C)});
    Watch([this] { return StatusShown(); });
    PressSlot(1);

    // Nobody else played: no draws text, every other hand as it was.
    for (const std::string& wait : watched)
        EXPECT_EQ(wait.find('|'), std::string::npos) << wait;
    for (int seat = 2; seat <= 4; ++seat)
        EXPECT_EQ(engine.Hands[seat].count, 2) << seat;
    EXPECT_FALSE(engine.InputEnabled);

    const TextLabel* banner = form->Label27;
    EXPECT_EQ(Text(banner), "SCORES");
    EXPECT_FALSE(banner->isHidden());
    EXPECT_EQ(banner->pos(), QPoint(512 - banner->width() / 2 - 30, 760 / 4 + 6));
    EXPECT_EQ(banner->FontColour(), QColor(Qt::white));
    QWidget* board = form->GroupBox4;
    EXPECT_FALSE(board->isHidden());
    EXPECT_TRUE(board->isEnabled());
    EXPECT_EQ(board->pos(), QPoint(222, 228));

    const QTableWidget* grid = form->StringGrid1;
    EXPECT_EQ(Cell(grid, 0, 0), "            Round:");
    EXPECT_EQ(Cell(grid, 0, 1), "   1");
    EXPECT_EQ(Cell(grid, 0, 10), "  10");
    EXPECT_EQ(Cell(grid, 0, 11), "Total");
    const std::vector<std::vector<std::string>> seats = {
        {"You", "   0"}, {"Raduz", "  12"}, {"Vur", "  14"}, {"Dad", "  61"}};
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(Cell(grid, row, 0), seats[row - 1][0]);
        EXPECT_EQ(Cell(grid, row, 1), seats[row - 1][1]);
        EXPECT_EQ(Cell(grid, row, 2), "   0");
        EXPECT_EQ(Cell(grid, row, 11), seats[row - 1][1]);
    }
    for (int column = 0; column < 12; ++column)
        EXPECT_EQ(Cell(grid, 5, column), "") << column;
    const std::array<int, 12> widths = {123, 38, 38, 38, 38, 38, 38, 38, 38, 38, 41, 50};
    for (int column = 0; column < 12; ++column)
        EXPECT_EQ(grid->columnWidth(column), widths[column]) << column;
    EXPECT_TRUE(grid->selectedItems().empty());

    // The pile has moved up, no arrow is left, and the computers' hands lie face up.
    EXPECT_EQ(form->Image60->pos(), QPoint(602, 122));
    EXPECT_EQ(form->Image38->pos(), QPoint(592, 122));
    EXPECT_TRUE(form->Label6->isHidden());
    for (int kind = 1; kind <= 4; ++kind)
        EXPECT_TRUE(Arrow(kind)->isHidden()) << kind;
    EXPECT_EQ(form->Image31->Picture().pixel(10, 49), FacePixel(engine.Hands[3].slot[1], 10, 49));

    // While the grid is up the stock and DEAL do nothing.
    pacer.waits.clear();
    PressStock();
    PressStock(Qt::RightButton);
    form->ImageDealClick();
    EXPECT_TRUE(pacer.waits.empty());
    EXPECT_EQ(engine.StockPos, 1);
}

TEST_F(RoundEndTest, ComputerGoingOutRefusesTheHandUntilCloseThenTheTotalsShowAtTheDeal) {
    StartGame(5, false);
    LayRound({{Pip(7, C), King(S), Pip(9, S)},
              {Pip(8, C)},
              {Pip(9, H), Pip(3, H)},
              {King(D), Pip(4, H)},
              {Ace(S), Two(H)}},
             {Pip(3, S), Pip(4, S)}, {Pip(5, C)});
    PressSlot(SlotOf(Pip(7, C)));
    ASSERT_TRUE(flow->ScoreGridUp());
    EXPECT_EQ(engine.Hands[2].count, 0);

    // The human's two cards still show, but no press reaches them.
    EXPECT_FALSE(form->HandSlot(2)->isHidden());
    pacer.waits.clear();
    PressSlot(1);
    PressSlot(2, Qt::RightButton);
    PressStock();
    EXPECT_TRUE(pacer.waits.empty());
    EXPECT_EQ(engine.Hands[1].count, 2);
    EXPECT_EQ(form->HandSlot(2)->y(), 496);

    CloseGrid();
    EXPECT_TRUE(form->GroupBox4->isHidden());
    EXPECT_TRUE(form->Label27->isHidden());
    EXPECT_FALSE(form->GroupBox1->isHidden());
    EXPECT_TRUE(form->GroupBox1->isEnabled());
    EXPECT_FALSE(form->ComboBox3->isHidden());
    EXPECT_FALSE(form->Label28->isHidden());
    EXPECT_TRUE(form->Image60->isHidden());
    EXPECT_TRUE(form->HandSlot(1)->isHidden());
    EXPECT_EQ(engine.RoundNo, 2);
    EXPECT_TRUE(engine.InputEnabled);
    CloseGrid(); // a second CLOSE finds nothing to close
    EXPECT_EQ(engine.RoundNo, 2);

    Deal();
    EXPECT_EQ(Text(form->Label1), "You (19)");
    EXPECT_EQ(form->Label1->x(), 512 - form->Label1->width() / 2);
    EXPECT_EQ(Text(form->Label2), "Raduz\n(0)");
    EXPECT_EQ(Text(form->Label3), "Vur (12)");
    EXPECT_EQ(Text(form->Label4), "Dad (14)");
    EXPECT_EQ(Text(form->Label29), "Dezev\n(13)");
    EXPECT_EQ(TableFaults(), "");
}

TEST_F(RoundEndTest, SaveGameBoxSavesBetweenRoundsUnderACheckedName) {
    HumanGoesOut();
    QDir().mkdir("Save");
    QFile earlier("Save/Earlier.sav");
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    CloseGrid();
    QComboBox* box = form->ComboBox3;
    EXPECT_NE(box->findText("Earlier"), -1);
    const int items = box->count();

    const TextLabel* message = form->Label30;
    Watch([&] {
        return message->isHidden() ? std::string()
                                   : Text(message) + " " + std::to_string(message->x()) + "," +
                                         std::to_string(message->y());
    });
    SaveAs("highscores");
    EXPECT_EQ(watched, (std::vector<std::string>{"Pause 2000 high1 saved 650,620"}));
    EXPECT_TRUE(message->isHidden());
    EXPECT_EQ(QFile("Save/high1.sav").size(), 376);
    EXPECT_FALSE(QFile::exists("Save/highscores.sav"));

    // A name that does not start with a letter is refused without a word.
    watched.clear();
    SaveAs("2nd try");
    EXPECT_TRUE(watched.empty());
    EXPECT_FALSE(QFile::exists("Save/2nd try.sav"));
    EXPECT_EQ(box->count(), items);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RoundEndTest, ClosingTheTenthRoundEndsTheGameWithTheWinnerAndTheScore) {
    StartGame(4, false);
    engine.RoundNo = 10;
    LayRound({{Pip(7, C)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}, {Ace(S), kJoker}},
             {Pip(3, S), Pip(4, S)}, {Pip(5, C)});
    PressSlot(1);
    ASSERT_TRUE(flow->ScoreGridUp());
    EXPECT_FALSE(engine.GameOver); // no total reached the target
    CloseGrid();

    EXPECT_TRUE(engine.GameOver);
    const TextLabel* over = form->Label26;
    EXPECT_EQ(Text(over), "GAME OVER");
    EXPECT_FALSE(over->isHidden());
    EXPECT_EQ(over->pos(), QPoint(512 - over->width() / 2, 376));
    EXPECT_EQ(over->FontColour(), QColor(Qt::white));
    const TextLabel* winner = form->Label27;
    EXPECT_EQ(Text(winner), "Winner: You");
    EXPECT_EQ(winner->pos(), QPoint(512 - winner->width() / 2, 406));
    EXPECT_EQ(Text(form->Label36), "Score " + Engine::PadScore(engine.GameScore));
    EXPECT_FALSE(form->Label36->isHidden());
    for (const QWidget* control :
         std::initializer_list<const QWidget*>{form->GroupBox1, form->GroupBox4, form->ComboBox3,
                                               form->Label28, form->Label5, form->Image53})
        EXPECT_TRUE(control->isHidden()) << control->objectName().toStdString();
    EXPECT_EQ(Text(form->Label1), "You (0)");
    // The raised discard pile never hides the top seat's name and total.
    QWidget* table = form->Label3->parentWidget();
    EXPECT_GT(table->children().indexOf(form->Label3), table->children().indexOf(form->Image60));

    // The human's win is counted in the file and on the table.
    EXPECT_EQ(Text(form->Label51), "1");
    Engine reread;
    ASSERT_TRUE(ReadHighScoreFile(reread));
    TakeHighScores(reread);
    EXPECT_EQ(reread.GamesWon, 1);
    EXPECT_EQ(reread.GamesPlayed, 0); // this game was laid, not dealt
    EXPECT_EQ(reread.HighScores[0], engine.GameScore);

    // The game is over until the program starts again.
    pacer.waits.clear();
    form->ImageDealClick();
    form->Image53MouseDown(Qt::LeftButton);
    form->HandSlotMouseDown(1, Qt::LeftButton);
    form->Image37Click();
    EXPECT_TRUE(pacer.waits.empty());
    EXPECT_EQ(engine.RoundNo, 11);
}

TEST_F(RoundEndTest, HighScoreFileThatCannotBeWrittenIsReportedOnceAfterTheGameEnds) {
    StartGame(3, false);
    engine.RoundNo = 10;
    LayRound({{Pip(7, C)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}}, {Pip(3, S)}, {Pip(5, C)});
    PressSlot(1);
    ASSERT_TRUE(QFile::remove("Save/highscores1.scx"));
    ASSERT_TRUE(QDir().mkdir("Save/highscores1.scx"));
    CloseGrid();

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(errors[0].isEmpty());
    // The end of the game is shown whole all the same.
    EXPECT_EQ(Text(form->Label26), "GAME OVER");
    EXPECT_EQ(Text(form->Label27), "Winner: You");
    EXPECT_FALSE(form->Label36->isHidden());
    EXPECT_TRUE(engine.InputEnabled);
    EXPECT_FALSE(flow->Busy());
}

TEST_F(RoundEndTest, CloseDuringADealStopsTheTurnsAndTheWindowGoesAfterTheClick) {
    StartGame(3, false);
    bool openWhileHandled = false;
    size_t waitsAtClose = 0;
    pacer.duringWait = [&] {
        if (pacer.waits.size() == 40) {
            form->close();
            openWhileHandled = form->isVisible() && form->SuitChooser() != nullptr;
            waitsAtClose = pacer.waits.size();
        }
    };
    Deal();
    EXPECT_TRUE(openWhileHandled);
    EXPECT_EQ(pacer.waits.size(), waitsAtClose); // nothing waited after the close
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->SuitChooser(), nullptr);
    EXPECT_TRUE(form->DeckBitmap().isNull());
    EXPECT_FALSE(flow->Busy());
    EXPECT_TRUE(errors.empty());
}

TEST_F(RoundEndTest, CloseWhileTheSuitChooserIsOpenLetsTheJokerLandAndStops) {
    StartGame(3, false);
    LayRound({{kJoker, Pip(9, S)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}},
             {Pip(3, S), Pip(4, S)}, {Pip(5, C)});
    // The close frees the chooser with the window's pictures: it is watched through a guard and
    // left alone once the close has been asked for.
    QPointer<TForm2> chooser = form->SuitChooser();
    ASSERT_FALSE(chooser.isNull());
    bool closedWhileOpen = false;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (chooser.isNull() || !chooser->isVisible())
            return;
        closer.stop();
        form->close();
        closedWhileOpen = true;
    });
    closer.start();
    PressSlot(SlotOf(kJoker));
    closer.stop();
    ASSERT_TRUE(closedWhileOpen);

    EXPECT_EQ(engine.TopDiscard(), kJoker);
    EXPECT_EQ(engine.ActiveSuit, C); // no suit was named
    EXPECT_EQ(engine.Hands[1].count, 1);
    EXPECT_EQ(engine.Hands[2].count, 2);
    EXPECT_EQ(engine.Hands[3].count, 2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(chooser.isNull()); // freed with the window, and never opened again
    EXPECT_EQ(form->SuitChooser(), nullptr);
    EXPECT_FALSE(flow->Busy());
    EXPECT_TRUE(errors.empty());
}
