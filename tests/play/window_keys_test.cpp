// SPDX-License-Identifier: GPL-3.0-or-later
// The game played from the keyboard on the real window: whole games to GAME OVER by keys
// alone, keys refused wherever the click they stand for is refused, and a mouse game that looks
// exactly as it did, with no outline anywhere.
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <random>
#include <tuple>

#include "play_window_fixture.h"

using namespace flowtest;

namespace {

// What a refused key or click must leave as it was.
struct TableState {
    std::array<int, 6> counts{};
    int top = 0;
    int stockPos = 0;
    int current = 0;
    int round = 0;
    int chain = 0;
    size_t waits = 0;
    bool operator==(const TableState&) const = default;
};

} // namespace

class KeyWindowTest : public PlayWindowTest {
  protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(key), modifiers);
        ++keys;
        if (checking) {
            const std::string fault = TableFaults();
            ASSERT_EQ(fault, "") << "after key " << keys << " in round " << engine.RoundNo;
            ASSERT_EQ(RingFaults(), "") << "after key " << keys;
        }
    }

    // Tab until the control holds the focus.
    void TabTo(QWidget* control) {
        for (int i = 0; i < 40 && form->focusWidget() != control; ++i)
            Key(Qt::Key_Tab);
        ASSERT_EQ(form->focusWidget(), control) << control->objectName().toStdString();
    }

    // The options chosen and START pressed with keys only.
    void StartByKeys(int players, bool progressive) {
        Open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        // Tab stops once in a group of buttons; the arrows walk it and Space checks, as Qt does.
        QRadioButton* wanted = form->PlayerRadios()[players - 3];
        // Tab enters the group on its ticked button.
        TabTo(form->RadioButton11);
        for (int i = 0; i < 3 && form->focusWidget() != form->RadioButton10; ++i)
            Key(Qt::Key_Left);
        for (int i = 0; i < 3 && form->focusWidget() != wanted; ++i)
            Key(Qt::Key_Right);
        Key(Qt::Key_Space);
        ASSERT_TRUE(wanted->isChecked());
        if (progressive != form->CheckBox3->isChecked()) {
            TabTo(form->CheckBox3);
            Key(Qt::Key_Return); // ours: Enter ticks it as a click would
        }
        TabTo(form->Image20);
        Key(Qt::Key_Return);
        ASSERT_FALSE(form->GroupBox1->isHidden());
        ASSERT_EQ(engine.PlayerCount, players);
        ASSERT_EQ(engine.ProgressiveTwos, progressive);
    }

    // Walks the keys to a hand slot, from either end of the hand.
    void FocusSlot(int slot, bool fromEnd = false) {
        const int held = std::min(engine.Hands[1].count, kHandLimit);
        if (!fromEnd) {
            Key(Qt::Key_Home);
            for (int k = 1; k < slot; ++k)
                Key(Qt::Key_Right);
        } else {
            Key(Qt::Key_End);
            for (int k = held; k > slot; --k)
                Key(Qt::Key_Left);
        }
        ASSERT_EQ(form->HandFocus(), slot);
    }

    // While the human may play, the outline stands round the card the keys are on.
    std::string RingFaults() const {
        const QWidget* ring = form->HandRing();
        const bool humanToPlay = engine.RoundActive && !engine.RoundOver && !engine.GameOver &&
                                 !flow->ScoreGridUp() && form->Panel2->isHidden();
        if (!humanToPlay || !form->KeysUsed())
            return "";
        const int held = std::min(engine.Hands[1].count, kHandLimit);
        if (form->HandFocus() < 1 || form->HandFocus() > held)
            return "the keys stand outside the hand";
        const QWidget* slot = form->HandSlot(form->HandFocus());
        if (ring->isHidden() || ring->geometry() != slot->geometry().adjusted(-4, -4, 4, 4))
            return "no outline round the card the keys stand on";
        return "";
    }

    TableState State() const {
        TableState state;
        for (int seat = 1; seat <= 5; ++seat)
            state.counts[seat] = engine.Hands[seat].count;
        state.top = engine.TopDiscard();
        state.stockPos = engine.StockPos;
        state.current = engine.CurrentPlayer;
        state.round = engine.RoundNo;
        state.chain = engine.JackChain[0];
        state.waits = pacer.waits.size();
        return state;
    }

    bool GameOverShown() const {
        return !form->Label26->isHidden() && form->Label26->Caption() == "GAME OVER";
    }

    int keys = 0;
    bool checking = false;
};

