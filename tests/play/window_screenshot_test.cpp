// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of a game in play with the game's own art, kept in the build tree for people to
// look at: a table in the middle of a round and the score grid at its end.
#include <QFile>
#include <QTableWidget>

#include <functional>
#include <optional>
#include <string>

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
        if (midRound.isNull() && !form->Label12->isHidden() && engine.CurrentPlayer > 1) {
            midRound = form->grab().toImage();
            text = form->Label12->geometry();
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
    const QWidget* close = form->Image37;
    const QPoint inButton(2, 15);
    EXPECT_EQ(grid.pixel(close->mapTo(form, inButton)), form->Image37->Picture().pixel(inButton));
    const QTableWidget* cells = form->StringGrid1;
    EXPECT_LE(cells->rowViewportPosition(5) + cells->rowHeight(5), cells->height());

    CloseGrid();
    ASSERT_TRUE(engine.GameOver);
    SaveShot(form->grab().toImage(), "table-game-over.png");
}

namespace {

// Compares a shot of the window with what one control should show, at every point where that
// control lies on top; `expected` gives the pixel for a point of the control, or nothing where
// the control lets the table through. Empty when all agree and enough of it was seen.
std::string ShownAs(const QImage& shot, const QWidget& window, const QWidget* control,
                    const std::function<std::optional<QRgb>(int x, int y)>& expected,
                    int least = 400) {
    if (control == nullptr || control->isHidden())
        return "not shown";
    int seen = 0;
    for (int y = 0; y < control->height(); ++y) {
        for (int x = 0; x < control->width(); ++x) {
            const QPoint at = control->mapTo(&window, QPoint(x, y));
            if (window.childAt(at) != control)
                continue;
            const std::optional<QRgb> want = expected(x, y);
            if (!want)
                continue;
            if (shot.pixel(at) != *want) {
                return control->objectName().toStdString() + " shows " +
                       QColor(shot.pixel(at)).name().toStdString() + " at " + std::to_string(x) +
                       "," + std::to_string(y) + " instead of " +
                       QColor(*want).name().toStdString();
            }
            ++seen;
        }
    }
    if (seen < least)
        return control->objectName().toStdString() + ": only " + std::to_string(seen) +
               " pixels seen";
    return "";
}

} // namespace

TEST_F(PlayWindowTest, ScreenshotOfFivePlayersInPlay) {
    ASSERT_TRUE(WriteGameArt(QString::fromStdString(folder.Path())));
    // The game's own sheets, read from the files the table loaded them from.
    const QImage deck(QStringLiteral("deck.bmp"));
    const QImage patterns(QStringLiteral("cardpatterns.bmp"));
    ASSERT_FALSE(deck.isNull());
    ASSERT_FALSE(patterns.isNull());
    StartGame(5, true);
    engine.SeedRandom(5);
    Deal();

    // Taken while seat 4, at the top with five players, sends its card off to the pile.
    QImage shot;
    std::vector<std::string> faults;
    int flown = 0;
    PictureBox* flying = form->Image61;
    pacer.duringWait = [&] {
        if (!shot.isNull() || engine.CurrentPlayer != 4 || flying->isHidden() ||
            flying->pos() == QPoint(552, 248) || flying->Picture().isNull())
            return;
        shot = form->grab().toImage();
        flown = engine.TopDiscard();
        const QRgb key = form->KeyColor();
        const QPoint back = TForm1::DesignCell(engine.CardDesign);
        const auto backAt = [&](int x, int y) -> std::optional<QRgb> {
            if (x < 0 || x > 72 || y < 0 || y > 97)
                return std::nullopt;
            const QRgb colour = patterns.pixel(73 * back.x() + x, 98 * back.y() + y);
            return colour == key ? std::nullopt : std::optional<QRgb>(colour);
        };
        // The pile shows a face cut one pixel right of its cell; a hand slot the cell itself.
        const auto faceAt = [&](int card, int shift, bool keyed) {
            const DecodedCard d = Engine::DecodeCard(card);
            return [&deck, d, shift, keyed, key](int x, int y) -> std::optional<QRgb> {
                const QRgb colour = deck.pixel(73 * d.RankIndex + x + shift, 98 * d.SuitIndex + y);
                return keyed && colour == key ? std::nullopt : std::optional<QRgb>(colour);
            };
        };
        // The top card of each fan lies whole on the others: the last of a row or of the left
        // column, the first of the right column; the side columns are turned a quarter turn.
        const auto row = [&](const QWidget* fan) {
            return [&, left = fan->width() - 73](int x, int y) { return backAt(x - left, y); };
        };
        const auto column = [&](const QWidget* fan, bool lastOnTop) {
            const int offset = lastOnTop ? fan->height() - 73 : 0;
            return [&, offset](int x, int y) { return backAt(offset + 72 - y, x); };
        };
        const QWidget* seat2 = form->SeatPicture(2);
        const QWidget* seat3 = form->SeatPicture(3);
        const QWidget* seat4 = form->SeatPicture(4);
        const QWidget* seat5 = form->SeatPicture(5);
        faults = {
            ShownAs(shot, *form, seat2, column(seat2, true)),
            ShownAs(shot, *form, seat3, row(seat3)),
            ShownAs(shot, *form, seat4, row(seat4), 100),
            ShownAs(shot, *form, seat5, column(seat5, false)),
            ShownAs(shot, *form, flying, faceAt(flown, 1, false)),
            ShownAs(shot, *form, form->Image60,
                    faceAt(engine.DiscardPile[engine.DiscardTop - 1], 1, false)),
        };
        for (int k = 1; k <= engine.Hands[1].count; ++k)
            faults.push_back(ShownAs(shot, *form, form->HandSlot(k),
                                     faceAt(engine.Hands[1].slot[k], 0, true), 200));
        // Five seats: the top row holds seats 3 and 4, centred on their own places.
        EXPECT_EQ(seat3->geometry().center().x(), 256 + 36);
        EXPECT_EQ(seat4->geometry().center().x(), 768 + 36);
        EXPECT_EQ(seat4->y(), 24);
        EXPECT_EQ(seat2->x(), 124);
        EXPECT_EQ(seat5->x(), 802);
        const MarkerPlace place = engine.TurnMarkerPlace();
        const QImage arrow = TurnArrowPicture(place.picture);
        const QRgb arrowKey = arrow.pixel(0, arrow.height() - 1);
        const QWidget* shown = Arrow(place.picture);
        EXPECT_EQ(shown->pos(), QPoint(place.left, place.top));
        faults.push_back(ShownAs(
            shot, *form, shown,
            [&](int x, int y) -> std::optional<QRgb> {
                const QRgb colour = arrow.pixel(x, y);
                return colour == arrowKey ? std::nullopt : std::optional<QRgb>(colour);
            },
            200));
    };
    SuitAnswerer answerer(form->SuitChooser());
    for (int clicks = 0; clicks < 100 && shot.isNull() && !flow->ScoreGridUp(); ++clicks)
        PlayOrDraw();
    pacer.duringWait = nullptr;
    ASSERT_FALSE(shot.isNull());
    SaveShot(shot, "table-five-players.png");
    ASSERT_FALSE(Engine::IsJack(flown)) << "a jack's chain would leave another card on top";
    for (const std::string& fault : faults)
        EXPECT_EQ(fault, "");
}
