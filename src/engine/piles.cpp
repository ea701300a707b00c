// SPDX-License-Identifier: GPL-3.0-or-later
// The pack and its piles: shuffling, dealing, drawing, turning the discards back into a stock,
// and the one random source every draw of the game comes from.
#include "engine/engine.h"
#include "engine/seat_limits.h"

#include <algorithm>

using namespace engine_limits;

namespace {

constexpr int kLastPlainCode = 104; // codes above are jokers

bool IsPlainCard(int code) {
    return code >= 1 && code <= kLastPlainCode;
}

// The template pack is a constant; rebuilding it is harmless and saves a deal made before
// start-up (a test, a tool) from dealing empty slots.
void EnsureFullPack(Pile& pack) {
    if (pack[0] == kLastCode)
        return;
    for (int i = 0; i <= kLastCode; ++i)
        pack[i] = i;
    pack[0] = kLastCode;
}

} // namespace

void Engine::SeedRandom(uint32_t seed) {
    RandomSource.seed(seed);
}

// Flattened: a shuffle makes about a thousand draws, and the generator's step is worth
// inlining into both of its loops.
[[gnu::flatten]] void Engine::ShufflePile(Pile& pile) {
    // The throw-away draws come first, whatever the pile holds.
    const int waste = Random(1111);
    for (int i = 0; i <= waste; ++i)
        Random(100);

    const int n = pile[0];
    if (n < 1 || n > kLastCode)
        return;
    Pile temp{};
    const int last = pile[n];
    // Every card but the last is dropped into a random free place; at least one place stays
    // free while i < n, so the loop always ends.
    for (int i = 1; i < n;) {
        const int j = Random(n) + 1;
        // Whether the place is free is a coin toss the processor cannot guess, so the card
        // goes in by a select: a taken place is written back unchanged.
        const bool free = temp[j] == 0;
        temp[j] = free ? pile[i] : temp[j];
        i += free ? 1 : 0;
    }
    for (int j = 1; j <= n; ++j) {
        if (temp[j] == 0) {
            temp[j] = last;
            break;
        }
    }
    temp[0] = n;
    pile = temp;
}

void Engine::DealHands() {
    EnsureFullPack(FullPack);
    StockPile = FullPack;
    ClearHands();
    // A penalty still pending when the last round ended must not reach the new round.
    TwoPenalty = 2;
    ShufflePile(StockPile);

    const int seats = SeatsInPlay(*this);
    const int size = std::clamp<int>(DealSize, 0, kHandLimit);
    for (int seat = 1; seat <= seats; ++seat)
        Hands[seat].count = size;
    StockPos = 1;
    for (int slot = 1; slot <= size; ++slot) {
        for (int seat = 1; seat <= seats; ++seat) {
            Hands[seat].slot[slot] = StockPile[StockPos];
            ++StockPos;
        }
    }
}

int Engine::SwapOutJoker(int card) {
    const int first = std::max<int>(StockPos, 1);
    const int last = std::min<int>(StockPile[0], kLastCode);
    // A stock of nothing but jokers cannot give one up: the joker keeps its place.
    if (first > last)
        return card;
    if (std::none_of(StockPile.begin() + first, StockPile.begin() + last + 1, IsPlainCard))
        return card;

    int j = 0;
    int c = 0;
    do {
        j = Random(last - first + 1) + first;
        c = StockPile[j];
    } while (!IsPlainCard(c));
    StockPile[j] = card;
    return c;
}

int Engine::StockCardsLeft() const {
    const int first = std::max<int>(StockPos, 1);
    const int last = std::min<int>(StockPile[0], kLastCode);
    return std::max(0, last - first + 1);
}

DrawResult Engine::DrawCard() {
    DrawResult result;
    // Only a discard pile with more than its top card can give a new stock.
    if (StockCardsLeft() == 0 && DiscardTop > 1) {
        ReshuffleDiscards();
        result.reshuffled = true;
    }
    if (!IsSeat(CurrentPlayer))
        return result;
    Hand& hand = Hands[CurrentPlayer];
    if (hand.count < 0 || hand.count >= kHandLimit)
        return result;

    StockPos = std::max<int>(StockPos, 1);
    while (StockCardsLeft() > 0 && StockPile[StockPos] == 0)
        ++StockPos;
    if (StockCardsLeft() == 0)
        return result;
    result.card = StockPile[StockPos];
    ++StockPos;
    ++hand.count;
    hand.slot[hand.count] = result.card;
    return result;
}

void Engine::ReshuffleDiscards() {
    const int top = TopDiscard();
    const int laid = std::clamp<int>(DiscardTop, 0, kLastCode);
    Pile fresh{};
    int n = 0;
    for (int i = 1; i < laid; ++i) {
        if (DiscardPile[i] != 0)
            fresh[++n] = DiscardPile[i];
    }
    // Undrawn stock cards stay in play as well (there are none when a draw asks for this).
    const int last = std::min<int>(StockPile[0], kLastCode);
    for (int p = std::max<int>(StockPos, 1); p <= last && n < kLastCode; ++p) {
        if (StockPile[p] != 0)
            fresh[++n] = StockPile[p];
    }
    fresh[0] = n;
    StockPile = fresh;
    ShufflePile(StockPile);

    DiscardPile.fill(0);
    DiscardTop = 0;
    if (top != 0) {
        DiscardTop = 1;
        DiscardPile[1] = top;
    }
    DiscardPile[0] = DiscardTop;
    StockPos = 1;
}

// Sorts keys lo..hi in place. Any correct sort leaves the same array behind (the keys are
// plain integers), so the library's sort serves: it is several times quicker on these short
// ranges than the recursive quicksort the orderings were first written with.
void Engine::QuickSortKeys(SortKeyArray& keys, int lo, int hi) {
    lo = std::max(lo, 0);
    hi = std::min(hi, static_cast<int>(keys.size()) - 1);
    if (lo >= hi)
        return;
    std::sort(keys.begin() + lo, keys.begin() + hi + 1);
}

void Engine::LayOnDiscardPile(int card) {
    if (DiscardTop >= kLastCode)
        return;
    DiscardTop = std::max<int>(DiscardTop, 0) + 1;
    DiscardPile[0] = DiscardTop;
    DiscardPile[DiscardTop] = card;
}

// The first card of a round: a joker never starts the pile, and the last round's pile must not
// linger under it.
void Engine::TurnUpFirstDiscard() {
    int card = StockPos >= 1 && StockPos <= kLastCode ? StockPile[StockPos] : 0;
    StockPos += 1;
    if (IsJoker(card))
        card = SwapOutJoker(card);
    DiscardPile.fill(0);
    DiscardPile[1] = card;
    DiscardTop = 1;
    DiscardPile[0] = 1;
}

void Engine::TakeFromSlot(int seat, int slot) {
    if (!IsSeat(seat) || slot < 1 || slot > kHandSlots)
        return;
    Hand& hand = Hands[seat];
    hand.slot[slot] = 0;
    hand.count -= 1;
}

// The card leaves by its code: after a reorder its slot number may have changed. The gap
// closes at the next ordered redraw.
void Engine::TakeFromHand(int seat, int card) {
    if (!IsSeat(seat))
        return;
    Hand& hand = Hands[seat];
    for (int k = 1; k <= kHandLimit; ++k) {
        if (hand.slot[k] == card) {
            hand.slot[k] = 0;
            break;
        }
    }
    int held = 0;
    for (size_t k = 1; k < hand.slot.size(); ++k)
        held += hand.slot[k] > 0 ? 1 : 0;
    hand.count = held;
}
