// The real pacer waits for real and keeps the window alive while it waits.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "table/pacer.h"

TEST(RealPacer, WaitsTheFullTimeWhileTimersAndPaintingGoOn) {
    QWidget window;
    window.resize(50, 50);
    window.show();
    RealPacer pacer;
    pacer.SetWindow(&window);

    bool timerRan = false;
    QTimer::singleShot(10, [&] { timerRan = true; });
    QElapsedTimer clock;
    clock.start();
    pacer.Pause(80);
    EXPECT_GE(clock.elapsed(), 79);
    EXPECT_TRUE(timerRan);

    clock.restart();
    pacer.Sleep(40);
    EXPECT_GE(clock.elapsed(), 39);
    pacer.Sleep(0);
}
