// The window at the game's real pace: a close asked for while a turn waits (as the window
// system delivers it, between two steps) ends the turn soon and cleanly, and only then does the
// window go.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "table_fixture.h"

using RealPaceTest = TableTest;

TEST_F(RealPaceTest, RealPacedDealStopsSoonAfterACloseAndTheWindowGoesAfterIt) {
    engine.EngineStartUp(StorageStartUpFiles());
    RealPacer real;
    TForm1 window(engine, real, log);
    real.SetWindow(&window);
    window.SetErrorReporter([this](const QString& text) { errors.push_back(text); });
    window.SetSuitChooser(std::make_unique<TForm2>(engine));
    TurnFlow turns(engine, window, storage);
    window.SetTurnFlow(&turns);
    window.StartUp();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Image20Click();

    bool stillOpen = false;
    QTimer::singleShot(400, &window, [&] {
        window.close();
        stillOpen = window.isVisible();
    });
    QElapsedTimer clock;
    clock.start();
    QWidget* deal = window.Control(QStringLiteral("ImageDeal"));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      deal->mapTo(&window, deal->rect().center()));
    const qint64 handled = clock.elapsed();

    EXPECT_TRUE(stillOpen);   // never closed under the running turn
    EXPECT_GE(handled, 400);  // the deal was under way...
    EXPECT_LT(handled, 1500); // ...and stopped without its remaining waits
    QTest::qWait(20);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.SuitChooser(), nullptr);
    EXPECT_FALSE(turns.Busy());
    EXPECT_TRUE(errors.empty());
}
