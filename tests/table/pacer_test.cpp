// SPDX-License-Identifier: GPL-3.0-or-later
// The real pacer waits for real, keeps the window alive while it waits, and keeps the waits of
// a turn sequence on their schedule: what a step costs comes off the wait that follows it.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "table/pacer.h"

using namespace std::chrono_literals;

namespace {

// Time stands still until the pacer waits or a test moves it on.
class FakeClock : public PacerClock {
  public:
    Duration Now() override { return now; }
    void WaitFor(Duration wait) override {
        waits.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count());
        now += wait;
    }
    Duration now = 1000s;
    std::vector<long> waits;
};

// A window whose every paint costs the fake clock a fixed time.
class CostlyWindow : public QWidget {
  public:
    CostlyWindow(FakeClock& clock, PacerClock::Duration cost) : clock_(clock), cost_(cost) {
        resize(40, 40);
        show();
    }
    void paintEvent(QPaintEvent*) override {
        ++paints;
        clock_.now += cost_;
    }
    int paints = 0;

  private:
    FakeClock& clock_;
    PacerClock::Duration cost_;
};

} // namespace

TEST(RealPacer, WaitsTheFullTimeWhileTimersAndPaintingGoOn) {
    QWidget window;
    window.resize(50, 50);
    window.show();
    RealPacer pacer;
    pacer.SetWindow(&window);

    bool timerRan = false;
    QTimer::singleShot(10, [&] { timerRan = true; });
    // Only lower bounds: a wait may never end early, and a busy machine can only make it
    // longer, so these cannot fail for want of speed.
    QElapsedTimer clock;
    clock.start();
    pacer.Pause(80);
    EXPECT_GE(clock.elapsed(), 79);
    EXPECT_TRUE(timerRan);
    // The second wait ends on the schedule of the first: 120 ms after the start.
    pacer.Sleep(40);
    EXPECT_GE(clock.elapsed(), 119);
    pacer.Sleep(0);
}

TEST(RealPacer, TakesEachRepaintOffTheWaitAfterIt) {
    FakeClock clock;
    CostlyWindow window(clock, 7ms);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.paints = 0;
    clock.now = 1000s;
    RealPacer pacer(clock);
    pacer.SetWindow(&window);
    const auto start = clock.now;
    for (int step = 0; step < 6; ++step)
        pacer.Pause(30);
    EXPECT_EQ(window.paints, 6);
    EXPECT_EQ(clock.waits, std::vector<long>(6, 23));
    // The six steps of a card flight take exactly their scheduled 180 ms.
    EXPECT_EQ(clock.now - start, 180ms);

    // A wait without a repaint loses only the work done since the last wait ended.
    clock.now += 4ms;
    pacer.Sleep(100);
    EXPECT_EQ(clock.waits.back(), 96);
    EXPECT_EQ(clock.now - start, 280ms);
}

TEST(RealPacer, AStepDearerThanItsWaitWaitsNothingAndTheNextWaitsPayTheRest) {
    FakeClock clock;
    RealPacer pacer(clock);
    const auto start = clock.now;
    pacer.Sleep(30);
    clock.now += 45ms; // 15 ms past the next step's due time
    pacer.Sleep(30);
    EXPECT_EQ(clock.waits.size(), 1u) << "a late step must not wait at all";
    clock.now += 5ms;
    pacer.Sleep(30); // due at 90 ms, now at 80 ms
    EXPECT_EQ(clock.waits.back(), 10);
    EXPECT_EQ(clock.now - start, 90ms);
}

TEST(RealPacer, TimeOutsideATurnSequenceIsNobodysDebt) {
    FakeClock clock;
    RealPacer pacer(clock);
    pacer.Sleep(30);
    // The player thinks, or a chooser stays open: the next sequence starts afresh.
    clock.now += 4s;
    pacer.Sleep(30);
    EXPECT_EQ(clock.waits, (std::vector<long>{30, 30}));
    clock.now += RealPacer::kNewSequence + 1ms;
    pacer.Sleep(50);
    EXPECT_EQ(clock.waits.back(), 50);

    // Waits of no length neither wait nor move the schedule.
    clock.now += 10ms;
    pacer.Sleep(0);
    pacer.Pause(-5);
    pacer.Sleep(20);
    EXPECT_EQ(clock.waits.back(), 10);
}