// Names the suit in the chooser by keys whenever it opens: a digit, a letter, or the arrows
// and Enter, in turn; the suits come round in order.
class KeySuitAnswerer {
  public:
    KeySuitAnswerer(TForm2* chooser, Engine& engine) : chooser_(chooser), engine_(engine) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }
    int Answers = 0;
    std::vector<std::string> Faults;

  private:
    void Answer() {
        if (chooser_ == nullptr || !chooser_->isVisible())
            return;
        const int suit = Answers % 4;
        static constexpr std::array<Qt::Key, 4> kDigits = {Qt::Key_1, Qt::Key_2, Qt::Key_3,
                                                           Qt::Key_4};
        static constexpr std::array<Qt::Key, 4> kLetters = {Qt::Key_D, Qt::Key_C, Qt::Key_H,
                                                            Qt::Key_S};
        switch ((Answers / 4) % 3) {
        case 0:
            QTest::keyClick(chooser_, kDigits[suit]);
            break;
        case 1:
            QTest::keyClick(chooser_, kLetters[suit]);
            break;
        default:
            for (int step = 0; step < 3; ++step)
                QTest::keyClick(chooser_, Qt::Key_Left);
            for (int step = 0; step < suit; ++step)
                QTest::keyClick(chooser_, Qt::Key_Right);
            if (chooser_->KeyFocus() != suit)
                Faults.push_back("the arrows did not reach the suit");
            QTest::keyClick(chooser_, Qt::Key_Return);
            break;
        }
        if (engine_.ActiveSuit != suit)
            Faults.push_back("suit " + std::to_string(suit) + " was not named");
        ++Answers;
    }
    TForm2* chooser_;
    Engine& engine_;
    QTimer timer_;
};

