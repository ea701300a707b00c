// Every visible step of the game is a repaint followed by a wait of a fixed length. The window
// waits through a pacer so that the game runs at its pace on the screen and instantly in tests.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class Pacer {
  public:
    virtual ~Pacer() = default;
    virtual void Pause(int ms) = 0; // repaint, then wait
    virtual void Sleep(int ms) = 0; // wait only
};

// Waits for real. The window keeps painting and timers keep running while it waits, but mouse
// and key input is held back until the handler that is waiting has finished, so a click made
// meanwhile is judged against the table as it then stands.
class RealPacer : public Pacer {
  public:
    void SetWindow(QWidget* window) { window_ = window; }
    void Pause(int ms) override;
    void Sleep(int ms) override;

  private:
    QPointer<QWidget> window_;
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
