// SPDX-License-Identifier: GPL-3.0-or-later
// When a card may be laid, what the special ranks do to the turn, and when a round ends.
#include "engine/engine.h"
#include "engine/seat_limits.h"

using namespace engine_limits;

namespace {

// Brings a seat number that stepped off either end of the table back onto it. For the steps
// the game makes (one or two seats either way) this is the usual 0 -> last, last + 1 -> 1,
// -1 -> last - 1, last + 2 -> 2; any other stray value lands on a real seat as well.
int WrapSeat(int seat, int seats) {
    if (seats < 1)
        return seat;
    // The game's own steps end at most one table's length off either end: they are wrapped
    // by an add or a subtract, sparing two divisions a turn.
    if (seat >= 1 && seat <= seats)
        return seat;
    if (seat > seats && seat <= 2 * seats)
        return seat - seats;
    if (seat < 1 && seat > -seats)
        return seat + seats;
    return ((seat - 1) % seats + seats) % seats + 1;
}

} // namespace

// IsLegalPlay and its two halves are inline in engine.h.

void Engine::ApplyCardEffect(int code) {
    if (code >= 1 && code <= 104)
        ActiveSuit = MatchSuitOf(code);
    if (IsKing(code))
        Direction = -Direction;
    // An ace skips the next seat.
    CurrentPlayer += IsAce(code) ? 2 * Direction : Direction;
    CurrentPlayer = WrapSeat(CurrentPlayer, SeatsInPlay(*this));
}

void Engine::AdvanceTurn() {
    CurrentPlayer = WrapSeat(CurrentPlayer + Direction, SeatsInPlay(*this));
}

void Engine::StepBackTurn() {
    CurrentPlayer = WrapSeat(CurrentPlayer - Direction, SeatsInPlay(*this));
}

void Engine::ApplyFirstDiscard(int code) {
    ActiveSuit = MatchSuitOf(code);
    if (IsKing(code)) {
        Direction = -Direction;
        AdvanceTurn();
    }
    if (IsAce(code))
        AdvanceTurn();
    CurrentPlayer = WrapSeat(CurrentPlayer, SeatsInPlay(*this));
}

bool Engine::AllHandsFull() const {
    const int seats = SeatsInPlay(*this);
    for (int seat = 1; seat <= seats; ++seat) {
        if (Hands[seat].count < kHandLimit)
            return false;
    }
    return true;
}

int Engine::CheckRoundEnd() {
    const int seats = SeatsInPlay(*this);
    for (int seat = 1; seat <= seats; ++seat) {
        if (Hands[seat].count < 1) {
            RoundOver = true;
            ScoreRound();
            return seat;
        }
    }
    return 0;
}

JackChainSlot Engine::FindJackChainSlot(int code) const {
    JackChainSlot found;
    for (int i = 1; i <= 9 && found.firstFree == 0; ++i) {
        if (JackChain[i] == 0)
            found.firstFree = i;
    }
    for (int i = 9; i >= 1 && found.position == 0; --i) {
        if (JackChain[i] == code)
            found.position = i;
    }
    return found;
}

void Engine::AddToJackChain(int position, int card, int slot) {
    if (position < 1 || position > 9)
        return;
    JackChain[position] = card;
    JackChain[position + 10] = slot;
    JackChain[0] = position;
}

std::vector<int> Engine::DropFromJackChain(int position) {
    std::vector<int> slots;
    if (position < 1)
        return slots;
    for (int i = 9; i >= position; --i) {
        if (JackChain[i] == 0)
            continue;
        const int chained = JackChain[i + 10];
        JackChain[i] = 0;
        JackChain[i + 10] = 0;
        slots.push_back(chained);
        MarkSelected(chained, false);
    }
    int held = 0;
    for (int i = 1; i <= 9; ++i)
        held += JackChain[i] != 0 ? 1 : 0;
    JackChain[0] = held;
    return slots;
}

void Engine::MarkSelected(int slot, bool selected) {
    if (slot >= 1 && slot < static_cast<int>(SelectedSlots.size()))
        SelectedSlots[slot] = selected ? 1 : 0;
}
