// SPDX-License-Identifier: GPL-3.0-or-later
// The round controller: the deal and its first discard, the computer turns, the chains of
// twos, the play after the human's card and the end of a round.
#include "table/flow/turn_flow.h"

bool TurnFlow::RoundWinner() {
    return E.CheckRoundEnd() != 0;
}

void TurnFlow::ImageDealClick() {
    RunTurnEvent([this] {
        // A second deal while a round is running would throw its cards away.
        if (E.GameOver || E.RoundActive)
            return;
        const int size = View.CheckedDealSize();
        if (size >= 4 && size <= 7)
            E.DealSize = size;
        E.RoundOver = false;
        Guarded([this] { Storage.SaveConfig(E); });
        Guarded([this] { Storage.CountFirstDeal(E); });

        ShowSeatTotals();
        View.ShowAllHandSlots(false, false);
        for (int seat = 1; seat <= E.PlayerCount; ++seat)
            View.PlaceSeat(seat, true);
        ShowStockPile(4, true);
        View.ShowGamesAndWins();

        E.CurrentPlayer = 1;
        E.Direction = 1;
        View.HideDealPanel();
        E.RoundActive = true;
        PileDepth_ = 0;
        E.DealHands();
        E.ClearJackChain();
        E.ClearSelectedSlots();

        E.LeadSeat = E.LeadSeat + 1 > E.PlayerCount ? 1 : E.LeadSeat + 1;
        for (int i = 1; i < E.LeadSeat; ++i)
            E.AdvanceTurn();

        AnimateDeal(E.SlowDeal);
        E.TurnUpFirstDiscard();
        FlipFirstDiscard();
        View.ShowDiscardPictures();

        const int first = E.TopDiscard();
        E.ApplyFirstDiscard(first);
        if (Engine::IsTwo(first)) {
            // Nobody may answer the first discard: the leader simply pays.
            E.StepBackTurn();
            DrawTwoPenalty(true);
            View.Pause(500);
        }
        DrawHumanHand(HumanCount(), true);
        ShowTurnArrow();
        View.Sleep(500);
        RunComputerTurns(false);
        ShowTurnArrow();
        EndRound();
    });
}

// The computer loops stop as soon as the human holds the turn or the round is over; the
// loop after a pass also stops when the game is over or every hand is full.
void TurnFlow::RunComputerTurns(bool afterPass) {
    while (E.CurrentPlayer > 1 && !E.RoundOver && !Closing_) {
        if (afterPass && (E.GameOver || E.AllHandsFull()))
            break;
        ComputerTurn();
    }
}

int TurnFlow::DrawAndNotice() {
    const DrawResult drawn = E.DrawCard();
    ShowStockPile(4, false);
    if (drawn.reshuffled)
        ShowReshuffleNotice();
    return drawn.card;
}

// Draws one card at a time until the seat can play. A seat that reaches 19 cards, or finds
// nothing left to draw, stops: it will pass rather than wait for a card that cannot come.
int TurnFlow::ComputerDrawsUntilPlayable(int seat, int& drawn) {
    int card = 0;
    drawn = 0;
    while (card == 0 && CountOf(seat) < kHandLimit) {
        if (DrawAndNotice() == 0)
            break;
        drawn += 1;
        card = E.PlayFirstLegalCard();
        LogState("best card loop ");
    }
    return card;
}

void TurnFlow::ComputerTurn() {
    const int seat = E.CurrentPlayer;
    E.OrderComputerHand(seat);
    int card = E.PlayFirstLegalCard();
    if (card == 0) {
        int drawn = 0;
        card = ComputerDrawsUntilPlayable(seat, drawn);
        ShowDrawsBanner(drawn, false);
        LogState("player drawing ", drawn);
        if (card == 0) {
            ShowPassesBanner();
            ShowHand(seat, E.RevealHands);
            E.AdvanceTurn();
            View.Pause(50);
            return;
        }
        View.Pause(80);
    }
    LogState("player played this card ");
    ShowHand(seat, E.RevealHands);
    View.HideStatusText();
    FlyCardToDiscard(card, 0);
    if (Engine::IsJack(card))
        PlayComputerJackChain(seat, card);
    else
        ShowDiscardTop(0, true, false);
    FinishComputerTurn(seat, card);
}

// Only the last card of a jack chain reaches the turn order; each card shown on the way
// still sets the suit to follow.
void TurnFlow::PlayComputerJackChain(int seat, int& card) {
    PlayList followUps{};
    E.PlayJackFollowUps(seat, followUps);
    ShowDiscardTop(card, true, true);
    View.Pause(100);
    for (size_t i = 1; i < followUps.size(); ++i) {
        const int next = followUps[i];
        if (next <= 0)
            continue;
        FlyCardToDiscard(next, 0);
        card = next;
        ShowDiscardTop(next, true, true);
        ShowHand(seat, E.RevealHands);
        LogState("go p jac ");
    }
}

