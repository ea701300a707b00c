// SPDX-License-Identifier: GPL-3.0-or-later
// What the window paints when the turn flow asks: the flying card's face and path, the pile's
// darkened edges, the stock card's flights and the named-suit marker, read back pixel by pixel
// from the test sheets.
#include "play_window_fixture.h"

using namespace flowtest;

namespace {

// The face as the discard pile shows it: cut one pixel right of the card's cell.
QRgb PileFacePixel(int card, int x, int y) {
    const DecodedCard d = Engine::DecodeCard(card);
    const int sheetX = 73 * d.RankIndex + x + 1;
    return sheets::Face(sheetX / 73, d.SuitIndex, sheetX % 73, y);
}

} // namespace

TEST_F(PlayWindowTest, FlyingCardShowsItsFaceAndStepsFromItsSeatToThePile) {
    StartGame(5, false);
    PictureBox* flying = form->Image61;
    const auto path = [&](int seat, int slot) {
        form->StartCardFlight(Pip(9, H), seat, slot);
        std::vector<QPoint> steps;
        for (int step = 1; step <= 6; ++step) {
            form->MoveCardFlight(step, 0);
            steps.push_back(flying->pos());
            EXPECT_FALSE(flying->isHidden());
        }
        form->EndCardFlight();
        EXPECT_TRUE(flying->isHidden());
        return steps;
    };
    // Steps are truncated toward zero and the last one lands exactly on the pile.
    EXPECT_EQ(path(1, 0),
              (std::vector<QPoint>{
                  {488, 455}, {500, 414}, {512, 373}, {524, 332}, {536, 291}, {552, 248}}));
    engine.HandCardLeft[4] = 400;
    engine.HandCardTop[4] = 480;
    EXPECT_EQ(path(1, 4).front(), QPoint(425, 442));
    EXPECT_EQ(path(2, 0).front(), QPoint(195, 268));
    EXPECT_EQ(path(3, 0).front(), QPoint(256 + 49, 24 + 37));
    EXPECT_EQ(path(4, 0).front(), QPoint(768 - 36, 24 + 37));
    EXPECT_EQ(path(5, 0)[4], QPoint(802 - 5 * 41, 272 - 5 * 4));

    const QImage& face = flying->Picture();
    EXPECT_EQ(face.pixel(0, 40), PileFacePixel(Pip(9, H), 0, 40));
    EXPECT_EQ(face.pixel(71, 60), PileFacePixel(Pip(9, H), 71, 60));
    EXPECT_EQ(face.pixel(72, 60), sheets::Face(9, H, 0, 60)); // the next cell's first column
    // A joker's last column lies beyond the sheet and keeps what the picture had.
    form->StartCardFlight(106, 2, 0);
    EXPECT_EQ(face.pixel(30, 30), PileFacePixel(106, 30, 30));
    EXPECT_EQ(face.pixel(72, 60), sheets::Face(9, H, 0, 60));
}

TEST_F(PlayWindowTest, PileEdgesShowTheCoveredCardsDarkenedTowardTheRight) {
    StartGame(3, false);
    const auto shown = [&] {
        int count = 0;
        for (const QWidget* strip : form->DiscardEdges())
            count += strip->isHidden() ? 0 : 1;
        return count;
    };
    form->HideDiscardPictures();
    form->ShowDiscardTop(Ace(D));
    form->MoveCardFlight(5, 0); // nothing covered yet
    EXPECT_EQ(shown(), 0);

    form->MoveCardFlight(5, 1);
    EXPECT_EQ(shown(), 1);
    const QImage first = form->Image38->Picture();
    ASSERT_EQ(first.size(), QSize(11, 98));
    // The ace's sheet pixel (6, 40) is (20, 40, 86): red stays at or below 36, the others lose
    // the column plus 24.
    EXPECT_EQ(first.pixel(5, 40), qRgb(20, 40 - 29, 86 - 29));
    EXPECT_EQ(first.pixel(0, 49), qRgb(20, 40 - 24, 99 - 24));

    // The next card pushes the first edge outward.
    form->ShowDiscardTop(King(C));
    form->MoveCardFlight(5, 2);
    EXPECT_EQ(shown(), 2);
    EXPECT_EQ(form->Image39->Picture(), first);
    for (int depth = 3; depth <= 6; ++depth)
        form->MoveCardFlight(5, depth);
    EXPECT_EQ(shown(), 4);
    EXPECT_EQ(form->Image42->pos(), QPoint(509, 248));
}

TEST_F(PlayWindowTest, StockCardFliesToEachSeatAndTurnsTheFirstDiscardOver) {
    StartGame(4, false);
    QWidget* card = form->Image53;
    const auto landing = [&](int seat) {
        form->MoveStockCard(seat, 6);
        return card->pos();
    };
    EXPECT_EQ(landing(1), QPoint(476, 496));
    EXPECT_EQ(landing(2), QPoint(140, 232));
    EXPECT_EQ(landing(3), QPoint(428 + 6 * 8, 250 - 6 * 37));
    EXPECT_EQ(landing(4), QPoint(428 + 6 * 64, 250 - 6 * 3)); // the right-hand seat
    engine.PlayerCount = 5;
    engine.Seat4HandLeft = 768;
    engine.Seat4HandTop = 24;
    EXPECT_EQ(landing(4), QPoint(428 + 6 * 58, 250 - 6 * 37)); // the top right seat
    EXPECT_EQ(landing(5), QPoint(812, 232));
    form->FlipStockCard(3);
    EXPECT_EQ(card->pos(), QPoint(551, 250));
    card->hide();
    form->ReturnStockCard();
    EXPECT_EQ(card->pos(), QPoint(428, 250));
    EXPECT_FALSE(card->isHidden());
}

TEST_F(PlayWindowTest, SuitMarkerStandsBesideThePileAndOnlyOneArrowShows) {
    StartGame(3, false);
    form->ShowSuitMarker(2);
    EXPECT_EQ(form->Image73->pos(), QPoint(560, 192));
    EXPECT_FALSE(form->Image73->isHidden());
    EXPECT_TRUE(form->Image73->isEnabled());
    EXPECT_TRUE(form->Image71->isHidden());
    form->HideSuitMarkers();
    for (int suit = 0; suit < 4; ++suit) {
        const QWidget* marker = form->SuitMarkers()[suit];
        EXPECT_TRUE(marker->isHidden()) << suit;
        EXPECT_FALSE(marker->isEnabled()) << suit;
    }

    form->ShowTurnArrow({745, 256, 2});
    EXPECT_EQ(Arrow(2)->pos(), QPoint(745, 256));
    EXPECT_FALSE(Arrow(2)->isHidden());
    form->SetArrowVisible(2, false);
    form->ShowTurnArrow({0, 0, 0}); // no picture: nothing shows
    for (int kind = 1; kind <= 4; ++kind)
        EXPECT_TRUE(Arrow(kind)->isHidden()) << kind;
}
