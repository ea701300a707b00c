// SPDX-License-Identifier: GPL-3.0-or-later
// Turns played on the real window from tables laid by hand: what the player sees during each
// wait (the draws and passes texts, flights, the reshuffle notice) and what a click does.
#include "play_window_fixture.h"

using namespace flowtest;

namespace {

// The flying card's place while it is in the air, then the status text.
std::string FlightAndStatus(const QWidget* flying, const std::function<std::string()>& status) {
    std::string seen;
    if (!flying->isHidden())
        seen = "fly " + std::to_string(flying->x()) + "," + std::to_string(flying->y());
    const std::string text = status();
    if (!text.empty())
        seen += (seen.empty() ? "" : " ") + text;
    return seen;
}

std::vector<std::string> WithText(const std::vector<std::string>& watched, char mark) {
    std::vector<std::string> picked;
    for (const std::string& entry : watched)
        if (entry.find(mark) != std::string::npos)
            picked.push_back(entry);
    return picked;
}

} // namespace

TEST_F(PlayWindowTest, HumanDrawFliesACardInAndShowsItsTextForHalfTheTime) {
    StartGame(3, false);
    LayRound({{Pip(7, C), King(D)}, {Pip(9, H)}, {Pip(9, D)}}, {Pip(3, S), Pip(4, H)}, {Pip(5, H)});
    const QWidget* stockCard = form->Image53;
    Watch([&] {
        std::string seen = StatusShown();
        if (stockCard->pos() != QPoint(428, 250))
            seen = "card " + std::to_string(stockCard->x()) + "," + std::to_string(stockCard->y());
        return seen;
    });
    PressStock(Qt::RightButton); // fewer than 19 cards: only the left button draws
    EXPECT_TRUE(watched.empty());

    PressStock();
    EXPECT_EQ(watched, (std::vector<std::string>{
                           "Pause 30",
                           "Pause 30 card 436,291",
                           "Pause 30 card 444,332",
                           "Pause 30 card 452,373",
                           "Pause 30 card 460,414",
                           "Pause 30 card 468,455",
                           "Pause 30 card 476,496",
                           "Pause 500 You|Draws|1 Card #00ffff 548,406",
                           "Sleep 200",
                           "Pause 50",
                       }));
    // The new card stands last in the hand, the turn stays, the stock shows its one card left.
    EXPECT_EQ(engine.Hands[1].slot[3], Pip(3, S));
    EXPECT_FALSE(form->HandSlot(3)->isHidden());
    EXPECT_EQ(form->HandSlot(3)->x(), 493 - 18 * 3 + 72);
    EXPECT_EQ(engine.CurrentPlayer, 1);
    EXPECT_TRUE(form->Image52->isHidden());
    EXPECT_FALSE(form->Image53->isHidden());
    EXPECT_TRUE(StatusShown().empty());
}

TEST_F(PlayWindowTest, ComputerAtNineteenCardsShowsDrawsNoneThenPassesAndTheTurnMovesOn) {
    StartGame(3, false);
    std::vector<int> full;
    for (int rank : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12})
        full.push_back(Card(rank, H));
    for (int rank : {0, 1, 2, 3, 4, 5, 7})
        full.push_back(Card(rank, D, 1));
    ASSERT_EQ(full.size(), 19u);
    LayRound({{Pip(7, C), King(S)}, full, {Pip(9, H), Pip(4, S)}}, {Pip(8, C), Pip(3, S)},
             {Pip(5, C)});
    Watch([this] { return StatusShown(); });
    PressSlot(SlotOf(Pip(7, C)));

    EXPECT_EQ(WithText(watched, '|'), (std::vector<std::string>{
                                          "Pause 1000 Raduz|Draws|0 Card #00ffff 232,317",
                                          "Pause 1000 Raduz|Passes #ffffff 232,317",
                                          "Pause 1000 Vur|Draws|1 Card #00ffff 548,122",
                                      }));
    EXPECT_EQ(engine.Hands[2].count, 19);
    EXPECT_EQ(engine.TopDiscard(), Pip(8, C));
    EXPECT_EQ(engine.CurrentPlayer, 1);
    EXPECT_EQ(TableFaults(false), "");
    EXPECT_EQ(Arrow(1)->pos(), QPoint(484, 441));
}

