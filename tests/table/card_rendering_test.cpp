// SPDX-License-Identifier: GPL-3.0-or-later
// Cards into pictures: the human's hand layout, the computer seats' fans read back pixel by
// pixel, the seat places, the stock, and what reaches the screen around a card's corners.
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <tuple>

#include "table_fixture.h"

namespace {

int Left(const PictureBox* picture) {
    return picture->x();
}

} // namespace

TEST_F(TableTest, HumanHandIsCentredAndDrawnIntoItsSlots) {
    Open();
    GiveHand(1, {1, 14, 27, 40, 53, 105, 13});
    pacer.waits.clear();
    form->DrawHumanHand(7);

    for (int slot = 1; slot <= 19; ++slot) {
        EXPECT_EQ(Left(form->HandSlot(slot)), 367 + 36 * (slot - 1)) << slot;
        EXPECT_EQ(form->HandSlot(slot)->isHidden(), slot > 7) << slot;
        EXPECT_EQ(form->HandSlot(slot)->isEnabled(), slot <= 7) << slot;
    }
    EXPECT_EQ(Left(form->HandSlot(7)), 583);
    EXPECT_EQ(engine.HandCardLeft[7], 583);
    EXPECT_EQ(engine.HandCardTop[7], 496);
    EXPECT_EQ(engine.HandCardLeft[8], 476); // beyond the hand: the resting place
    EXPECT_EQ(form->HandSlot(6)->Picture().pixel(36, 49), FacePixel(105, 36, 49));
    EXPECT_EQ(form->HandSlot(7)->Picture().pixel(10, 90), FacePixel(13, 10, 90));
    EXPECT_TRUE(pacer.waits.empty()); // the turn flow waits after a redraw, the window never

    // A slot whose code is not a card keeps the picture it had.
    engine.Hands[1].slot[3] = 0;
    form->DrawHumanHand(7);
    EXPECT_EQ(form->HandSlot(3)->Picture().pixel(36, 49), FacePixel(27, 36, 49));

    // Twenty cards: nineteen slots exist, but the twentieth place is still worked out.
    std::vector<int> many;
    for (int card = 1; card <= 20; ++card)
        many.push_back(card);
    GiveHand(1, many);
    form->DrawHumanHand(20);
    EXPECT_FALSE(form->HandSlot(19)->isHidden());
    EXPECT_EQ(Left(form->HandSlot(1)), 133);
    EXPECT_EQ(engine.HandCardLeft[20], 133 + 36 * 19);
}

// The turn flow orders the hand before an ordered redraw and waits 50 ms once the window has
// laid it out; the window itself orders nothing and waits for nothing.
TEST_F(TableTest, DealtHandIsShownInTheChosenOrderThroughTheTurnFlow) {
    for (const bool byPoints : {false, true}) {
        SCOPED_TRACE(byPoints ? "by points" : "by suit");
        Open();
        form->RadioButton4->setChecked(true); // seven cards
        form->CheckBox2->setChecked(byPoints);
        form->Image20Click();
        pacer.waits.clear();
        // The wait that comes right after the full hand is first on the table.
        std::vector<RecordingPacer::Wait> firstFullHandWait;
        pacer.duringWait = [&] {
            if (firstFullHandWait.empty() && !form->HandSlot(7)->isHidden())
                firstFullHandWait.push_back(pacer.waits.back());
        };
        form->ImageDealClick();
        pacer.duringWait = nullptr;
        EXPECT_EQ(firstFullHandWait,
                  (std::vector<RecordingPacer::Wait>{{RecordingPacer::Kind::Pause, 50}}));

        const Hand& hand = engine.Hands[1];
        ASSERT_GE(hand.count, 7);
        const auto place = [&](int card) {
            const DecodedCard decoded = Engine::DecodeCard(card);
            const int rank = byPoints && decoded.RankIndex == 0 ? 13 : decoded.RankIndex;
            return std::make_tuple(decoded.MatchSuit, rank, card);
        };
        for (int k = 1; k < std::min(hand.count, 19); ++k)
            EXPECT_LE(place(hand.slot[k]), place(hand.slot[k + 1])) << "slot " << k;
        for (int k = 1; k <= std::min(hand.count, 19); ++k)
            EXPECT_EQ(form->HandSlot(k)->Picture().pixel(30, 30), FacePixel(hand.slot[k], 30, 30))
                << "slot " << k;
    }
}

