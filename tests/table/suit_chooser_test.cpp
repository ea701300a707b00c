// SPDX-License-Identifier: GPL-3.0-or-later
// The suit chooser: its window, its place at each showing, and what a click leaves behind.
#include <QTest>
#include <QTimer>

#include "table_fixture.h"

namespace {

// Runs the action once the modal loop is running.
void WhenShown(TForm2* chooser, std::function<void()> action) {
    QTimer::singleShot(0, chooser, [chooser, action] {
        if (QTest::qWaitForWindowExposed(chooser, 2000))
            action();
        chooser->reject(); // never leave a test hanging
    });
}

} // namespace

TEST_F(TableTest, SuitChooserNamesTheClickedSuitAndCloses) {
    Open();
    TForm2* chooser = form->SuitChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->size(), QSize(234, 91));
    EXPECT_TRUE(chooser->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(chooser->windowTitle(), "Choose Suit");
    auto* heart = chooser->findChild<PictureBox*>("Image73");
    ASSERT_NE(heart, nullptr);
    EXPECT_EQ(heart->geometry(), QRect(119, 4, 55, 55));
    EXPECT_TRUE(heart->Transparent());
    auto* caption = chooser->findChild<TextLabel*>("Label1");
    EXPECT_EQ(caption->Caption(), "Click to Select Suit.");
    EXPECT_EQ(caption->pos(), QPoint(48, 62));

    engine.ActiveSuit = 0;
    engine.SuitChooserLeft = 130;
    engine.SuitChooserTop = 140;
    QPoint shownAt;
    WhenShown(chooser, [&] {
        shownAt = chooser->pos();
        QTest::mouseClick(heart, Qt::LeftButton);
    });
    EXPECT_EQ(chooser->ShowModal(), 2);
    EXPECT_EQ(engine.ActiveSuit, 2);
    EXPECT_EQ(shownAt, QPoint(130, 140));
    EXPECT_TRUE(chooser->isHidden());

    // Moved table, moved chooser; closed without a choice, the suit stays as it was.
    engine.SuitChooserLeft = 300;
    WhenShown(chooser, [&] {
        shownAt = chooser->pos();
        QTest::mouseClick(caption, Qt::LeftButton); // the caption is no suit
        QTest::mouseClick(chooser->Image1(), Qt::LeftButton, {}, QPoint(230, 80));
    });
    EXPECT_EQ(chooser->ShowModal(), -1);
    EXPECT_EQ(engine.ActiveSuit, 2);
    EXPECT_EQ(shownAt, QPoint(300, 140));
}

TEST_F(TableTest, ClosingTheTableClosesTheLogAndFreesTheSheets) {
    Open();
    form->close();
    EXPECT_EQ(form->SuitChooser(), nullptr);
    EXPECT_TRUE(form->DeckBitmap().isNull());
    EXPECT_TRUE(form->PatternsBitmap().isNull());
}
