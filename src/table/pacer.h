// SPDX-License-Identifier: GPL-3.0-or-later
// Every visible step of the game is a repaint followed by a wait of a fixed length. The window
// waits through a pacer so that the game runs at its pace on the screen and instantly in tests.
#pragma once

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <vector>

class Pacer {
  public:
    virtual ~Pacer() = default;
    virtual void Pause(int ms) = 0;     // repaint, then wait
    virtual void Sleep(int ms) = 0;     // wait only
    virtual void SetWindow(QWidget*) {} // the window a pause repaints
};

// What the real pacer reads the time from and waits on; a test gives it a clock of its own.
class PacerClock {
  public:
    using Duration = std::chrono::nanoseconds;
    virtual ~PacerClock() = default;
    virtual Duration Now() = 0;
    virtual void WaitFor(Duration wait) = 0;
};

// The steady clock, waiting in an event loop that keeps painting and timers running but holds
// mouse and key input back.
class EventLoopClock : public PacerClock {
  public:
    Duration Now() override;
    void WaitFor(Duration wait) override;
};

// Waits for real. The window keeps painting and timers keep running while it waits, but mouse
// and key input is held back until the handler that is waiting has finished, so a click made
// meanwhile is judged against the table as it then stands.
//
// The waits keep to a schedule: each wait ends its written length after the end of the wait
// before it, so the repaint and the work done since then come off it (never below zero). A
// step that costs more than its wait leaves the excess to be taken off the next waits, so a
// turn sequence as a whole still takes its scheduled time. A gap longer than kNewSequence
// between two waits (the player thinking, the suit chooser open, a message box) starts a new
// schedule: that time is nobody's debt.
class RealPacer : public Pacer {
  public:
    static constexpr PacerClock::Duration kNewSequence = std::chrono::milliseconds(250);

    RealPacer() : clock_(&ownClock_) {}
    explicit RealPacer(PacerClock& clock) : clock_(&clock) {}

    void SetWindow(QWidget* window) override { window_ = window; }
    void Pause(int ms) override;
    void Sleep(int ms) override;

  private:
    void WaitOnSchedule(int ms, PacerClock::Duration stepStart);

    EventLoopClock ownClock_;
    PacerClock* clock_;
    QPointer<QWidget> window_;
    bool scheduled_ = false;
    PacerClock::Duration due_{}; // when the last wait was due to end
};

// Returns at once and remembers every wait, for tests.
class RecordingPacer : public Pacer {
  public:
    enum class Kind { Pause, Sleep };
    struct Wait {
        Kind kind;
        int ms;
        bool operator==(const Wait&) const = default;
    };

    void Pause(int ms) override { Record({Kind::Pause, ms}); }
    void Sleep(int ms) override { Record({Kind::Sleep, ms}); }

    std::vector<Wait> waits;
    // Runs at every wait, as whatever the window system delivers during a real one would.
    std::function<void()> duringWait;

  private:
    void Record(Wait wait) {
        waits.push_back(wait);
        if (duringWait)
            duringWait();
    }
};
