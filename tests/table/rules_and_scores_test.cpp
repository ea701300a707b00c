// SPDX-License-Identifier: GPL-3.0-or-later
// The rules viewer's paging as the player sees it in the memo, and the high-score corner.
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include "table_fixture.h"

namespace {

void WriteRules(int lines) {
    QFile rules("rules.txt");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int n = 1; n <= lines; ++n)
        rules.write(QStringLiteral("Rule line %1\r\n").arg(n).toLatin1());
}

QStringList MemoLines(const TForm1& form) {
    return form.Memo1->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

TEST_F(TableTest, RulesViewerPagesThroughTheText) {
    WriteRules(80);
    Open();
    GiveHand(1, {1, 2, 3});
    form->DrawHumanHand(3);
    form->SetSlotTop(2, 480);

    QTest::mouseClick(form->Image33, Qt::LeftButton);
    EXPECT_TRUE(form->Image33->isHidden());
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_TRUE(form->Panel2->isEnabled());
    EXPECT_TRUE(form->HandSlot(1)->isHidden());
    QStringList page = MemoLines(*form);
    ASSERT_EQ(page.size(), 15);
    EXPECT_EQ(page.front(), "Rule line 1");
    EXPECT_EQ(page.back(), "Rule line 15");

    // Each page down keeps the previous page's last line on top, until the end is reached.
    const std::pair<int, int> down[] = {{15, 30}, {30, 45}, {45, 60}, {60, 75}, {65, 80}, {65, 80}};
    for (const auto& [first, last] : down) {
        QTest::mouseClick(form->Image29, Qt::LeftButton);
        page = MemoLines(*form);
        EXPECT_EQ(page.front(), QStringLiteral("Rule line %1").arg(first));
        EXPECT_EQ(page.back(), QStringLiteral("Rule line %1").arg(last));
    }
    const std::pair<int, int> up[] = {{49, 63}, {33, 47}, {17, 31}, {1, 15}, {1, 15}};
    for (const auto& [first, last] : up) {
        QTest::mouseClick(form->Image30, Qt::LeftButton);
        page = MemoLines(*form);
        EXPECT_EQ(page.front(), QStringLiteral("Rule line %1").arg(first));
        EXPECT_EQ(page.back(), QStringLiteral("Rule line %1").arg(last));
    }

    // EXIT brings back the button and the hand as it stood, nothing more: the card raised
    // for a chain before the rules were opened stands raised again.
    QTest::mouseClick(form->Image28, Qt::LeftButton);
    EXPECT_TRUE(form->Panel2->isHidden());
    EXPECT_FALSE(form->Panel2->isEnabled());
    EXPECT_FALSE(form->Image33->isHidden());
    EXPECT_FALSE(form->HandSlot(3)->isHidden());
    EXPECT_TRUE(form->HandSlot(3)->isEnabled());
    EXPECT_TRUE(form->HandSlot(4)->isHidden());
    EXPECT_EQ(form->HandSlot(2)->y(), 480);
    EXPECT_EQ(form->HandSlot(3)->y(), 496);

    // Every opening starts again at line 1.
    QTest::mouseClick(form->Image33, Qt::LeftButton);
    EXPECT_EQ(MemoLines(*form).front(), "Rule line 1");
}

TEST_F(TableTest, RulesLieOverEverythingOnTheTable) {
    WriteRules(80);
    Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    // Between rounds the score board is up and VIEW RULES can still be pressed.
    form->GroupBox4->show();
    form->GroupBox1->show();
    form->Image33Click();
    const QWidget* rules = form->Panel2;
    for (const QPoint at : {QPoint(300, 300), QPoint(500, 400), QPoint(640, 420)}) {
        SCOPED_TRACE(at.x());
        EXPECT_TRUE(rules->isAncestorOf(form->childAt(at)));
    }
}

TEST_F(TableTest, ShortRulesTextPagesWithEmptyLines) {
    WriteRules(10);
    Open();
    form->Image33Click();
    QStringList page = MemoLines(*form);
    ASSERT_EQ(page.size(), 15);
    EXPECT_EQ(page[9], "Rule line 10");
    EXPECT_EQ(page[10], "");
    form->Image29Click();
    page = MemoLines(*form);
    ASSERT_EQ(page.size(), 16);
    EXPECT_EQ(page[5], "");
    EXPECT_EQ(page[6], "Rule line 1");
    EXPECT_EQ(page[15], "Rule line 10");
}

TEST_F(TableTest, HighScoreRowsAndCountersFillTheCorner) {
    engine.EngineStartUp(StorageStartUpFiles());
    const std::array<int32_t, 6> scores = {180, 300, 200, 150, 100, 0};
    const std::array<const char*, 6> names = {"You", "Raduz", "Vur", "You", "Dad", "-"};
    for (int i = 0; i < 6; ++i) {
        engine.HighScores[i] = scores[i];
        engine.HighScoreNames[i] = names[i];
    }
    engine.GamesPlayed = 12345;
    engine.GamesWon = 999;
    OpenWindows();

    EXPECT_EQ(form->Label37->pos(), QPoint(25, 595));
    // Rows 1..5 hold entries 1..5; the aqua last row holds entry 0.
    EXPECT_EQ(form->Label38->Caption(), "300");
    EXPECT_EQ(form->Label39->Caption(), "Raduz");
    EXPECT_EQ(form->Label39->pos(), QPoint(80, 618));
    EXPECT_EQ(form->Label46->Caption(), "0");
    EXPECT_EQ(form->Label47->pos(), QPoint(80, 690));
    EXPECT_EQ(form->Label48->Caption(), "180");
    EXPECT_EQ(form->Label48->pos(), QPoint(25, 708));
    EXPECT_EQ(form->Label49->Caption(), "You");
    EXPECT_EQ(form->Label50->Caption(), "12,345");
    EXPECT_EQ(form->Label51->Caption(), "999");

    engine.GamesPlayed = 1234567;
    form->ShowGamesAndWins();
    EXPECT_EQ(form->Label50->Caption(), "1,234,567");
}
