// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played on the real window by clicking: DEAL, legal hand cards, chains of jacks
// chosen with the right button, the stock when nothing can be played, a suit in the chooser,
// CLOSE under the score grid, until the game is over. The table must hold after every click.
#include <random>
#include <tuple>

#include "play_window_fixture.h"

namespace {

// One click of the game, to be played again on a table that shows nothing.
struct Event {
    enum Kind { Deal, Slot, Stock, Close } kind;
    int slot = 0;
    MouseButton button = MouseButton::Left;
};

MouseButton ButtonOf(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? MouseButton::Left
           : button == Qt::RightButton ? MouseButton::Right
                                       : MouseButton::Other;
}

std::string WaitText(const RecordingPacer::Wait& wait) {
    return (wait.kind == RecordingPacer::Kind::Pause ? "Pause " : "Sleep ") +
           std::to_string(wait.ms);
}

struct GameStats {
    int clicks = 0;
    int plays = 0;
    int chains = 0;
    int draws = 0;
    int passes = 0;
    int refused = 0;
};

} // namespace

class WholeGame : public PlayWindowTest,
                  public ::testing::WithParamInterface<std::tuple<int, bool, unsigned>> {
  protected:
    // Every click goes through these, so that the game can be played again without the window.
    void Slot(int slot, Qt::MouseButton button = Qt::LeftButton) {
        events.push_back({Event::Slot, slot, ButtonOf(button)});
        PressSlot(slot, button);
    }
    void Stock(Qt::MouseButton button = Qt::LeftButton) {
        events.push_back({Event::Stock, 0, ButtonOf(button)});
        PressStock(button);
    }
    void DealNow() {
        events.push_back({Event::Deal});
        Deal();
    }
    void CloseNow() {
        events.push_back({Event::Close});
        CloseGrid();
    }

    // The same clicks on the same engine with a table that shows nothing: the waits it asks for.
    std::vector<std::string> WaitsWithoutTheWindow(Engine start, const std::vector<int>& suits) {
        flowtest::Timeline timeline;
        flowtest::RecordingView view(timeline);
        view.DealSize = form->CheckedDealSize();
        view.Suits.assign(suits.begin(), suits.end());
        NoStorage files;
        TurnFlow replay(start, view, files);
        for (const Event& event : events) {
            switch (event.kind) {
            case Event::Deal:
                replay.ImageDealClick();
                break;
            case Event::Slot:
                replay.HandSlotMouseDown(event.slot, event.button);
                break;
            case Event::Stock:
                replay.Image53MouseDown(event.button);
                break;
            case Event::Close:
                replay.Image37Click();
                break;
            }
        }
        return flowtest::Only(timeline, {"Pause ", "Sleep "});
    }

    std::vector<int> LegalSlots() const {
        std::vector<int> legal;
        const Hand& hand = engine.Hands[1];
        for (int k = 1; k <= std::min(hand.count, kHandLimit); ++k)
            if (engine.IsLegalPlay(hand.slot[k], 0, true))
                legal.push_back(k);
        return legal;
    }

    // A playable jack and a card that may follow it: both chosen with the right button, then a
    // left press anywhere in the hand lays them.
    bool TryChain() {
        const std::optional<TwoCardChain> chain = FindTwoCardChain(engine);
        if (!chain)
            return false;
        const int count = std::min(engine.Hands[1].count, kHandLimit);
        Slot(chain->jack, Qt::RightButton);
        Slot(chain->follower, Qt::RightButton);
        EXPECT_EQ(form->HandSlot(chain->follower)->y(), 480);
        Slot(1 + static_cast<int>(pick() % count));
        ++stats.chains;
        return true;
    }

    // A press the rules ignore changes nothing and waits for nothing.
    void RefusedPress() {
        const size_t waits = pacer.waits.size();
        const int held = engine.Hands[1].count;
        const int top = engine.TopDiscard();
        if (engine.Hands[1].count < kHandLimit) {
            Stock(Qt::RightButton);
        } else {
            for (int slot : {1, 2, 3})
                if (!engine.IsLegalPlay(engine.Hands[1].slot[slot], 0, true))
                    Slot(slot);
        }
        ++stats.refused;
        EXPECT_EQ(pacer.waits.size(), waits);
        EXPECT_EQ(engine.Hands[1].count, held);
        EXPECT_EQ(engine.TopDiscard(), top);
    }

    void HumanTurn() {
        if (pick() % 10 == 0)
            return RefusedPress();
        if (pick() % 3 == 0 && TryChain())
            return;
        const std::vector<int> legal = LegalSlots();
        if (!legal.empty() && pick() % 8 != 0) {
            ++stats.plays;
            return Slot(legal[pick() % legal.size()]);
        }
        ++(engine.Hands[1].count >= kHandLimit ? stats.passes : stats.draws);
        Stock();
    }

    bool GameOverShown() const {
        return !form->Label26->isHidden() && form->Label26->Caption() == "GAME OVER";
    }

    std::mt19937 pick;
    GameStats stats;
    std::vector<Event> events;
};

