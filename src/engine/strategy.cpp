// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer seat plays: the order it puts its hand in, the card it lays, the two it answers
// with, the suit it names after a joker and the cards it adds after a jack. Also the two orders
// in which a hand is shown.
#include "engine/engine.h"
#include "engine/seat_limits.h"

#include <algorithm>

using namespace engine_limits;

namespace {

constexpr int kTwo = 1;
constexpr int kJack = 10;
constexpr int kQueen = 11;
constexpr int kJokerRank = 13;

// The keys of one ordering, in the slot order of the cards they were made for.
struct CollectedKeys {
    std::array<int32_t, kHandSlots> key;
    int count = 0;
    int scanned = 0; // slots 1..scanned were looked at
};

// Scans the hand's slots 1..count + 10 (so a card left behind a gap is still found) and makes
// a key for every valid card in slot order.
template <typename KeyOf> CollectedKeys CollectKeys(const Hand& hand, const KeyOf& keyOf) {
    CollectedKeys keys;
    keys.scanned = std::min(UsableCount(hand) + 10, kHandSlots);
    for (int slot = 1; slot <= keys.scanned; ++slot) {
        const int code = hand.slot[slot];
        const DecodedCard d = Engine::DecodeCard(code);
        if (d.valid)
            keys.key[keys.count++] = keyOf(code, d);
    }
    return keys;
}

// Deals the codes back into the hand in ascending key order. The scratch SortKeys is left as
// the orderings have always left it: entries 1..last sorted, the empty keys of the range first
// and the card keys after them, so only the card keys at its end need sorting.
void WriteBackInKeyOrder(Hand& hand, SortKeyArray& scratch, const CollectedKeys& keys) {
    const int last = std::max(keys.scanned, keys.count + 1);
    const int first = last - keys.count + 1;
    scratch.fill(0);
    std::copy_n(keys.key.begin(), keys.count, scratch.begin() + first);
    Engine::QuickSortKeys(scratch, first, last);

    const int count = UsableCount(hand);
    hand.slot.fill(0);
    int placed = 0;
    for (int i = first; i <= last && placed < count; ++i) {
        if (scratch[i] > 999)
            hand.slot[++placed] = scratch[i] % 1000;
    }
    hand.count = placed;
}

// Cards of each match suit (jokers at 4) in all 52 slots. The hand's cards stand in its first
// slots; the rest is checked in one cheap pass and only a stray card past them is decoded.
std::array<int, 5> CountSuits(const Hand& hand) {
    std::array<int, 5> suitCount{};
    const int front = std::min(UsableCount(hand) + 10, kHandSlots);
    auto count = [&](int first, int last) {
        for (int slot = first; slot <= last; ++slot) {
            const DecodedCard d = Engine::DecodeCard(hand.slot[slot]);
            if (d.valid)
                ++suitCount[d.MatchSuit];
        }
    };
    count(1, front);
    static constexpr std::array<int32_t, kHandSlots + 1> kEmptySlots{};
    if (!std::equal(hand.slot.begin() + front + 1, hand.slot.end(), kEmptySlots.begin()))
        count(front + 1, kHandSlots);
    return suitCount;
}

} // namespace

// Flattened into one loop over the hand, priority tables included: every computer turn
// orders the hand before and after it plays.
[[gnu::flatten]] void Engine::OrderComputerHand(int seat) {
    if (!IsSeat(seat))
        return;
    Hand& hand = Hands[seat];
    const std::array<int, 5> suitCount = CountSuits(hand);

    // The seat whose turn it is picks the table and the smallest hand, even while the deal is
    // shown and another seat's hand is being ordered.
    const int parity = ((StrategySeed + CurrentPlayer) % 2 + 2) % 2;
    int m = kHandSlots;
    const int seats = SeatsInPlay(*this);
    for (int i = 1; i <= seats; ++i) {
        if (parity == 1 || i != CurrentPlayer)
            m = std::min<int>(m, Hands[i].count);
    }

    const CollectedKeys keys = CollectKeys(hand, [&](int code, const DecodedCard& d) {
        const int p = parity == 0 ? PriorityTableA(m, d.RankIndex, d.CardPoints)
                                  : PriorityTableB(m, d.RankIndex, d.CardPoints);
        // Longer suits first, then higher priority; 32 - p stays below 50 for every priority.
        return ((52 - suitCount[d.MatchSuit]) * 50 + (32 - p)) * 1000 + code;
    });
    WriteBackInKeyOrder(hand, SortKeys, keys);
}

int Engine::PriorityTableA(int m, int rank, int points) {
    int p = points;
    if (p > 12) { // a joker: dumped the sooner, the nearer an opponent is to going out
        if (m <= 2)
            p = 12 + Random(5);
        else if (m == 3)
            p = 11 + Random(5);
        else if (m == 4)
            p = 9 + Random(5);
        else if (m == 5)
            p = 6 + Random(5);
        else if (m == 6)
            p = 4 + Random(5);
        else if (m == 7)
            p = 2 + Random(4);
        else
            p = 1 + Random(3);
    }
    if (m < 4 && rank == kTwo)
        p = 8 + Random(5);
    if (rank == 0)
        p = 12;
    if (rank == kJack)
        p = 11;
    // A queen frees the next seat, so it is held back while someone is close to going out.
    if (m >= 1 && m <= 4 && rank == kQueen)
        p = 2 * m - 1 + Random(2);
    return p;
}

