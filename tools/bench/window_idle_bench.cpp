// SPDX-License-Identifier: GPL-3.0-or-later
// Idle: while the game waits for the human it must not tick. In each waiting place (the
// options panel, the deal panel, the human's turn, the score grid, the end of the game) this
// counts the timers registered on any object, the events the application delivers and the
// processor time the process takes over five seconds, during which the program's own thread
// only sits in its event loop. The way there uses the counting pacer, which does not wait.
//
// Usage: window_idle_bench [label] [seconds]
#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "window_bench_support.h"

namespace {

// Every object of the application's windows and the application itself.
void Collect(QObject* object, std::vector<QObject*>& all) {
    all.push_back(object);
    for (QObject* child : object->children())
        Collect(child, all);
}

int RegisteredTimers() {
    std::vector<QObject*> all;
    Collect(QCoreApplication::instance(), all);
    for (QWidget* widget : QApplication::topLevelWidgets())
        Collect(widget, all);
    for (QWindow* window : QGuiApplication::allWindows())
        Collect(window, all);
    int timers = 0;
    for (QObject* object : all)
        timers +=
            static_cast<int>(QAbstractEventDispatcher::instance()->registeredTimers(object).size());
    return timers;
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Counts what the application delivers, except to the loop that is being watched.
class EventCounter : public QObject {
  public:
    explicit EventCounter(QObject* ignored) : ignored_(ignored) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~EventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int events = 0;
    int timerEvents = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != ignored_) {
            ++events;
            if (event->type() == QEvent::Timer)
                ++timerEvents;
        }
        return false;
    }

  private:
    QObject* ignored_;
};

// Runs the event loop for this long; another thread, asleep meanwhile, ends it.
void IdleFor(QEventLoop& loop, std::chrono::milliseconds length) {
    std::thread waker([&loop, length] {
        std::this_thread::sleep_for(length);
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    loop.exec();
    waker.join();
}

bool Measure(const std::string& place, const std::string& label, int seconds) {
    QEventLoop loop;
    // Whatever the last step left queued is handled first.
    IdleFor(loop, std::chrono::milliseconds(300));
    const int timers = RegisteredTimers();
    EventCounter counter(&loop);
    const double cpuBefore = ProcessCpuMs();
    IdleFor(loop, std::chrono::seconds(seconds));
    const double cpuMs = ProcessCpuMs() - cpuBefore;
    // The measure itself (its waking thread, the loop's one round to quit) costs about a
    // millisecond; a ticking timer would show as events and cost far more than 5 ms in 5 s.
    const bool quiet = timers == 0 && counter.events == 0 && cpuMs < 5.0;
    std::printf("idle, %s (%s): %d timers, %d events (%d timer events), %.2f ms CPU in %d s "
                "(target: no timer, no event, under 5 ms CPU) %s\n",
                place.c_str(), label.c_str(), timers, counter.events, counter.timerEvents, cpuMs,
                seconds, quiet ? "ok" : "MISSED");
    return quiet;
}

} // namespace

int main(int argc, char** argv) {
    const std::string label = argc > 1 ? argv[1] : "offscreen";
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    auto application = bench::MakeApplication(argc, argv);

    bench::BenchTable table;
    bool quiet = Measure("options panel", label, seconds);

    table.Start(3, 5);
    quiet = Measure("deal panel", label, seconds) && quiet;

    table.engine.RoundNo = 10; // the score grid's CLOSE then ends the game
    table.form->ImageDealClick();
    quiet = Measure("the human's turn", label, seconds) && quiet;

    for (int presses = 0; presses < 2000 && table.HumanMove(); ++presses) {
    }
    if (!table.flow->ScoreGridUp()) {
        std::printf("idle (%s): the round did not end\n", label.c_str());
        return 1;
    }
    quiet = Measure("score grid", label, seconds) && quiet;

    table.form->Image37Click();
    if (!table.engine.GameOver) {
        std::printf("idle (%s): the game did not end\n", label.c_str());
        return 1;
    }
    quiet = Measure("game over", label, seconds) && quiet;
    return quiet ? 0 : 2;
}
