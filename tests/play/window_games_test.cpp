// Whole games played on the real window by clicking: DEAL, legal hand cards, chains of jacks
// chosen with the right button, the stock when nothing can be played, a suit in the chooser,
// CLOSE under the score grid, until the game is over. The table must hold after every click.
#include <random>
#include <tuple>

#include "play_window_fixture.h"

namespace {

constexpr int kHandLimit = 19;

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
        const Hand& hand = engine.Hands[1];
        const int count = std::min(hand.count, kHandLimit);
        for (int j = 1; j <= count; ++j) {
            if (!Engine::IsJack(hand.slot[j]) || !engine.IsLegalPlay(hand.slot[j], 0, true))
                continue;
            for (int f = 1; f <= count; ++f) {
                if (f == j || !engine.IsLegalPlay(hand.slot[f], hand.slot[j], false))
                    continue;
                PressSlot(j, Qt::RightButton);
                PressSlot(f, Qt::RightButton);
                EXPECT_EQ(form->HandSlot(f)->y(), 480);
                PressSlot(1 + static_cast<int>(pick() % count));
                ++stats.chains;
                return true;
            }
        }
        return false;
    }

    // A press the rules ignore changes nothing and waits for nothing.
    void RefusedPress() {
        const size_t waits = pacer.waits.size();
        const int held = engine.Hands[1].count;
        const int top = engine.TopDiscard();
        if (engine.Hands[1].count < kHandLimit) {
            PressStock(Qt::RightButton);
        } else {
            for (int slot : {1, 2, 3})
                if (!engine.IsLegalPlay(engine.Hands[1].slot[slot], 0, true))
                    PressSlot(slot);
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
            return PressSlot(legal[pick() % legal.size()]);
        }
        ++(engine.Hands[1].count >= kHandLimit ? stats.passes : stats.draws);
        PressStock();
    }

    bool GameOverShown() const {
        return !Control("Label26")->isHidden() && Label("Label26")->Caption() == "GAME OVER";
    }

    std::mt19937 pick;
    GameStats stats;
};

TEST_P(WholeGame, ClicksPlayItToGameOverAndTheTableHoldsAfterEveryClick) {
    const auto [players, progressive, seed] = GetParam();
    StartGame(players, progressive);
    engine.SeedRandom(seed);
    pick.seed(seed);
    SuitAnswerer answerer(form->SuitChooser());

    while (!GameOverShown() && stats.clicks < 6000) {
        ++stats.clicks;
        if (!Control("GroupBox4")->isHidden())
            CloseGrid();
        else if (!Control("GroupBox1")->isHidden())
            Deal();
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
    EXPECT_EQ(Label("Label27")->Caption().toStdString(), "Winner: " + engine.PlayerNames[leader]);
    EXPECT_EQ(Label("Label27")->y(), 406);
    EXPECT_EQ(Label("Label26")->pos(), QPoint(512 - Label("Label26")->width() / 2, 376));
    EXPECT_EQ(Label("Label36")->Caption().toStdString(), "Score " + Engine::PadScore(engine.GameScore));
    EXPECT_FALSE(Control("Label36")->isHidden());
    for (const char* name : {"Image50", "Image51", "Image52", "Image53", "Label5", "ComboBox3"})
        EXPECT_TRUE(Control(name)->isHidden()) << name;
    EXPECT_EQ(Label("Label50")->Caption(), "1");

    // Nothing answers any more.
    const size_t waits = pacer.waits.size();
    const int round = engine.RoundNo;
    form->ImageDealClick();
    form->Image53MouseDown(Qt::LeftButton);
    form->HandSlotMouseDown(1, Qt::LeftButton);
    EXPECT_EQ(pacer.waits.size(), waits);
    EXPECT_EQ(engine.RoundNo, round);
    EXPECT_TRUE(Control("GroupBox1")->isHidden());
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(PlayersAndTwos, WholeGame,
                         ::testing::Values(std::make_tuple(3, false, 101u),
                                           std::make_tuple(3, true, 102u),
                                           std::make_tuple(4, false, 103u),
                                           std::make_tuple(4, true, 104u),
                                           std::make_tuple(5, false, 105u),
                                           std::make_tuple(5, true, 106u)));