void TurnFlow::FinishComputerTurn(int seat, int card) {
    // A seat that has emptied its hand ends the round at once, whatever its last card was:
    // a two laid as the last card costs nobody anything.
    if (RoundWinner()) {
        LogState("winner found ");
        E.CurrentPlayer = 1;
        return;
    }
    if (Engine::IsTwo(card)) {
        if (E.ProgressiveTwos)
            RunTwosChain(true, true);
        else
            DrawTwoPenalty(true);
        return;
    }
    if (E.AllHandsFull()) {
        LogState("winner found ");
        E.CurrentPlayer = 1;
        return;
    }
    HideSuitMarkers();
    if (Engine::IsJoker(card)) {
        E.ActiveSuit = E.ChooseSuit(seat);
        if (View.Listening())
            AnnounceSuit(seat, E.ActiveSuit);
        ShowSuitMarker();
    }
    ApplyPlayedCard(card);
    View.Pause(50);
}

// Twos answered with twos for as long as the seat to move holds one; the seat that cannot
// answer then draws what they cost. After a computer's two every answer is followed by the
// round-end check; after the human's, whose play was checked already, every answer but the
// first. Returns false when an answer emptied a hand: the turn is over at once.
bool TurnFlow::RunTwosChain(bool advanceFirst, bool checkFirst) {
    bool played = PlayChainedTwo(advanceFirst);
    bool check = checkFirst;
    while (true) {
        if (check && RoundWinner())
            return false;
        if (!played)
            break;
        played = PlayChainedTwo(true);
        check = true;
    }
    DrawTwoPenalty(false);
    return true;
}

// One answer in a chain of twos. A seat holding a two lays it without being asked, the
// human's seat too.
bool TurnFlow::PlayChainedTwo(bool advanceFirst) {
    if (advanceFirst)
        E.AdvanceTurn();
    if (RoundWinner())
        return false;
    const int seat = E.CurrentPlayer;
    const AnsweringTwo answer = E.ChooseAnsweringTwo(seat);
    if (!answer.found)
        return false;
    E.TakeFromSlot(seat, answer.slot);
    LogState("play two ");
    E.TwoPenalty += 2;
    E.LayOnDiscardPile(answer.card);
    FlyCardToDiscard(answer.card, 0);
    ShowDiscardTop(0, false, false);
    if (seat > 1)
        E.OrderComputerHand(seat);
    ShowHand(seat, E.RevealHands);
    if (seat == 1)
        DrawHumanHand(HumanCount(), true);
    View.Pause(100);
    return true;
}

// The seat that could not answer draws what the twos cost, up to the hand limit (the rest
// is forgotten), and loses its turn. The human's penalty needs no click.
void TurnFlow::DrawTwoPenalty(bool advanceFirst) {
    if (advanceFirst)
        E.AdvanceTurn();
    if (E.RoundOver)
        return;
    const int seat = E.CurrentPlayer;
    int drawn = 0;
    while (drawn < E.TwoPenalty && CountOf(seat) < kHandLimit) {
        if (DrawAndNotice() == 0)
            break;
        drawn += 1;
    }
    LogState("drawing ", drawn);
    ShowDrawsBanner(drawn, true);
    ShowHand(seat, E.RevealHands);
    View.Pause(200);
    E.AdvanceTurn();
    E.TwoPenalty = 2;
}

void TurnFlow::ApplyPlayedCard(int card) {
    E.ApplyCardEffect(card);
    ShowTurnArrow();
}

void TurnFlow::ContinueAfterHumanPlay(int card) {
    if (E.AllHandsFull())
        E.RoundOver = true;
    // The human's last card ends the round before its effect reaches anybody.
    if (RoundWinner() || E.GameOver || E.RoundOver)
        return;
    ApplyPlayedCard(card);
    if (Engine::IsTwo(card)) {
        if (E.ProgressiveTwos) {
            if (!RunTwosChain(false, false))
                return;
        } else {
            E.StepBackTurn();
            DrawTwoPenalty(true);
        }
    }
    ShowTurnArrow();
    for (int seat = 2; seat <= E.PlayerCount; ++seat)
        ShowHand(seat, E.RevealHands);
    HideSuitMarkers();
    E.ClearJackChain();
    E.ClearSelectedSlots();
    RunComputerTurns(false);
    ShowTurnArrow();
}

void TurnFlow::EndRound() {
    if (!E.GameOver && !E.RoundOver && !E.AllHandsFull())
        return;
    if (Closing_)
        return;
    View.Sleep(200);
    HideSuitMarkers();
    View.RaiseDiscardPile();
    HideTurnArrows();
    for (int seat = 2; seat <= E.PlayerCount; ++seat)
        E.OrderHandByPoints(seat);
    for (int seat = 2; seat <= E.PlayerCount; ++seat)
        ShowHand(seat, true);
    std::string banner;
    Engine::GameText(4, banner);
    View.ShowScoresBanner(banner);
    LogState(" show scores");
    ShowScoreGrid();
}
