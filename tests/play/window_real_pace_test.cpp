// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the game's real pace: a close asked for while a turn waits (as the window
// system delivers it, between two steps) ends the turn without another wait, and only then
// does the window go.
#include <QTest>
#include <QTimer>

#include "table_fixture.h"

using RealPaceTest = TableTest;

namespace {

// Waits for real and counts what it was asked to wait.
class CountingPacer : public RealPacer {
  public:
    void Pause(int ms) override {
        ++waits;
        RealPacer::Pause(ms);
    }
    void Sleep(int ms) override {
        ++waits;
        RealPacer::Sleep(ms);
    }
    int waits = 0;
};

} // namespace

TEST_F(RealPaceTest, RealPacedDealStopsSoonAfterACloseAndTheWindowGoesAfterIt) {
    engine.EngineStartUp(StorageStartUpFiles());
    CountingPacer real;
    GameTable table(engine, real);
    TForm1& window = table.form1;
    const TurnFlow& turns = table.flow;
    window.SetErrorReporter([this](const QString& text) { errors.push_back(text); });
    window.StartUp();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Image20Click();

    bool stillOpen = false;
    int waitsAtClose = -1;
    QTimer::singleShot(400, &window, [&] {
        window.close();
        stillOpen = window.isVisible();
        waitsAtClose = real.waits;
    });
    QWidget* deal = window.ImageDeal;
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      deal->mapTo(&window, deal->rect().center()));

    EXPECT_TRUE(stillOpen); // never closed under the running turn
    // The deal's waits come to far more than 400 ms, so the close came in the middle of them;
    // none was begun after it.
    EXPECT_GT(waitsAtClose, 0);
    EXPECT_EQ(real.waits, waitsAtClose);
    QTest::qWait(20);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.SuitChooser(), nullptr);
    EXPECT_FALSE(turns.Busy());
    EXPECT_TRUE(errors.empty());
}