TEST_F(PlayWindowTest, ChainOfTwosReachesTheHumanWhoseTwoFliesWithoutAClick) {
    StartGame(3, true);
    LayRound({{Two(D), Two(C), Pip(9, S)}, {Two(H), Pip(9, H)}, {Two(S), Pip(4, H)}},
             {Pip(3, H), Pip(4, D), Pip(5, D), Pip(6, D), Pip(7, D), Pip(8, D), Pip(9, D),
              Pip(10, D), Pip(6, C), Pip(3, S)},
             {Pip(5, D)});
    const QWidget* flying = form->Image61;
    Watch([&] { return FlightAndStatus(flying, [this] { return StatusShown(); }); });
    PressSlot(SlotOf(Two(D)));

    // The human's second two starts from the middle of the hand, not from a slot.
    EXPECT_NE(std::find(watched.begin(), watched.end(), "Pause 30 fly 488,455"), watched.end());
    EXPECT_EQ(engine.Hands[1].count, 1);
    EXPECT_EQ(engine.Hands[1].slot[1], Pip(9, S));
    // Four twos: seat 2, which has none left, draws eight in yellow and loses its turn.
    EXPECT_EQ(WithText(watched, '|').front(), "Pause 1000 Raduz|Draws|8 Cards #ffff00 232,317");
    EXPECT_EQ(engine.TwoPenalty, 2);
    EXPECT_EQ(TableFaults(false), "");
}

TEST_F(PlayWindowTest, JackChainIsRaisedTrimmedAndPlayedFromWhereItStands) {
    StartGame(3, false);
    LayRound(
        {{Jack(D), Jack(C), Pip(5, C), Pip(9, S)}, {Pip(9, H), Pip(3, H)}, {Pip(9, D), Pip(4, H)}},
        {Pip(3, S), Pip(4, S), Pip(5, D)}, {Pip(4, D)});
    const int jackD = SlotOf(Jack(D));
    const int jackC = SlotOf(Jack(C));
    const int fiveC = SlotOf(Pip(5, C));
    PressSlot(SlotOf(Pip(9, S)), Qt::RightButton); // not playable: stays down
    PressSlot(jackD, Qt::RightButton);
    PressSlot(jackC, Qt::RightButton);
    PressSlot(fiveC, Qt::RightButton);
    for (int slot : {jackD, jackC, fiveC})
        EXPECT_EQ(form->HandSlot(slot)->y(), 480) << slot;
    EXPECT_EQ(form->HandSlot(SlotOf(Pip(9, S)))->y(), 496);

    // Taking the second jack back takes the card after it too.
    PressSlot(jackC, Qt::RightButton);
    EXPECT_EQ(form->HandSlot(jackD)->y(), 480);
    EXPECT_EQ(form->HandSlot(jackC)->y(), 496);
    EXPECT_EQ(form->HandSlot(fiveC)->y(), 496);
    EXPECT_EQ(engine.JackChain[0], 1);
    EXPECT_TRUE(pacer.waits.empty());

    // A left press on a card outside the chain lays the chain, from the raised jack's place.
    const int left = form->HandSlot(jackD)->x();
    const QWidget* flying = form->Image61;
    Watch([&] { return FlightAndStatus(flying, [] { return std::string(); }); });
    PressSlot(SlotOf(Pip(9, S)));
    const std::string firstStep =
        "Pause 30 fly " + std::to_string(left + (552 - left) / 6) + "," + std::to_string(480 - 38);
    EXPECT_EQ(watched.at(0), firstStep);
    EXPECT_EQ(engine.DiscardPile[2], Jack(D));
    EXPECT_EQ(engine.Hands[1].count, 3);
    EXPECT_NE(SlotOf(Pip(9, S)), 0);
    EXPECT_EQ(TableFaults(false), "");
}

