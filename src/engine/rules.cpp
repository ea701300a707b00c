// When a card may be laid, what the special ranks do to the turn, and when a round ends.
#include "engine/engine.h"
#include "engine/seat_limits.h"

using namespace engine_limits;

namespace {

constexpr int kQueen = 11;

// Brings a seat number that stepped off either end of the table back onto it. For the steps
// the game makes (one or two seats either way) this is the usual 0 -> last, last + 1 -> 1,
// -1 -> last - 1, last + 2 -> 2; any other stray value lands on a real seat as well.
int WrapSeat(int seat, int seats) {
    if (seats < 1)
        return seat;
    return ((seat - 1) % seats + seats) % seats + 1;
}

} // namespace

bool Engine::IsLegalPlay(int card, int other, bool useTop) const {
    if (RoundOver || card < 0 || card > kLastCode)
        return false;
    int topRank = -1;
    int topSuit = -1;
    int candidateRank = -2;
    int candidateSuit = -2;
    bool valid = true;

    if (useTop) {
        const int top = TopDiscard();
        if (IsJoker(top)) {
            topSuit = ActiveSuit; // a joker on top asks for the suit its player named
        } else {
            const DecodedCard d = DecodeCard(top);
            topRank = d.RankIndex;
            topSuit = d.SuitIndex;
            valid = d.valid;
        }
    } else if (!IsJoker(other)) {
        const DecodedCard d = DecodeCard(other);
        topRank = d.RankIndex;
        topSuit = d.SuitIndex;
        valid = d.valid;
    }
    if (!valid)
        return false;

    if (!IsJoker(card)) {
        const DecodedCard d = DecodeCard(card);
        if (!d.valid)
            return false;
        candidateRank = d.RankIndex;
        candidateSuit = d.SuitIndex;
    }
    return topSuit == candidateSuit || ActiveSuit == candidateSuit || topRank == kQueen ||
           topRank == candidateRank || IsJoker(card);
}

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