TEST_P(WholeGame, ClicksPlayItToGameOverAndTheTableHoldsAfterEveryClick) {
    const auto [players, progressive, seed] = GetParam();
    StartGame(players, progressive);
    engine.SeedRandom(seed);
    pick.seed(seed);
    SuitAnswerer answerer(form->SuitChooser());
    const Engine start = engine;
    const size_t waitsBefore = pacer.waits.size();

    while (!GameOverShown() && stats.clicks < 6000) {
        ++stats.clicks;
        if (!form->GroupBox4->isHidden())
            CloseNow();
        else if (!form->GroupBox1->isHidden())
            DealNow();
        else
            HumanTurn();
        const std::string fault = TableFaults();
        ASSERT_EQ(fault, "") << "after click " << stats.clicks << " in round " << engine.RoundNo;
    }
    ASSERT_TRUE(GameOverShown()) << stats.clicks << " clicks";
    RecordProperty("clicks", stats.clicks);
    RecordProperty("rounds", engine.RoundNo - 1);
    RecordProperty("chains", stats.chains);
    RecordProperty("draws", stats.draws);
    RecordProperty("passes", stats.passes);
    RecordProperty("suits_named", answerer.Answers);
    EXPECT_TRUE(engine.GameOver);
    EXPECT_GT(stats.plays + stats.chains, 10);

    // The end of the game: the winner and the score, no stock, no save box, the counters.
    const int leader = engine.FindLeader();
    EXPECT_EQ(form->Label27->Caption().toStdString(), "Winner: " + engine.PlayerNames[leader]);
    EXPECT_EQ(form->Label27->y(), 406);
    EXPECT_EQ(form->Label26->pos(), QPoint(512 - form->Label26->width() / 2, 376));
    EXPECT_EQ(form->Label36->Caption().toStdString(),
              "Score " + Engine::PadScore(engine.GameScore));
    EXPECT_FALSE(form->Label36->isHidden());
    for (const QWidget* control :
         std::initializer_list<const QWidget*>{form->Image50, form->Image51, form->Image52,
                                               form->Image53, form->Label5, form->ComboBox3})
        EXPECT_TRUE(control->isHidden()) << control->objectName().toStdString();
    EXPECT_EQ(form->Label50->Caption(), "1");

    // The window waited exactly as the turn flow asked, never on its own.
    std::vector<std::string> windowWaits;
    for (size_t i = waitsBefore; i < pacer.waits.size(); ++i)
        windowWaits.push_back(WaitText(pacer.waits[i]));
    const std::vector<std::string> flowWaits = WaitsWithoutTheWindow(start, answerer.Named);
    EXPECT_EQ(windowWaits.size(), flowWaits.size());
    EXPECT_TRUE(windowWaits == flowWaits);

    // Nothing answers any more.
    const size_t waits = pacer.waits.size();
    const int round = engine.RoundNo;
    form->ImageDealClick();
    form->Image53MouseDown(Qt::LeftButton);
    form->HandSlotMouseDown(1, Qt::LeftButton);
    EXPECT_EQ(pacer.waits.size(), waits);
    EXPECT_EQ(engine.RoundNo, round);
    EXPECT_TRUE(form->GroupBox1->isHidden());
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PlayersAndTwos, WholeGame,
    ::testing::Values(std::make_tuple(3, false, 101u), std::make_tuple(3, true, 102u),
                      std::make_tuple(4, false, 103u), std::make_tuple(4, true, 104u),
                      std::make_tuple(5, false, 105u), std::make_tuple(5, true, 106u)));