TEST_F(PlayWindowTest, ReshuffleNoticeIsCentredOnItsTextForTwoSeconds) {
    StartGame(3, false);
    LayRound({{Pip(7, C), King(S)}, {Pip(9, H)}, {Pip(9, D)}}, {},
             {Pip(3, S), Pip(4, S), Pip(6, D), Pip(5, H)});
    const TextLabel* notice = form->Label26;
    Watch([&] {
        if (notice->isHidden())
            return std::string();
        return notice->Caption().toStdString() + " " + notice->FontColour().name().toStdString() +
               " " + std::to_string(notice->x()) + "," + std::to_string(notice->y());
    });
    PressStock();
    const std::string expected = "Pause 2000 Reshuffling Cards " +
                                 QColor(form->NoticeColor()).name().toStdString() + " " +
                                 std::to_string(512 - notice->width() / 2) + ",290";
    EXPECT_EQ(WithText(watched, ','), (std::vector<std::string>{expected}));
    EXPECT_TRUE(notice->isHidden());
    EXPECT_EQ(engine.Hands[1].count, 3);
    EXPECT_EQ(engine.TopDiscard(), Pip(5, H)); // the top card stays where it was
    EXPECT_EQ(TableFaults(false), "");
}

TEST_F(PlayWindowTest, FirstDiscardTwoMakesTheLeaderDrawTwoInYellowWithoutAnswer) {
    StartGame(3, true);
    // A seed whose shuffle turns up a two as the first discard.
    unsigned seed = 1;
    for (;; ++seed) {
        Engine probe = engine;
        probe.SeedRandom(seed);
        probe.DealSize = form->CheckedDealSize();
        probe.DealHands();
        if (Engine::IsTwo(probe.StockPile[probe.StockPos]))
            break;
    }
    engine.SeedRandom(seed);
    // While the leader's draws text is up: how many cards it holds and how deep the pile is.
    Watch([this] {
        const std::string text = StatusShown();
        if (text.empty())
            return text;
        return text + " held " + std::to_string(engine.Hands[engine.CurrentPlayer].count) +
               " pile " + std::to_string(engine.DiscardTop);
    });
    Deal();
    const std::vector<std::string> texts = WithText(watched, '|');
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "Pause 1000 Raduz|Draws|2 Cards #ffff00 232,317 held 8 pile 1");
    EXPECT_TRUE(Engine::IsTwo(engine.DiscardPile[1]));
    EXPECT_EQ(TableFaults(), "");
}

TEST_F(PlayWindowTest, JokerAsksForTheSuitInAChooserCentredOnTheTable) {
    StartGame(3, false);
    LayRound({{kJoker, Pip(9, S)}, {Pip(9, H), Pip(3, H)}, {Pip(9, D), Pip(4, H)}},
             {Pip(3, S), Pip(4, S), Pip(5, D)}, {Pip(5, C)});
    form->move(130, 90);
    TForm2* chooser = form->SuitChooser();
    const int slot = SlotOf(kJoker);
    QPoint shownAt;
    int raisedTop = 0;
    bool arrowShown = true;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!chooser->isVisible())
            return;
        answer.stop();
        shownAt = chooser->pos();
        raisedTop = form->HandSlot(slot)->y();
        arrowShown = !Arrow(1)->isHidden();
        QTest::mouseClick(chooser->findChild<PictureBox*>(QStringLiteral("Image74")),
                          Qt::LeftButton);
    });
    answer.start();
    PressSlot(slot);

    const QRect table = form->frameGeometry();
    const QPoint expected((table.width() / 6 - 234 / 6) * 3 + table.left() - 1,
                          (table.height() / 6 - 91 / 6) * 3 + table.top() + 77);
    EXPECT_EQ(QPoint(engine.SuitChooserLeft, engine.SuitChooserTop), expected);
    EXPECT_EQ(shownAt, expected);
    EXPECT_EQ(raisedTop, 480);
    EXPECT_FALSE(arrowShown);
    EXPECT_TRUE(chooser->isHidden());
    // Spades were named: seat 2 holds none, draws the three of spades and lays it.
    EXPECT_EQ(engine.DiscardPile[2], kJoker);
    EXPECT_EQ(Engine::MatchSuitOf(engine.DiscardPile[3]), S);
    EXPECT_EQ(TableFaults(false), "");
}
