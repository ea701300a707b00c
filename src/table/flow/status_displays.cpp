// SPDX-License-Identifier: GPL-3.0-or-later
// What the table shows while a round runs, step by step with its pauses: card flights, the
// discard top, the stock, the deal, the draws and passes texts, the hands, the turn arrow and
// the suit marker.
#include "table/flow/turn_flow.h"

#include <algorithm>

namespace {

constexpr int kFlightSteps = 6;     // a card flies to the discards in six steps
constexpr int kStockFlightLast = 6; // a card from the stock takes seven positions, 0..6
constexpr int kStepMs = 30;

} // namespace

void TurnFlow::FlyCardToDiscard(int card, int slot) {
    const DecodedCard decoded = Engine::DecodeCard(card);
    if (decoded.valid && !Engine::IsJoker(card))
        E.ActiveSuit = decoded.MatchSuit;
    if (View.Listening())
        AnnouncePlay(E.CurrentPlayer, card);
    View.StartCardFlight(card, E.CurrentPlayer, slot);
    for (int step = 1; step <= kFlightSteps; ++step) {
        View.MoveCardFlight(step, PileDepth_);
        View.Pause(kStepMs);
    }
    View.EndCardFlight();
}

void TurnFlow::ShowDiscardTop(int card, bool pause, bool useCard) {
    const int shown = useCard ? card : E.TopDiscard();
    const DecodedCard decoded = Engine::DecodeCard(shown);
    if (!decoded.valid)
        return;
    PileDepth_ += 1;
    View.ShowDiscardTop(shown);
    if (!Engine::IsJoker(shown))
        E.ActiveSuit = decoded.MatchSuit;
    if (pause)
        View.Sleep(E.MessageDelay);
    View.Pause(33);
    View.Repaint();
}

// The stock shows up to four backs, never fewer than one, and is repainted only when the
// number changes.
void TurnFlow::ShowStockPile(int count, bool force) {
    if (E.GameOver)
        return;
    int backs = E.StockCardsLeft();
    if (force || count < backs)
        backs = count;
    if (backs < 1)
        backs = 1;
    if (backs == E.StockImagesShown)
        return;
    View.ShowStockBacks(backs);
    E.StockImagesShown = backs;
    View.Sleep(200);
    View.Repaint();
}

void TurnFlow::FlyFromStock(int seat) {
    for (int step = 0; step <= kStockFlightLast; ++step) {
        View.MoveStockCard(seat, step);
        View.Pause(kStepMs);
    }
}

// With a slow deal every pass round the table adds one visible card to each hand; a quick
// deal shows the full hands in one pass. The seats take their cards from the leader on.
void TurnFlow::AnimateDeal(bool slow) {
    View.PrepareSeatPictures();
    const int players = E.PlayerCount;
    for (int pass = slow ? 1 : E.DealSize; pass <= E.DealSize; ++pass) {
        for (int i = 1; i <= players; ++i) {
            const int seat = ((E.CurrentPlayer - 1) + (i - 1)) % players + 1;
            FlyFromStock(seat);
            const bool full = pass == E.DealSize;
            if (full && seat > 1)
                E.OrderComputerHand(seat);
            if (seat == 1)
                DrawHumanHand(pass, full);
            else
                View.DrawSeatHand(seat, pass, E.RevealHands);
            View.Pause(50 + E.Random(20));
        }
    }
    View.ReturnStockCard();
    View.Repaint();
}

void TurnFlow::AnimateDrawFlight(int seat) {
    if (E.RoundOver || E.GameOver)
        return;
    FlyFromStock(seat);
    View.ReturnStockCard();
    View.Repaint();
}

void TurnFlow::FlipFirstDiscard() {
    for (int step = 0; step <= 3; ++step) {
        View.FlipStockCard(step);
        if (step < 3)
            View.Pause(kStepMs);
        else
            View.Repaint();
    }
    ShowDiscardTop(0, false, false);
    View.Sleep(80);
    View.ReturnStockCard();
}

// The human's own draws are shown for half as long: the human made them and knows.
void TurnFlow::ShowDrawsBanner(int count, bool penalty) {
    View.HideStatusText();
    const LabelPlace place = E.StatusLabelPlace();
    AnimateDrawFlight(E.CurrentPlayer);
    E.MakeDrawText(count, E.CurrentPlayer);
    const bool human = E.CurrentPlayer == 1;
    View.ShowStatusText(human ? E.HumanStatusText : E.SeatStatusText, place,
                        penalty ? StatusColour::Yellow : StatusColour::Aqua);
    View.Pause(human ? E.MessageDelay / 2 : E.MessageDelay);
    View.HideStatusText();
}