int Engine::PriorityTableB(int m, int rank, int points) {
    int p = points;
    if (p > 12) {
        if (m <= 3)
            p = 19;
        else if (m == 4)
            p = 10;
        else if (m == 5)
            p = 6 + Random(3);
        else if (m == 6)
            p = 4 + Random(3);
        else if (m <= 8)
            p = 2 + Random(3);
        else
            p = 1;
    }
    if (rank == kTwo)
        p = 4 + Random(5);
    if (rank == 0)
        p = 12;
    if (rank == kJack)
        p = 11;
    if (m <= 4 && rank == kQueen)
        p = 2 * m - 1;
    return p;
}

int Engine::PlayFirstLegalCard() {
    if (!IsSeat(CurrentPlayer))
        return 0;
    Hand& hand = Hands[CurrentPlayer];
    const PlayTarget target = LegalPlayTarget(0, true);
    for (int slot = 1; slot <= 20; ++slot) {
        const int c = hand.slot[slot];
        if (c > 0 && FitsPlayTarget(target, c)) {
            hand.slot[slot] = 0;
            --hand.count;
            LayOnDiscardPile(c);
            OrderComputerHand(CurrentPlayer);
            return c;
        }
    }
    return 0;
}

AnsweringTwo Engine::ChooseAnsweringTwo(int seat) const {
    AnsweringTwo answer;
    if (!IsSeat(seat))
        return answer;
    const Hand& hand = Hands[seat];
    std::array<int, 4> counts{};
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const int code = hand.slot[slot];
        const int suit = MatchSuitOf(code);
        if (suit >= 0 && suit <= 3)
            ++counts[suit];
        if (IsTwo(code))
            answer = {true, code, slot};
    }
    if (!answer.found)
        return answer;

    // The two of the longest suit goes, keeping the suit the seat can follow best.
    std::array<bool, 4> ranked{};
    for (int round = 0; round < 3; ++round) {
        int best = -1;
        for (int s = 0; s < 4; ++s) {
            if (!ranked[s] && counts[s] > 0 && (best < 0 || counts[s] > counts[best]))
                best = s;
        }
        if (best < 0)
            break;
        ranked[best] = true;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const int code = hand.slot[slot];
            if (IsTwo(code) && MatchSuitOf(code) == best)
                return {true, code, slot};
        }
    }
    return answer;
}

int Engine::ChooseSuit(int seat) {
    SuitWeights.fill(0);
    int result = Random(4);
    if (!IsSeat(seat) || Hands[seat].count < 1)
        return result;

    const Hand& hand = Hands[seat];
    const int count = UsableCount(hand);
    for (int slot = 1; slot <= count; ++slot) {
        const DecodedCard d = DecodeCard(hand.slot[slot]);
        if (!d.valid)
            continue;
        int w = 1;
        if (d.RankIndex == 0)
            w = Random(10) == 0 ? 3 : 2;
        if (d.RankIndex > 8)
            w = 2;
        if (d.RankIndex == kQueen)
            w = Random(10) == 0 ? 2 : 1;
        // A joker weighs for the suit of its picture.
        SuitWeights[d.SuitIndex] += w;
    }

    int best = 0;
    for (int s = 0; s < 4; ++s) {
        if (SuitWeights[s] > best) {
            result = s;
            best = SuitWeights[s];
        } else if (Random(10) > 4 && SuitWeights[s] == best) {
            result = s;
        }
    }
    return result;
}

void Engine::PlayJackFollowUps(int seat, PlayList& list) {
    list.fill(0);
    if (!IsSeat(seat) || Hands[seat].count < 1)
        return;
    Hand& hand = Hands[seat];

    for (int round = 0; round < 4; ++round) {
        int jackSlot = 0;
        for (int slot = UsableCount(hand); slot >= 1 && jackSlot == 0; --slot) {
            if (IsJack(hand.slot[slot]))
                jackSlot = slot;
        }
        if (jackSlot == 0)
            break;
        PlayFromSlot(seat, jackSlot, list);
    }

    if (hand.count < 1)
        return;
    const int jackSuit = MatchSuitOf(TopDiscard());
    const int count = UsableCount(hand);
    for (int slot = 1; slot <= count; ++slot) {
        const int code = hand.slot[slot];
        if (!IsJack(code) && IsLegalPlay(code, 0, true) && MatchSuitOf(code) == jackSuit) {
            PlayFromSlot(seat, slot, list);
            return;
        }
    }
}

void Engine::PlayFromSlot(int seat, int slot, PlayList& list) {
    if (!IsSeat(seat) || slot < 1 || slot > kHandSlots)
        return;
    Hand& hand = Hands[seat];
    const int card = hand.slot[slot];
    if (card == 0)
        return;
    LayOnDiscardPile(card);
    if (list[0] >= 0 && list[0] < static_cast<int>(list.size()) - 1) {
        ++list[0];
        list[list[0]] = card;
    }
    hand.slot[slot] = 0;
    --hand.count;
    OrderComputerHand(seat);
}

void Engine::OrderHandBySuit(int seat) {
    if (!IsSeat(seat))
        return;
    Hand& hand = Hands[seat];
    const CollectedKeys keys = CollectKeys(hand, [](int code, const DecodedCard& d) {
        return ((d.MatchSuit + 1) * 200 + d.RankIndex + 1) * 1000 + code;
    });
    WriteBackInKeyOrder(hand, SortKeys, keys);
}

void Engine::OrderHandByPoints(int seat) {
    if (!IsSeat(seat))
        return;
    Hand& hand = Hands[seat];
    const CollectedKeys keys = CollectKeys(hand, [](int code, const DecodedCard& d) {
        // Aces rank above kings here, jokers above both.
        int r = d.RankIndex;
        if (r == 0)
            r = 13;
        else if (r == kJokerRank)
            r = 14;
        return ((d.MatchSuit + 1) * 200 + r) * 1000 + code;
    });
    WriteBackInKeyOrder(hand, SortKeys, keys);
}
