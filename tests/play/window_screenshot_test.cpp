// Pictures of a game in play with the game's own art, kept in the build tree for people to
// look at: a table in the middle of a round and the score grid at its end.
#include <QFile>
#include <QTableWidget>

#include "art/window_art.h"
#include "play_window_fixture.h"

TEST_F(PlayWindowTest, ScreenshotsOfARoundInPlayAndOfTheScoreGrid) {
    ASSERT_TRUE(WriteGameArt(QString::fromStdString(folder.Path())));
    QFile::copy(QStringLiteral(QUELVANE_RULES_FILE), QStringLiteral("rules.txt"));
    StartGame(4, false);
    engine.SeedRandom(3);
    engine.RoundNo = 10; // the grid's CLOSE then ends the game
    Deal();

    // Mid-round: the moment a computer's draws text is up, after the human's first play.
    QImage midRound;
    QRect text;
    pacer.duringWait = [&] {
        if (midRound.isNull() && !Control("Label12")->isHidden() && engine.CurrentPlayer > 1) {
            midRound = form->grab().toImage();
            text = Control("Label12")->geometry();
        }
    };
    SuitAnswerer answerer(form->SuitChooser());
    while (midRound.isNull() && !flow->ScoreGridUp())
        PlayOrDraw();
    pacer.duringWait = nullptr;
    ASSERT_FALSE(midRound.isNull());
    SaveShot(midRound, "table-play.png");
    // The draws text shows in aqua on the table.
    int aqua = 0;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            aqua += midRound.pixel(x, y) == qRgb(0, 255, 255) ? 1 : 0;
    EXPECT_GT(aqua, 20);

    // Play on to the end of the round for the grid.
    for (int clicks = 0; clicks < 400 && !flow->ScoreGridUp(); ++clicks)
        PlayOrDraw();
    ASSERT_TRUE(flow->ScoreGridUp());
    const QImage grid = form->grab().toImage();
    SaveShot(grid, "table-scores.png");
    // The grid and its CLOSE button are on top of everything else, with all six rows.
    const QWidget* close = Control("Image37");
    const QPoint inButton(2, 15);
    EXPECT_EQ(grid.pixel(close->mapTo(form.get(), inButton)),
              Picture("Image37")->Picture().pixel(inButton));
    const QTableWidget* cells = form->StringGrid1();
    EXPECT_LE(cells->rowViewportPosition(5) + cells->rowHeight(5), cells->height());

    CloseGrid();
    ASSERT_TRUE(engine.GameOver);
    SaveShot(form->grab().toImage(), "table-game-over.png");
}

TEST_F(PlayWindowTest, ScreenshotOfFivePlayersInPlay) {
    ASSERT_TRUE(WriteGameArt(QString::fromStdString(folder.Path())));
    StartGame(5, true);
    engine.SeedRandom(5);
    Deal();
    QImage shot;
    pacer.duringWait = [&] {
        if (shot.isNull() && !Control("Image61")->isHidden() && engine.CurrentPlayer == 4)
            shot = form->grab().toImage();
    };
    SuitAnswerer answerer(form->SuitChooser());
    for (int clicks = 0; clicks < 100 && shot.isNull() && !flow->ScoreGridUp(); ++clicks)
        PlayOrDraw();
    ASSERT_FALSE(shot.isNull());
    SaveShot(shot, "table-five-players.png");
}
