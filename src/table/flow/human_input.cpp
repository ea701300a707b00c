// SPDX-License-Identifier: GPL-3.0-or-later
// The human's presses: a card or a chain headed by jacks from the hand, a draw or a pass at
// the stock. A press the rules do not allow is ignored without a word.
#include "table/flow/turn_flow.h"

namespace {

constexpr int kRaisedTop = 480;

} // namespace

void TurnFlow::HandSlotMouseDown(int slot, MouseButton button) {
    RunTurnEvent([this, slot, button] {
        if (!E.InputEnabled || E.GameOver || E.CurrentPlayer != 1)
            return;
        // Between rounds the hand is empty and no press may reach the rules.
        if (!E.RoundActive || slot < 1 || slot > kHandLimit)
            return;
        const int card = E.Hands[1].slot[slot];
        if (button == MouseButton::Left) {
            const auto [played, chainPlayed] = PlayJackChain(card);
            if (!chainPlayed && !E.IsLegalPlay(played, 0, true)) {
                if (View.Listening())
                    AnnounceRefusedCard(played);
                return;
            }
            CommitHumanPlay(played, slot, chainPlayed);
        } else if (button == MouseButton::Right) {
            ToggleCardSelection(slot, card);
        }
    });
}

void TurnFlow::ToggleCardSelection(int slot, int card) {
    if (E.SelectedSlots[slot] == 0)
        SelectCard(slot, card);
    else
        DeselectCard(slot, card);
}

// A chain is a run of jacks ended by any card: the first must be playable on the discard
// pile, every further one on the jack before it, nine cards at most.
void TurnFlow::SelectCard(int slot, int card) {
    const JackChainSlot place = E.FindJackChainSlot(card);
    if (place.position > 0)
        return;
    const int i = place.firstFree;
    if (i == 1) {
        if (!E.IsLegalPlay(card, 0, true))
            return;
    } else if (i > 1) {
        const int previous = E.JackChain[i - 1];
        if (!Engine::IsJack(previous) || !E.IsLegalPlay(card, previous, false))
            return;
    } else {
        return;
    }
    E.AddToJackChain(i, card, slot);
    RaiseSlot(slot);
}

// The card and every card chained after it leave the chain.
void TurnFlow::DeselectCard(int slot, int card) {
    SetSlotTop(slot, kRestingHandTop);
    const int from = E.FindJackChainSlot(card).position;
    if (from == 0)
        return;
    for (const int chained : E.DropFromJackChain(from))
        SetSlotTop(chained, kRestingHandTop);
}

void TurnFlow::RaiseSlot(int slot) {
    SetSlotTop(slot, kRaisedTop);
    E.MarkSelected(slot, true);
}

void TurnFlow::SetSlotTop(int slot, int top) {
    View.SetSlotTop(slot, top);
}

// With a chain selected, a left press anywhere plays the whole chain in its order. The
// cards were judged when they were chosen and the discard top cannot change meanwhile.
std::pair<int, bool> TurnFlow::PlayJackChain(int card) {
    if (E.JackChain[0] == 0)
        return {card, false};
    int last = 0;
    for (int i = 1; i <= 9; ++i) {
        const int chained = E.JackChain[i];
        if (chained <= 0)
            continue;
        PlayHumanCard(chained, HumanSlotNow(chained, E.JackChain[i + 10]));
        DrawHumanHand(HumanCount(), true);
        last = chained;
    }
    if (last == 0)
        return {card, false};
    return {last, true};
}

// The redraw after each card of a chain packs the hand, so the next card may stand one slot
// further left than where it was chosen. It leaves from where it stands now: the slot chosen
// would empty another card's picture and send the card off from that card's place.
int TurnFlow::HumanSlotNow(int card, int chosenSlot) const {
    for (int k = 1; k <= kHandLimit; ++k) {
        if (E.Hands[1].slot[k] == card)
            return k;
    }
    return chosenSlot;
}

void TurnFlow::PlayHumanCard(int card, int slot) {
    HideSuitMarkers();
    if (Engine::IsJoker(card))
        OpenSuitChooser(slot);
    View.ClearHandSlot(slot);
    FlyCardToDiscard(card, slot);
    E.TakeFromHand(1, card);
    E.LayOnDiscardPile(card);
    ShowDiscardTop(0, false, false);
    LogState(" *1");
    DrawHumanHand(HumanCount(), true);
}

// The human names the suit before the joker moves; a joker that ends the round needs no suit.
void TurnFlow::OpenSuitChooser(int slot) {
    if (RoundWinner() || E.AllHandsFull())
        return;
    SetSlotTop(slot, kRaisedTop);
    View.SetArrowVisible(1, false);
    View.SetArrowVisible(3, false);
    const int suit = View.OpenSuitChooser();
    if (suit >= 0 && suit <= 3) {
        E.ActiveSuit = suit;
        if (View.Listening())
            AnnounceSuit(1, suit);
    }
    ShowTurnArrow();
}

void TurnFlow::CommitHumanPlay(int card, int slot, bool chainPlayed) {
    if (!chainPlayed)
        PlayHumanCard(card, slot);
    LogState(" #2");
    E.ClearJackChain();
    ContinueAfterHumanPlay(card);
    LogState(" #3");
    if (RoundWinner() || E.AllHandsFull() || E.GameOver)
        EndRound();
}

void TurnFlow::Image53MouseDown(MouseButton button) {
    RunTurnEvent([this, button] {
        // The stock belongs to the human's turn only; a press that arrives at any other
        // moment must not draw for a computer seat.
        if (!E.InputEnabled || E.GameOver || E.RoundOver || !E.RoundActive || E.CurrentPlayer != 1)
            return;
        if (HumanCount() >= kHandLimit || !HumanCanDraw())
            HumanPasses();
        else if (button == MouseButton::Left)
            HumanDraws();
    });
}

// Nothing is left to draw when the stock is empty and the discard pile holds only its top
// card; the human then passes as at a full hand, or the round could never go on.
bool TurnFlow::HumanCanDraw() const {
    return E.StockCardsLeft() > 0 || E.DiscardTop > 1;
}

void TurnFlow::HumanPasses() {
    LogState(" #4");
    ShowPassesBanner();
    DrawHumanHand(HumanCount(), true);
    E.AdvanceTurn();
    E.ClearSelectedSlots();
    E.ClearJackChain();
    LogState(" #5");
    ShowTurnArrow();
    RunComputerTurns(true);
    ShowTurnArrow();
    if (RoundWinner() || E.AllHandsFull() || E.GameOver)
        EndRound();
}

// Drawing never ends the human's turn; the new card shows at the end of the hand until the
// next ordered redraw.
void TurnFlow::HumanDraws() {
    ShowDrawsBanner(1, false);
    if (const int card = DrawAndNotice(); card != 0 && View.Listening())
        View.Announce("You draw the " + Engine::CardName(card));
    DrawHumanHand(HumanCount(), false);
    LogState(" #6");
}
