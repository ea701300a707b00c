// SPDX-License-Identifier: GPL-3.0-or-later
// The real table window with its turn flow, played through its named controls the way a player
// would: clicks land on the window at a control's place, so whatever lies on top takes them.
#pragma once

#include <QCheckBox>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "flow_test_support.h"
#include "self_play.h"
#include "table_fixture.h"

class PlayWindowTest : public TableTest {
  protected:
    // START with these options on a shown window; the deal panel is then up.
    void StartGame(int players, bool progressive, bool quickDeal = true) {
        Open();
        form->PlayerRadios()[players - 3]->setChecked(true);
        form->CheckBox1->setChecked(quickDeal);
        form->CheckBox3->setChecked(progressive);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        Click(form->Image20);
        ASSERT_FALSE(form->GroupBox1->isHidden());
    }

    // A press and release on the window where the control stands (its centre unless told).
    void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton,
               QPoint at = QPoint(-1, -1)) {
        if (at == QPoint(-1, -1))
            at = control->rect().center();
        QTest::mouseClick(form->windowHandle(), button, {}, control->mapTo(form, at));
    }

    // The part of a hand slot that the next slot leaves uncovered.
    void PressSlot(int slot, Qt::MouseButton button = Qt::LeftButton) {
        Click(form->HandSlot(slot), button, QPoint(10, 49));
    }
    void PressStock(Qt::MouseButton button = Qt::LeftButton) { Click(form->Image53, button); }
    void Deal() { Click(form->ImageDeal); }

    // The human's move as the simplest player makes it: the first card that may be laid, and a
    // draw when none may.
    void PlayOrDraw() {
        const int before = engine.Hands[1].count;
        for (int k = 1; k <= before && engine.Hands[1].count == before; ++k)
            if (engine.IsLegalPlay(engine.Hands[1].slot[k], 0, true))
                PressSlot(k);
        if (engine.Hands[1].count == before && !flow->ScoreGridUp())
            PressStock();
    }
    void CloseGrid() { Click(form->Image37); }

    // A round laid out by hand on a started table: seat 1 to move, the given hands, the stock
    // (drawn from the front) and the discards (the last on top), all shown as a deal leaves them.
    void LayRound(const std::vector<std::vector<int>>& hands, const std::vector<int>& stock,
                  const std::vector<int>& discards) {
        engine.ClearHands();
        for (size_t seat = 1; seat <= hands.size(); ++seat)
            for (int card : hands[seat - 1])
                engine.Hands[seat].slot[++engine.Hands[seat].count] = card;
        engine.OrderHandBySuit(1);
        engine.StockPile.fill(0);
        engine.StockPile[0] = static_cast<int>(stock.size());
        std::copy(stock.begin(), stock.end(), engine.StockPile.begin() + 1);
        engine.StockPos = 1;
        engine.DiscardPile.fill(0);
        engine.DiscardTop = 0;
        for (int card : discards)
            engine.LayOnDiscardPile(card);
        engine.ActiveSuit = Engine::MatchSuitOf(engine.TopDiscard());
        engine.CurrentPlayer = 1;
        engine.Direction = 1;
        engine.RoundActive = true;
        engine.RoundOver = false;
        form->HideDealPanel();
        for (int seat = 1; seat <= engine.PlayerCount; ++seat)
            form->PlaceSeat(seat, true);
        form->PrepareSeatPictures();
        form->DrawHumanHand(engine.Hands[1].count);
        for (int seat = 2; seat <= engine.PlayerCount; ++seat)
            form->DrawSeatHand(seat, engine.Hands[seat].count, false);
        form->ShowDiscardPictures();
        form->ShowDiscardTop(engine.TopDiscard());
        flow->ShowStockPile(4, true);
        form->ShowTurnArrow(engine.TurnMarkerPlace());
        pacer.waits.clear();
    }

    // The status text as it stands on the table: text, colour and place; empty when hidden.
    std::string StatusShown() const {
        const TextLabel* face = form->Label12;
        const TextLabel* shadow = form->Label11;
        if (face->isHidden())
            return "";
        std::string text = face->Caption().toStdString();
        for (char& c : text)
            c = c == '\n' ? '|' : c;
        const bool shadowed = !shadow->isHidden() && shadow->Caption() == face->Caption() &&
                              shadow->pos() == face->pos() + QPoint(1, 1) &&
                              shadow->FontColour() == QColor(Qt::black);
        return text + " " + face->FontColour().name().toStdString() + " " +
               std::to_string(face->x()) + "," + std::to_string(face->y()) +
               (shadowed ? "" : " unshadowed");
    }

    // From now on every wait is written down as its length, with what the given look at the
    // table saw while it lasted ("Pause 500 You|Draws|1 Card #00ffff 548,406").
    void Watch(std::function<std::string()> look) {
        watched.clear();
        pacer.duringWait = [this, look] {
            const RecordingPacer::Wait& wait = pacer.waits.back();
            const std::string kind = wait.kind == RecordingPacer::Kind::Pause ? "Pause " : "Sleep ";
            const std::string seen = look();
            watched.push_back(kind + std::to_string(wait.ms) + (seen.empty() ? "" : " " + seen));
        };
    }
    std::vector<std::string> watched;

    int SlotOf(int card) const {
        for (int k = 1; k <= 19; ++k)
            if (engine.Hands[1].slot[k] == card)
                return k;
        return 0;
    }

    QWidget* Arrow(int kind) const { return form->TurnArrows()[kind - 1]; }

    // The human's seat and the table as the turn flow keeps them, then what the window shows of
    // them; an empty text when everything holds.
    // A table laid by hand holds only some of the cards, so only a dealt one is counted.
    std::string TableFaults(bool dealt = true) const {
        std::string fault = dealt ? CheckTableInvariants(engine, *flow) : TurnFaults();
        if (!fault.empty())
            return fault;
        int arrows = 0;
        for (int kind = 1; kind <= 4; ++kind)
            arrows += Arrow(kind)->isHidden() ? 0 : 1;
        if (arrows > 1)
            return "two turn arrows at once";
        if (flow->ScoreGridUp() == form->GroupBox4->isHidden())
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

    std::string TurnFaults() const {
        for (int seat = 1; seat <= engine.PlayerCount; ++seat)
            if (engine.Hands[seat].count > 19)
                return "seat " + std::to_string(seat) + " holds more than 19 cards";
        if (!flow->ScoreGridUp() && engine.RoundActive &&
            (engine.CurrentPlayer != 1 || engine.RoundOver))
            return "the turn is left with seat " + std::to_string(engine.CurrentPlayer);
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
        std::vector<int> Named; // every suit named, in order

      private:
        void Answer() {
            if (chooser_.isNull() || !chooser_->isVisible())
                return;
            LastSuit = (LastSuit + 1) % 4;
            auto* picture =
                chooser_->findChild<PictureBox*>(QStringLiteral("Image%1").arg(71 + LastSuit));
            ++Answers;
            Named.push_back(LastSuit);
            QTest::mouseClick(picture, Qt::LeftButton);
        }
        QPointer<TForm2> chooser_; // a close frees the chooser while the timer may still run
        QTimer timer_;
    };
};
