// The real table window with its turn flow, played through its named controls the way a player
// would: clicks land on the window at a control's place, so whatever lies on top takes them.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "self_play.h"
#include "table_fixture.h"

class PlayWindowTest : public TableTest {
  protected:
    // START with these options on a shown window; the deal panel is then up.
    void StartGame(int players, bool progressive, bool quickDeal = true) {
        Open();
        form->Radio(QStringLiteral("RadioButton%1").arg(7 + players))->setChecked(true);
        form->Check(QStringLiteral("CheckBox1"))->setChecked(quickDeal);
        form->Check(QStringLiteral("CheckBox3"))->setChecked(progressive);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        Click(Control("Image20"));
        ASSERT_FALSE(Control("GroupBox1")->isHidden());
    }

    // A press and release on the window where the control stands (its centre unless told).
    void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton,
               QPoint at = QPoint(-1, -1)) {
        if (at == QPoint(-1, -1))
            at = control->rect().center();
        QTest::mouseClick(form->windowHandle(), button, {}, control->mapTo(form.get(), at));
    }

    // The part of a hand slot that the next slot leaves uncovered.
    void PressSlot(int slot, Qt::MouseButton button = Qt::LeftButton) {
        Click(form->HandSlot(slot), button, QPoint(10, 49));
    }
    void PressStock(Qt::MouseButton button = Qt::LeftButton) { Click(Control("Image53"), button); }
    void Deal() { Click(Control("ImageDeal")); }
    void CloseGrid() { Click(Control("Image37")); }

    int SlotOf(int card) const {
        for (int k = 1; k <= 19; ++k)
            if (engine.Hands[1].slot[k] == card)
                return k;
        return 0;
    }

    QWidget* Arrow(int kind) const { return form->Control(QStringLiteral("Image%1").arg(80 + kind)); }

    // The human's seat and the table as the turn flow keeps them, then what the window shows of
    // them; an empty text when everything holds.
    std::string TableFaults() const {
        std::string fault = CheckTableInvariants(engine, *flow);
        if (!fault.empty())
            return fault;
        int arrows = 0;
        for (int kind = 1; kind <= 4; ++kind)
            arrows += Arrow(kind)->isHidden() ? 0 : 1;
        if (arrows > 1)
            return "two turn arrows at once";
        if (flow->ScoreGridUp() == Control("GroupBox4")->isHidden())
            return "score grid shown and kept apart";
        int shownSlots = 0;
        for (int k = 1; k <= 19; ++k)
            shownSlots += form->HandSlot(k)->isHidden() ? 0 : 1;
        if (shownSlots != std::min(engine.Hands[1].count, 19))
            return "the hand shows " + std::to_string(shownSlots) + " of " +
                   std::to_string(engine.Hands[1].count) + " cards";
        if (engine.RoundActive && !engine.RoundOver && !flow->ScoreGridUp()) {
            const MarkerPlace place = engine.TurnMarkerPlace();
            const QWidget* arrow = Arrow(place.picture);
            if (arrow->isHidden() || arrow->pos() != QPoint(place.left, place.top))
                return "the turn arrow is not beside the human";
        }
        return "";
    }

    // Names the suit in the chooser whenever it opens during the presses made meanwhile.
    class SuitAnswerer {
      public:
        explicit SuitAnswerer(TForm2* chooser) : chooser_(chooser) {
            timer_.setInterval(0);
            QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
            timer_.start();
        }
        int Answers = 0;
        int LastSuit = -1;

      private:
        void Answer() {
            if (chooser_ == nullptr || !chooser_->isVisible())
                return;
            LastSuit = (LastSuit + 1) % 4;
            auto* picture =
                chooser_->findChild<PictureBox*>(QStringLiteral("Image%1").arg(71 + LastSuit));
            ++Answers;
            QTest::mouseClick(picture, Qt::LeftButton);
        }
        TForm2* chooser_;
        QTimer timer_;
    };
};