// A fan closes up as the seat holds more cards, so a long hand still fits beside the table:
// the length drawn on either side of each step.
TEST_F(TableTest, FansCloseUpAsTheHandGrows) {
    Open();
    // The length of the fan drawn for a seat holding this many cards.
    const auto fanLength = [&](int seat, int held) {
        GiveHand(seat, std::vector<int>(static_cast<size_t>(held), 5));
        form->PlaceSeat(seat, true);
        form->PrepareSeatPictures();
        form->DrawSeatHand(seat, held, false);
        const PictureBox* fan = form->SeatPicture(seat);
        return std::max(fan->width(), fan->height());
    };
    engine.PlayerCount = 4;
    engine.PlaceSeats();
    // The side seats: 24 pixels a card up to seven, 20 up to twelve, then 16.
    EXPECT_EQ(fanLength(2, 7), 6 * 24 + 73);
    EXPECT_EQ(fanLength(2, 8), 7 * 20 + 73);
    EXPECT_EQ(fanLength(2, 12), 11 * 20 + 73);
    EXPECT_EQ(fanLength(2, 13), 12 * 16 + 73);
    // The top seat: 24 up to eight, 19 up to thirteen, then 17.
    EXPECT_EQ(fanLength(3, 8), 7 * 24 + 73);
    EXPECT_EQ(fanLength(3, 9), 8 * 19 + 73);
    EXPECT_EQ(fanLength(3, 13), 12 * 19 + 73);
    EXPECT_EQ(fanLength(3, 14), 13 * 17 + 73);
    // With five players the two top seats share the edge and close up sooner.
    engine.PlayerCount = 5;
    engine.PlaceSeats();
    EXPECT_EQ(fanLength(3, 7), 6 * 20 + 73);
    EXPECT_EQ(fanLength(4, 7), 6 * 20 + 73);
    EXPECT_EQ(fanLength(5, 7), 6 * 24 + 73);
}

TEST_F(TableTest, SideSeatFansAreTurnedAndOverlapTowardsTheTable) {
    Open();
    engine.PlayerCount = 4;
    engine.Seat4HandLeft = 802;
    engine.Seat4HandTop = 272;
    engine.CardDesign = 2;
    GiveHand(2, {1, 2, 3, 4, 5, 6, 7, 8});
    form->PlaceSeat(2, true);
    form->PrepareSeatPictures();
    form->DrawSeatColumn(2, 8, false);

    // Seat 2 with eight backs: step 20, so 7 * 20 + 73 high, centred on 272.
    PictureBox* seat2 = form->Image21;
    EXPECT_EQ(seat2->geometry(), QRect(124, 202, 98, 213));
    EXPECT_FALSE(seat2->isHidden());
    const QImage& fan = seat2->Picture();
    EXPECT_EQ(fan.size(), QSize(98, 505));
    // Design 2 is the back in column 0, row 1; the last card lies on top, turned a quarter.
    EXPECT_EQ(fan.pixel(49, 7 * 20 + 72 - 36), sheets::Back(0, 1, 36, 49));
    EXPECT_EQ(fan.pixel(30, 150), sheets::Back(0, 1, 140 + 72 - 150, 30));
    // The key-colour outline runs round the picture's edge.
    EXPECT_EQ(fan.pixel(0, 0), sheets::kKey);
    EXPECT_EQ(fan.pixel(1, 212), sheets::kKey); // under the last card's corner

    // Face up, seat 2's later card covers the earlier; seat 4's first card lies on top.
    GiveHand(2, {1, 2, 3});
    GiveHand(4, {1, 2, 3});
    form->PlaceSeat(4, true);
    form->PrepareSeatPictures();
    form->DrawSeatColumn(2, 3, true);
    form->DrawSeatColumn(4, 3, true);
    EXPECT_EQ(form->Image41->geometry(), QRect(802, 248, 98, 121));
    EXPECT_EQ(form->Image21->Picture().pixel(20, 30), FacePixel(2, 24 + 72 - 30, 20));
    EXPECT_EQ(form->Image41->Picture().pixel(20, 30), FacePixel(1, 72 - 30, 20));

    // No cards: no picture.
    form->DrawSeatColumn(2, 0, false);
    EXPECT_TRUE(seat2->isHidden());
}

TEST_F(TableTest, TopSeatFansRunLeftToRightWithTheLastCardWhole) {
    Open();
    engine.PlayerCount = 5;
    engine.Seat3HandLeft = 256;
    GiveHand(3, {1, 2, 3, 4, 5, 6, 7});
    form->PlaceSeat(3, true);
    form->PrepareSeatPictures();
    form->DrawSeatRow(3, 7, true);
    PictureBox* seat3 = form->Image31;
    EXPECT_EQ(seat3->geometry(), QRect(256 - 60, 24, 6 * 20 + 73, 98));
    const QImage& fan = seat3->Picture();
    EXPECT_EQ(fan.size(), QSize(505, 98));
    EXPECT_EQ(fan.pixel(120 + 36, 49), FacePixel(7, 36, 49));
    EXPECT_EQ(fan.pixel(130, 49), FacePixel(7, 10, 49)); // over card 6
    EXPECT_EQ(fan.pixel(100 + 5, 49), FacePixel(6, 5, 49));

    // Seat 4 sits at the top too, one card high although its picture is a column with four.
    GiveHand(4, {1, 2, 3, 4, 5, 6, 7});
    engine.Seat4HandLeft = 768;
    engine.Seat4HandTop = 24;
    form->PlaceSeat(4, true);
    form->DrawSeatRow(4, 7, false);
    EXPECT_EQ(form->Image41->geometry(), QRect(768 - 60, 24, 6 * 20 + 73, 98));

    // With four players the same hand spreads wider, about seat 3's own centre.
    engine.PlayerCount = 4;
    engine.Seat3HandLeft = 476;
    form->DrawSeatRow(3, 7, false);
    EXPECT_EQ(seat3->geometry(), QRect(476 - 72, 24, 6 * 24 + 73, 98));

    // A fan longer than its surface is cut, not wrapped.
    std::vector<int> long_hand(40, 5);
    GiveHand(3, long_hand);
    form->DrawSeatRow(3, 40, true);
    EXPECT_EQ(seat3->width(), 39 * 17 + 73);
    EXPECT_EQ(seat3->Picture().size(), QSize(505, 98));
}