void TurnFlow::ShowPassesBanner() {
    View.HideStatusText();
    const LabelPlace place = E.StatusLabelPlace();
    E.MakePassText(E.CurrentPlayer);
    View.ShowStatusText(E.SeatStatusText, place, StatusColour::White);
    View.Pause(E.MessageDelay);
    View.HideStatusText();
    ShowTurnArrow();
}

void TurnFlow::ShowHand(int seat, bool reveal) {
    if (seat == 1)
        DrawHumanHand(HumanCount(), true);
    else
        View.DrawSeatHand(seat, CountOf(seat), reveal);
    View.Pause(75 + E.Random(25));
}

// An ordered redraw also closes the gaps a played card left in the hand.
void TurnFlow::DrawHumanHand(int count, bool sort) {
    if (sort) {
        if (E.SortByPoints)
            E.OrderHandByPoints(1);
        else
            E.OrderHandBySuit(1);
    }
    View.DrawHumanHand(count);
    View.Pause(50);
}

void TurnFlow::HideTurnArrows() {
    for (int kind = 1; kind <= 4; ++kind)
        View.SetArrowVisible(kind, false);
}

// Never two arrows at once: all four go before the current one is placed.
void TurnFlow::ShowTurnArrow() {
    HideTurnArrows();
    if (E.RoundOver) {
        ArrowSeat_ = 0;
        return;
    }
    // The turn coming back to the player is news; a draw that keeps it is not.
    if (E.CurrentPlayer == 1 && ArrowSeat_ != 1 && E.RoundActive && !E.GameOver && View.Listening())
        View.Announce("Your turn");
    ArrowSeat_ = E.CurrentPlayer;
    const MarkerPlace place = E.TurnMarkerPlace();
    if (place.picture >= 1 && place.picture <= 4)
        View.ShowTurnArrow(place);
    View.Pause(100);
}

void TurnFlow::ShowSuitMarker() {
    HideSuitMarkers();
    if (E.ActiveSuit >= 0 && E.ActiveSuit <= 3)
        View.ShowSuitMarker(E.ActiveSuit);
    View.Repaint();
}

void TurnFlow::HideSuitMarkers() {
    View.HideSuitMarkers();
    View.Repaint();
}

std::string TurnFlow::SeatName(int seat) const {
    return seat >= 1 && seat < static_cast<int>(E.PlayerNames.size()) ? E.PlayerNames[seat] : "";
}

void TurnFlow::AnnouncePlay(int seat, int card) {
    const std::string name = Engine::CardName(card);
    if (name.empty())
        return;
    const std::string article = Engine::IsJoker(card) ? "a " : "the ";
    View.Announce(seat == 1 ? "You lay " + article + name
                            : SeatName(seat) + " lays " + article + name);
}

void TurnFlow::AnnounceSuit(int seat, int suit) {
    View.Announce((seat == 1 ? std::string("You name ") : SeatName(seat) + " names ") +
                  Engine::SuitName(suit));
}

// A press the rules refuse changes nothing on the table; only a player who cannot see that
// needs telling.
void TurnFlow::AnnounceRefusedCard(int card) {
    const std::string top = Engine::CardName(E.TopDiscard());
    std::string text = "the " + Engine::CardName(card) + " cannot be laid on the " + top;
    if (!Engine::IsJoker(E.TopDiscard()) && E.ActiveSuit != Engine::MatchSuitOf(E.TopDiscard()))
        text += ", " + Engine::SuitName(E.ActiveSuit) + " to follow";
    View.Announce(text);
}

// The round's points and the totals, seat by seat, as the score grid shows them.
void TurnFlow::AnnounceScores() {
    const int round = std::clamp(E.RoundNo, 1, 10);
    std::string points = "Round " + std::to_string(round) + " points:";
    std::string totals = "Totals:";
    for (int seat = 1; seat <= std::clamp(E.PlayerCount, 1, 5); ++seat) {
        const std::string separator = seat == 1 ? " " : ", ";
        points += separator + SeatName(seat) + " " + std::to_string(E.ScoreTable[seat][round]);
        totals += separator + SeatName(seat) + " " + std::to_string(E.ScoreTable[seat][11]);
    }
    View.Announce(points + ". " + totals);
}