class KeyGame : public KeyWindowTest,
                public ::testing::WithParamInterface<std::tuple<int, bool, unsigned>> {
  protected:
    // A playable jack and a card that may follow it, both chosen (Insert, then Shift+Enter),
    // then Enter or Space anywhere in the hand lays them.
    bool TryChain() {
        const std::optional<TwoCardChain> chain = FindTwoCardChain(engine);
        if (!chain)
            return false;
        const int count = std::min(engine.Hands[1].count, kHandLimit);
        FocusSlot(chain->jack, pick() % 2);
        Key(Qt::Key_Insert);
        FocusSlot(chain->follower, pick() % 2);
        Key(Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(form->HandSlot(chain->follower)->y(), 480);
        EXPECT_EQ(engine.JackChain[0], 2);
        FocusSlot(1 + static_cast<int>(pick() % count), pick() % 2);
        Key(pick() % 2 ? Qt::Key_Return : Qt::Key_Space);
        ++chains;
        return true;
    }

    // Enter on a card that may not be laid changes nothing and waits for nothing.
    void RefusedKey() {
        const Hand& hand = engine.Hands[1];
        for (int k = 1; k <= std::min(hand.count, kHandLimit); ++k) {
            if (engine.IsLegalPlay(hand.slot[k], 0, true))
                continue;
            FocusSlot(k, pick() % 2);
            const TableState before = State();
            Key(Qt::Key_Return);
            EXPECT_EQ(State(), before);
            ++refused;
            return;
        }
    }

    // Draws up to the 19-card limit, then D once more passes the turn.
    void DrawToTheLimitAndPass() {
        const int round = engine.RoundNo;
        while (engine.Hands[1].count < kHandLimit && engine.RoundNo == round &&
               engine.CurrentPlayer == 1 && !HasFatalFailure()) {
            ++draws;
            Key(Qt::Key_D);
        }
        if (engine.Hands[1].count < kHandLimit)
            return;
        ++passes;
        Key(Qt::Key_D);
        EXPECT_EQ(engine.Hands[1].count, kHandLimit); // nothing drawn, the turn went round
    }

    void HumanTurn() {
        if (pick() % 40 == 0)
            return DrawToTheLimitAndPass();
        if (pick() % 10 == 0)
            return RefusedKey();
        if (pick() % 3 == 0 && TryChain())
            return;
        std::vector<int> legal;
        for (int k = 1; k <= std::min(engine.Hands[1].count, kHandLimit); ++k)
            if (engine.IsLegalPlay(engine.Hands[1].slot[k], 0, true))
                legal.push_back(k);
        if (!legal.empty() && pick() % 8 != 0) {
            ++plays;
            FocusSlot(legal[pick() % legal.size()], pick() % 2);
            return Key(pick() % 2 ? Qt::Key_Return : Qt::Key_Space);
        }
        ++(engine.Hands[1].count >= kHandLimit ? passes : draws);
        Key(Qt::Key_D);
    }

    std::mt19937 pick;
    int plays = 0;
    int chains = 0;
    int draws = 0;
    int passes = 0;
    int refused = 0;
};

TEST_P(KeyGame, KeysAlonePlayItToGameOverAndTheTableHoldsAfterEveryKey) {
    const auto [players, progressive, seed] = GetParam();
    StartByKeys(players, progressive);
    engine.SeedRandom(seed);
    pick.seed(seed);
    KeySuitAnswerer answerer(form->SuitChooser(), engine);
    checking = true;
    int actions = 0;
    std::array<int, 4> dealt{};
    while (!GameOverShown() && actions < 6000 && !HasFatalFailure()) {
        ++actions;
        if (!form->GroupBox4->isHidden()) {
            Key(actions % 2 ? Qt::Key_Return : Qt::Key_Escape);
            EXPECT_TRUE(form->GroupBox4->isHidden());
        } else if (!form->GroupBox1->isHidden()) {
            const int size = static_cast<int>(pick() % 4);
            Key(Qt::Key_4 + size);
            EXPECT_EQ(form->CheckedDealSize(), 4 + size);
            Key(Qt::Key_Enter);
            ++dealt[size];
            EXPECT_TRUE(engine.RoundActive);
        } else {
            HumanTurn();
        }
    }
    ASSERT_TRUE(GameOverShown()) << actions << " actions";
    EXPECT_TRUE(engine.GameOver);
    EXPECT_GT(plays + chains, 10);
    EXPECT_GT(draws, 0);
    EXPECT_GT(passes, 0);
    EXPECT_EQ(answerer.Faults, std::vector<std::string>{});
    EXPECT_TRUE(errors.empty());
    RecordProperty("keys", keys);
    RecordProperty("chains", chains);
    RecordProperty("passes", passes);
    RecordProperty("suits_named", answerer.Answers);
    RecordProperty("refused", refused);

    // Nothing answers any more.
    const TableState before = State();
    for (const int key :
         {Qt::Key_D, Qt::Key_Return, Qt::Key_Space, Qt::Key_Insert, Qt::Key_4, Qt::Key_Escape})
        Key(key);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(form->GroupBox1->isHidden());
}

INSTANTIATE_TEST_SUITE_P(PlayersAndTwos, KeyGame,
                         ::testing::Values(std::make_tuple(3, false, 201u),
                                           std::make_tuple(4, true, 202u),
                                           std::make_tuple(5, false, 203u)));

TEST_F(KeyWindowTest, KeysAreRefusedWhereTheirClicksAre) {
    StartGame(3, false);
    // Seat 1 holds a five of hearts that may go on the five of diamonds and a nine of clubs
    // that may not.
    LayRound({{Pip(5, H), Pip(9, C)},
              {Pip(9, H), Pip(3, H), Pip(4, C)},
              {King(S), Pip(4, H), Pip(6, C)}},
             {Pip(3, S), Pip(4, S), Pip(6, S), Pip(7, S), Pip(8, S)}, {Pip(5, D)});

    // An illegal card: the key, like the click, changes nothing.
    FocusSlot(SlotOf(Pip(9, C)));
    TableState before = State();
    Key(Qt::Key_Return);
    EXPECT_EQ(State(), before);
    PressSlot(SlotOf(Pip(9, C)));
    EXPECT_EQ(State(), before);

    // Keys made while a computer plays are not judged then; nor are clicks.
    int nested = 0;
    pacer.duringWait = [&] {
        if (engine.CurrentPlayer == 1 || nested >= 3)
            return;
        ++nested;
        const TableState during = State();
        QTest::keyClick(form->windowHandle(), Qt::Key_D);
        QTest::keyClick(form->windowHandle(), Qt::Key_Return);
        PressStock();
        EXPECT_EQ(State(), during);
    };
    FocusSlot(SlotOf(Pip(5, H)));
    Key(Qt::Key_Space);
    pacer.duringWait = nullptr;
    EXPECT_EQ(nested, 3);
    ASSERT_EQ(engine.CurrentPlayer, 1);
    EXPECT_EQ(engine.Hands[1].count, 1);
    // Once the turn is back, the same key draws.
    Key(Qt::Key_D);
    EXPECT_EQ(engine.Hands[1].count, 2);

    // Behind the rules nothing is reached, by key or click.
    Key(Qt::Key_F1);
    ASSERT_FALSE(form->Panel2->isHidden());
    before = State();
    for (const int key : {Qt::Key_D, Qt::Key_Return, Qt::Key_Space, Qt::Key_Insert, Qt::Key_4})
        Key(key);
    PressStock();
    EXPECT_EQ(State(), before);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(form->Panel2->isHidden());
    EXPECT_FALSE(form->HandSlot(1)->isHidden());
}

TEST_F(KeyWindowTest, KeysAreRefusedUnderTheScoreGridAndAfterTheGame) {
    StartGame(3, false);
    engine.RoundNo = 10; // closing the grid ends the game
    LayRound({{Pip(5, H)}, {Pip(9, H), Pip(3, H)}, {King(S), Pip(4, H)}}, {Pip(3, S), Pip(4, S)},
             {Pip(5, D)});
    Key(Qt::Key_Return); // the last card: the round ends and the grid opens
    ASSERT_TRUE(flow->ScoreGridUp());
    const TableState before = State();
    for (const int key : {Qt::Key_D, Qt::Key_Space, Qt::Key_Insert, Qt::Key_Left, Qt::Key_4})
        Key(key);
    PressStock();
    PressSlot(1);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(flow->ScoreGridUp());

    Key(Qt::Key_Escape); // CLOSE
    ASSERT_TRUE(GameOverShown());
    const TableState over = State();
    for (const int key :
         {Qt::Key_D, Qt::Key_Return, Qt::Key_Space, Qt::Key_Insert, Qt::Key_7, Qt::Key_Escape})
        Key(key);
    PressStock();
    EXPECT_EQ(State(), over);
    EXPECT_TRUE(form->GroupBox1->isHidden());
}

// The keys stay on the card they were on while it is held, wherever the redraw puts it, and
// otherwise on the nearest place.
TEST_F(KeyWindowTest, TheOutlineFollowsTheCardThroughRedraws) {
    StartGame(3, false);
    LayRound({{Pip(9, C), Pip(5, H), Pip(10, S), King(S)},
              {Pip(9, H), Pip(3, H), Pip(4, C)},
              {King(D), Pip(4, H), Pip(6, C)}},
             {Queen(S), Pip(4, S), Pip(6, S), Pip(7, S), Pip(8, S), Pip(2, D)}, {Pip(5, C)});
    EXPECT_TRUE(form->HandRing()->isHidden()); // no key yet
    FocusSlot(SlotOf(Pip(10, S)), true);
    EXPECT_EQ(RingFaults(), "");

    Key(Qt::Key_D); // the queen goes to the end of the hand; the keys stay on the ten
    EXPECT_EQ(engine.Hands[1].slot[engine.Hands[1].count], Queen(S));
    EXPECT_EQ(form->HandFocus(), SlotOf(Pip(10, S)));

    // A click hides the outline; the keys keep their card as the hand is ordered again.
    PressSlot(SlotOf(Pip(9, C)));
    ASSERT_EQ(engine.CurrentPlayer, 1);
    EXPECT_TRUE(form->HandRing()->isHidden());
    EXPECT_FALSE(form->KeysUsed());
    ASSERT_EQ(SlotOf(Pip(10, S)), 2); // five of hearts, ten, queen, king of spades
    EXPECT_EQ(form->HandFocus(), 2);
    Key(Qt::Key_Right);
    EXPECT_EQ(form->HandFocus(), 3);
    EXPECT_EQ(RingFaults(), "");

    // The card the keys stand on is laid: they stay at its place, inside the hand.
    int legal = 0;
    for (int k = engine.Hands[1].count; k >= 1 && legal == 0; --k)
        if (engine.IsLegalPlay(engine.Hands[1].slot[k], 0, true))
            legal = k;
    ASSERT_GT(legal, 0);
    FocusSlot(legal, true);
    Key(Qt::Key_Return);
    if (engine.CurrentPlayer == 1 && engine.Hands[1].count > 0) {
        EXPECT_EQ(form->HandFocus(), std::min(legal, engine.Hands[1].count));
        EXPECT_EQ(RingFaults(), "");
    }
}

// Two tables dealt alike, one played with the mouse and one with the keys that stand for the
// same clicks: after every move they show the same pixels, apart from the outline the keys
// bring and Qt's mark on the control that has the keys, and the mouse table never shows it.
TEST_F(KeyWindowTest, AMouseGameLooksExactlyAsItDidAndKeysMakeTheSameMoves) {
    StartGame(4, false);
    SuitAnswerer mouseAnswers(form->SuitChooser());

    Engine keyEngine;
    RecordingPacer keyPacer;
    keyEngine.EngineStartUp(StorageStartUpFiles());
    keyEngine.SeedRandom(7);
    GameTable keyTable(keyEngine, keyPacer);
    TForm1& keyForm = keyTable.form1;
    keyForm.SetErrorReporter([this](const QString& text) { errors.push_back(text); });
    keyForm.StartUp();
    keyForm.RadioButton11->setChecked(true);
    keyForm.CheckBox3->setChecked(false);
    keyForm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keyForm));
    KeySuitAnswerer keyAnswers(keyForm.SuitChooser(), keyEngine);
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyForm.windowHandle(), static_cast<Qt::Key>(key), modifiers);
    };
    press(Qt::Key_Tab);
    for (int i = 0; i < 40 && keyForm.focusWidget() != keyForm.Image20; ++i)
        press(Qt::Key_Tab);
    press(Qt::Key_Return);
    ASSERT_FALSE(keyForm.GroupBox1->isHidden());
    engine.SeedRandom(301);
    keyEngine.SeedRandom(301);

    bool ringOnMouseTable = false;
    pacer.duringWait = [&] { ringOnMouseTable |= !form->HandRing()->isHidden(); };
    const auto keysTo = [&](int slot) {
        press(Qt::Key_Home);
        for (int k = 1; k < slot; ++k)
            press(Qt::Key_Right);
    };
    const auto sameScreen = [&](const std::string& move) {
        const QImage mouse = form->grab().toImage();
        const bool ring = !keyForm.HandRing()->isHidden();
        keyForm.HandRing()->hide();
        const QImage keys = keyForm.grab().toImage();
        if (ring)
            keyForm.HandRing()->show();
        if (mouse == keys)
            return std::string();
        // Keys carry the focus to the control the game wants a key on next (the ticked deal
        // size), and Qt marks it there for a player who uses keys.
        QRect marked;
        if (const QWidget* focused = keyForm.focusWidget(); focused && focused != &keyForm)
            marked = QRect(focused->mapTo(&keyForm, QPoint(0, 0)), focused->size())
                         .adjusted(-3, -3, 3, 3);
        for (int y = 0; y < mouse.height(); ++y)
            for (int x = 0; x < mouse.width(); ++x)
                if (mouse.pixel(x, y) != keys.pixel(x, y) && !marked.contains(x, y))
                    return move + ": first difference at " + std::to_string(x) + "," +
                           std::to_string(y);
        return mouse.size() == keys.size() ? std::string() : move + ": sizes differ";
    };

    std::mt19937 pick(301);
    int moves = 0;
    while (engine.RoundNo < 3 && !engine.GameOver && moves < 400) {
        ++moves;
        std::string move;
        if (!form->GroupBox4->isHidden()) {
            move = "close";
            CloseGrid();
            press(Qt::Key_Return);
        } else if (!form->GroupBox1->isHidden()) {
            move = "deal";
            Click(form->Label13); // 5 Cards
            press(Qt::Key_5);
            Deal();
            press(Qt::Key_Return);
        } else {
            std::vector<int> legal;
            for (int k = 1; k <= std::min(engine.Hands[1].count, kHandLimit); ++k)
                if (engine.IsLegalPlay(engine.Hands[1].slot[k], 0, true))
                    legal.push_back(k);
            if (!legal.empty() && pick() % 6 != 0) {
                const int slot = legal[pick() % legal.size()];
                move = "card " + std::to_string(slot);
                PressSlot(slot);
                keysTo(slot);
                press(Qt::Key_Return);
            } else if (pick() % 4 == 0 && engine.Hands[1].count > 1) {
                move = "choose 1";
                PressSlot(1, Qt::RightButton);
                keysTo(1);
                press(Qt::Key_Insert);
            } else {
                move = "stock";
                PressStock();
                press(Qt::Key_D);
            }
        }
        ASSERT_EQ(keyEngine.Hands[1].count, engine.Hands[1].count) << move;
        ASSERT_EQ(keyEngine.TopDiscard(), engine.TopDiscard()) << move;
        ASSERT_EQ(keyPacer.waits, pacer.waits) << move;
        ASSERT_EQ(sameScreen(move), "");
        ASSERT_TRUE(form->HandRing()->isHidden()) << move;
    }
    EXPECT_GE(engine.RoundNo, 3);
    EXPECT_FALSE(ringOnMouseTable);
    EXPECT_FALSE(form->KeysUsed());
    EXPECT_EQ(mouseAnswers.Answers, keyAnswers.Answers);
    EXPECT_TRUE(errors.empty());
}

