// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the window with the game's own art, kept in the build tree for people to look
// at: the options panel as it opens, and a table just dealt.
#include <QDir>
#include <QFile>
#include <QTest>

#include "art/window_art.h"
#include "table_fixture.h"

TEST_F(TableTest, ScreenshotsOfTheOptionsPanelAndADealtTable) {
    ASSERT_TRUE(WriteGameArt(QString::fromStdString(folder.Path())));
    QFile::copy(QStringLiteral(QUELVANE_RULES_FILE), QStringLiteral("rules.txt"));
    Open();
    ASSERT_TRUE(errors.empty());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));

    const QImage options = form->grab().toImage();
    SaveShot(options, "table-options.png");
    // The panel shows the cloth backdrop, not the bare window colour.
    const QImage& backdrop = form->Image98->Picture();
    EXPECT_EQ(options.pixel(372 + 270, 210 + 100), backdrop.pixel(270, 100));

    form->Image20Click();
    engine.DealSize = 7;
    engine.DealHands();
    for (int seat = 1; seat <= engine.PlayerCount; ++seat)
        form->PlaceSeat(seat, true);
    form->PrepareSeatPictures();
    engine.OrderHandBySuit(1);
    form->DrawHumanHand(7);
    form->DrawSeatColumn(2, 7, false);
    form->DrawSeatRow(3, 7, false);
    form->DrawSeatColumn(4, 7, true);
    form->CopyCard(engine.StockPile[engine.StockPos], form->Image60);
    form->Label6->show();
    form->GroupBox1->hide();

    const QImage table = form->grab().toImage();
    SaveShot(table, "table-dealt.png");
    const QImage deck = DeckSheet();
    const DecodedCard first = Engine::DecodeCard(engine.Hands[1].slot[1]);
    // The first card shows the 36 pixels the second one leaves uncovered.
    EXPECT_EQ(table.pixel(493 - 18 * 7 + 20, 496 + 49),
              deck.pixel(73 * first.RankIndex + 20, 98 * first.SuitIndex + 49));
}
