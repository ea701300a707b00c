// SPDX-License-Identifier: GPL-3.0-or-later
// The table on a scaled screen (run with QT_SCALE_FACTOR 2 and 1.5): every picture is cut from
// a sheet drawn for the screen's resolution, never a 1x picture blown up, while places, clicks
// and the rules stay in logical pixels.
#include <QTest>

#include <cmath>

#include "art/window_art.h"
#include "play_window_fixture.h"
#include "table/device_sheets.h"

using namespace flowtest;

namespace {

// The scale the run was started with; these tests mean nothing unscaled.
qreal ScreenRatio() {
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    EXPECT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR above 1";
    return ratio;
}

// How many pixels of two pictures of one size differ.
int Differences(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (a.pixel(x, y) | 0xFF000000u) != (b.pixel(x, y) | 0xFF000000u) ? 1 : 0;
    return count;
}

// The 1x picture blown up as a scaled screen would show it without pictures of its own: its
// pixels repeated, or smoothed.
QImage Blown(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
QImage Smoothed(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A table in a folder holding the game's own art, 1x and larger, as the build writes it.
class RatioTest : public PlayWindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(WriteGameArt(QString::fromStdString(folder.Path()))); }

    QImage DeviceCell(const QImage& sheet, const QRect& logical) const {
        return sheet.copy(CardSheetRect(logical, sheet.devicePixelRatio()));
    }
};

QRect CardCell(int card) {
    const DecodedCard decoded = Engine::DecodeCard(card);
    return {73 * decoded.RankIndex, 98 * decoded.SuitIndex, 73, 98};
}

} // namespace

TEST_F(RatioTest, TheDealtTableIsCutFromTheSheetsDrawnForTheScreen) {
    const qreal ratio = ScreenRatio();
    StartGame(4, false);
    ASSERT_EQ(form->devicePixelRatioF(), ratio);
    // The sheets at the screen's ratio: the larger file itself where it matches, never the 1x
    // sheet blown up.
    const QImage& deck = form->DeckAtRatio();
    EXPECT_EQ(deck.devicePixelRatio(), ratio);
    EXPECT_EQ(deck.size(),
              CardSheetRect(QRect(QPoint(0, 0), form->DeckBitmap().size()), ratio).size());
    if (ratio == 2.0) {
        const QImage drawn = DeckSheet(2).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(Differences(deck, drawn), 0);
    }
    EXPECT_GT(Differences(deck, Blown(form->DeckBitmap(), deck.size())), deck.width() * 4);

    Deal();
    ASSERT_TRUE(engine.RoundActive);
    // A picture for people to look at, at the screen's own resolution.
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.size(), DeviceSize(form->size(), ratio));
    SaveShot(shot, ratio == 2.0 ? "table-2x.png" : "table-1.5x.png");
    // Each card of the hand is its cell of that sheet, pixel for pixel.
    for (int k = 1; k <= engine.Hands[1].count; ++k) {
        const QImage& shown = form->HandSlot(k)->Picture();
        EXPECT_EQ(shown.devicePixelRatio(), ratio) << k;
        EXPECT_EQ(Differences(shown, DeviceCell(deck, CardCell(engine.Hands[1].slot[k]))), 0) << k;
    }
    // The discard pile, the stock's backs, a seat's fan.
    const QImage& top = form->Image60->Picture();
    EXPECT_EQ(top.size(), DeviceSize({73, 98}, ratio));
    // The pile's face is cut one logical pixel right of the card's cell.
    const QRect from = CardSheetRect(CardCell(engine.TopDiscard()).translated(1, 0), ratio);
    EXPECT_EQ(Differences(top, deck.copy(from)), 0);
    const QPoint back = TForm1::DesignCell(engine.CardDesign);
    EXPECT_EQ(Differences(
                  form->Image52->Picture(),
                  DeviceCell(form->PatternsAtRatio(), QRect(73 * back.x(), 98 * back.y(), 73, 98))),
              0);
    const QImage& fan = form->Image21->Picture();
    EXPECT_EQ(fan.devicePixelRatio(), ratio);
    EXPECT_EQ(fan.height(), static_cast<int>(std::lround(505 * ratio)));

    // Buttons, arrows and markers are painted for the screen, not blown up.
    const QImage deal = ButtonPicture(QStringLiteral("DEAL"), 101, 49, ratio);
    EXPECT_EQ(Differences(form->ImageDeal->Picture(), deal.convertToFormat(QImage::Format_RGB32)),
              0);
    for (PictureBox* picture : {form->ImageDeal, form->Image33, form->Image81, form->Image71}) {
        const QImage& drawn = picture->Picture();
        const QImage plain =
            picture == form->Image81 ? TurnArrowPicture(1)
            : picture == form->Image71
                ? SuitMarkerPicture(0)
                : ButtonPicture(picture == form->ImageDeal ? QStringLiteral("DEAL")
                                                           : QStringLiteral("VIEW RULES"),
                                picture == form->ImageDeal ? 101 : 117,
                                picture == form->ImageDeal ? 49 : 30);
        EXPECT_EQ(drawn.devicePixelRatio(), ratio) << picture->objectName().toStdString();
        EXPECT_GT(Differences(drawn, Blown(plain, drawn.size())), drawn.width())
            << picture->objectName().toStdString();
        EXPECT_GT(Differences(drawn, Smoothed(plain, drawn.size())), drawn.width())
            << picture->objectName().toStdString();
    }
}

// Places and clicks stay where the design has them: a press at a card's logical place lays it.
TEST_F(RatioTest, APressAtACardsLogicalPlaceLaysThatCard) {
    StartGame(3, false);
    ASSERT_EQ(form->devicePixelRatioF(), ScreenRatio());
    LayRound({{Pip(7, H), Pip(9, S), Pip(4, C)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}},
             {Pip(5, D), Pip(6, D), Pip(8, D)}, {Pip(7, C)});
    const int slot = SlotOf(Pip(7, H));
    ASSERT_GT(slot, 0);
    EXPECT_EQ(form->HandSlot(slot)->pos(), QPoint(engine.HandCardLeft[slot], 496));
    PressSlot(slot);
    EXPECT_EQ(SlotOf(Pip(7, H)), 0);
    EXPECT_EQ(engine.DiscardPile[2], Pip(7, H));
}

// A deck the player drew for themselves wins at every ratio: it is scaled smoothly, and the
// game's larger sheet beside it is not used.
TEST_F(RatioTest, APlayersOwnDeckIsTheDeckShown) {
    const qreal ratio = ScreenRatio();
    ASSERT_TRUE(sheets::Deck().save("deck.bmp", "BMP"));
    QFile::remove("deck@2x.bmp"); // as the launcher leaves the folder of a player's own deck
    StartGame(3, false);
    Deal();
    const QImage& deck = form->DeckAtRatio();
    const QRect cell = CardCell(engine.Hands[1].slot[1]);
    const QImage shown = form->HandSlot(1)->Picture();
    // The middle of the card is the player's own colour there, not the game's art.
    const QPoint middle(shown.width() / 2, shown.height() / 2);
    const QRgb expected = FacePixel(engine.Hands[1].slot[1], 36, 49);
    EXPECT_LE(std::abs(qRed(shown.pixel(middle)) - qRed(expected)), 8);
    EXPECT_LE(std::abs(qGreen(shown.pixel(middle)) - qGreen(expected)), 8);
    EXPECT_EQ(Differences(shown, DeviceCell(deck, cell)), 0);
    // Outside the rounded card only the key colour: no blended fringe for the cloth to show.
    EXPECT_EQ(shown.pixel(0, 0) | 0xFF000000u, sheets::kKey);
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
}
