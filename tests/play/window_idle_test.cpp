// SPDX-License-Identifier: GPL-3.0-or-later
// A table that waits for the player does nothing meanwhile: in every place where the game waits
// (the options panel, the deal panel, the human's turn, the score grid, the end of the game) no
// timer is registered on any object and the event loop, once it has caught up, finds nothing
// more to do.
#include <QAbstractEventDispatcher>
#include <QWindow>

#include "play_window_fixture.h"

namespace {

void Collect(QObject* object, std::vector<QObject*>& all) {
    all.push_back(object);
    for (QObject* child : object->children())
        Collect(child, all);
}

// Counts what the application delivers while it is installed.
class EventCounter : public QObject {
  public:
    EventCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~EventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    std::vector<std::string> seen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        seen.push_back(std::string(watched->metaObject()->className()) + " event " +
                       std::to_string(static_cast<int>(event->type())));
        return false;
    }
};

} // namespace

class IdleTableTest : public PlayWindowTest {
  protected:
    // Empty when the table is at rest; else what keeps it busy.
    std::string Busy() {
        // What the last step queued (a repaint, a deferred call) is handled first.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::vector<QObject*> all;
        Collect(QCoreApplication::instance(), all);
        for (QWidget* widget : QApplication::topLevelWidgets())
            Collect(widget, all);
        for (QWindow* window : QGuiApplication::allWindows())
            Collect(window, all);
        std::string busy;
        for (QObject* object : all) {
            if (!QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty())
                busy += std::string("timer on ") + object->metaObject()->className() + " " +
                        object->objectName().toStdString() + "; ";
        }
        EventCounter counter;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        for (const std::string& event : counter.seen)
            busy += event + "; ";
        return busy;
    }

    // The first card that may be laid other than a joker (which would open the suit chooser),
    // else the stock.
    void PlayPlainOrDraw() {
        for (int k = 1; k <= engine.Hands[1].count; ++k) {
            const int card = engine.Hands[1].slot[k];
            if (!Engine::IsJoker(card) && engine.IsLegalPlay(card, 0, true)) {
                PressSlot(k);
                return;
            }
        }
        PressStock();
    }
};

TEST_F(IdleTableTest, NoTimerRunsAndNothingIsQueuedWhileTheGameWaitsForThePlayer) {
    Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    // Active, as on a desktop, so that a control holds the keyboard as it would there.
    form->activateWindow();
    EXPECT_EQ(Busy(), "") << "options panel";

    Click(form->Image20); // START
    ASSERT_FALSE(form->GroupBox1->isHidden());
    EXPECT_EQ(Busy(), "") << "deal panel";

    engine.RoundNo = 10; // the score grid's CLOSE then ends the game
    Deal();
    ASSERT_EQ(engine.CurrentPlayer, 1);
    EXPECT_EQ(Busy(), "") << "the human's turn";

    for (int clicks = 0; clicks < 400 && !flow->ScoreGridUp(); ++clicks)
        PlayPlainOrDraw();
    ASSERT_TRUE(flow->ScoreGridUp());
    EXPECT_EQ(Busy(), "") << "score grid";

    CloseGrid();
    ASSERT_TRUE(engine.GameOver);
    EXPECT_EQ(Busy(), "") << "game over";
    EXPECT_TRUE(errors.empty());
}