// START with five players puts seats 3 and 4 side by side at the top; the deal then places
// every seat's picture where its cards will be.
TEST_F(TableTest, StartWithFivePlayersSeatsTwoAtTheTop) {
    Open();
    form->RadioButton12->setChecked(true); // 5 players
    form->Image20Click();
    for (int seat = 1; seat <= 5; ++seat)
        form->PlaceSeat(seat, true);
    EXPECT_EQ(form->Image21->pos(), QPoint(124, 272));
    EXPECT_EQ(form->Image31->pos(), QPoint(256, 24));
    EXPECT_EQ(form->Image41->pos(), QPoint(768, 24));
    EXPECT_EQ(form->Image35->pos(), QPoint(802, 272));
    EXPECT_FALSE(form->Image60->isHidden());
    EXPECT_FALSE(form->Image61->isHidden());
    EXPECT_EQ(form->Image42->pos(), QPoint(509, 248));

    // With five players seat 4 is a row.
    form->PrepareSeatPictures();
    EXPECT_EQ(form->Image41->Picture().size(), QSize(505, 98));

    form->Image60->SetPicture(sheets::Deck().copy(0, 0, 73, 98));
    form->PlaceSeat(1, false);
    EXPECT_TRUE(form->Image60->isHidden());
    EXPECT_FALSE(form->Image60->isEnabled());
    EXPECT_FALSE(form->Image60->HasPicture());
    form->PlaceSeat(2, false);
    EXPECT_TRUE(form->Image21->isHidden());
    EXPECT_FALSE(form->Image21->HasPicture());
}

TEST_F(TableTest, StockShowsOneBackPerCardLeftUpToFour) {
    Open();
    engine.CardDesign = 4;
    engine.StockPile[0] = 108;
    engine.StockPos = 106; // three cards left: 106, 107 and 108
    pacer.waits.clear();
    flow->ShowStockPile(4, false);
    EXPECT_EQ(engine.StockImagesShown, 3);
    EXPECT_FALSE(form->Image53->isHidden());
    EXPECT_FALSE(form->Image51->isHidden());
    EXPECT_TRUE(form->Image50->isHidden());
    EXPECT_EQ(form->Image53->Picture().pixel(36, 49), sheets::Back(1, 1, 36, 49));
    EXPECT_EQ(pacer.waits, (std::vector<RecordingPacer::Wait>{{RecordingPacer::Kind::Sleep, 200}}));

    // Unchanged: nothing is painted and nobody waits.
    flow->ShowStockPile(4, false);
    EXPECT_EQ(pacer.waits.size(), 1u);

    // An empty stock still shows one back; forced, four.
    engine.StockPos = 109;
    flow->ShowStockPile(4, false);
    EXPECT_EQ(engine.StockImagesShown, 1);
    EXPECT_TRUE(form->Image52->isHidden());
    flow->ShowStockPile(4, true);
    EXPECT_FALSE(form->Image50->isHidden());
}

TEST_F(TableTest, CardCornersLetTheClothShowThrough) {
    Open();
    form->Panel1->hide(); // as after START
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    GiveHand(1, {27});
    form->DrawHumanHand(1);
    engine.PlayerCount = 4;
    GiveHand(2, {1, 2});
    form->PlaceSeat(2, true);
    form->PrepareSeatPictures();
    form->DrawSeatColumn(2, 2, false);

    const QImage screen = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The cloth's tile, laid from the top-left corner.
    const auto cloth = [&](QPoint at) {
        return form->Image99->Picture().pixel(at.x() % 510, at.y() % 378);
    };
    // The hand's one card stands at 493 - 18 = 475.
    EXPECT_EQ(screen.pixel(475, 496), cloth({475, 496}));
    EXPECT_EQ(screen.pixel(475 + 72, 496 + 97), cloth({475 + 72, 496 + 97}));
    EXPECT_EQ(screen.pixel(475 + 36, 496 + 49), FacePixel(27, 36, 49));
    // The fan's outline and corners too.
    const QRect fan = form->Image21->geometry();
    EXPECT_EQ(screen.pixel(fan.topLeft()), cloth(fan.topLeft()));
    EXPECT_EQ(screen.pixel(fan.left() + 49, fan.top() + 24 + 30),
              sheets::Back(0, 1, 24 + 72 - 54, 49));
}