// A joker laid by keys opens the chooser with the outline on its first suit; a key names the
// suit. Closing the grid by keys, even with the focus in the grid, leaves the next key with the
// deal panel, not with the "Save Game" box that appears beside it.
TEST_F(KeyWindowTest, KeysCarryOnThroughTheChooserAndPastTheGrid) {
    StartGame(3, false);
    LayRound({{kJoker, Pip(9, S)}, {Pip(9, H), Pip(3, H)}, {King(D), Pip(4, H)}},
             {Pip(3, S), Pip(4, S), Pip(6, S)}, {Pip(5, C)});
    TForm2* chooser = form->SuitChooser();
    bool ringShown = false;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!chooser->isVisible())
            return;
        ringShown = !chooser->Ring()->isHidden() && chooser->KeyFocus() == 0;
        QTest::keyClick(chooser, Qt::Key_H);
    });
    answer.start();
    FocusSlot(SlotOf(kJoker));
    Key(Qt::Key_Return);
    answer.stop();
    EXPECT_TRUE(ringShown);
    EXPECT_EQ(engine.DiscardPile[2], kJoker);
    EXPECT_EQ(engine.Hands[1].count, 1);

    LayRound({{Pip(5, H)}, {Pip(9, H), Pip(3, H)}, {King(S), Pip(4, H)}}, {Pip(3, S), Pip(4, S)},
             {Pip(5, D)});
    Key(Qt::Key_Return); // the last card: the grid opens, and takes the focus
    ASSERT_TRUE(flow->ScoreGridUp());
    ASSERT_EQ(form->focusWidget(), form->StringGrid1);
    Key(Qt::Key_Return); // CLOSE
    ASSERT_FALSE(form->GroupBox1->isHidden());
    ASSERT_FALSE(form->ComboBox3->isHidden());
    // The next key is wanted in the deal panel: the focus is on its ticked size.
    const auto deal = form->DealRadios();
    const auto ticked = std::find_if(deal.begin(), deal.end(),
                                     [](QRadioButton* radio) { return radio->isChecked(); });
    ASSERT_NE(ticked, deal.end());
    EXPECT_EQ(form->focusWidget(), *ticked);
    Key(Qt::Key_5);
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_EQ(form->ComboBox3->currentText(), "");
}
