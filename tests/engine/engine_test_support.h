// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers that build card codes, hands and piles for the engine tests.
#pragma once

#include "engine/engine.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace test_cards {

constexpr int kDiamonds = 0;
constexpr int kClubs = 1;
constexpr int kHearts = 2;
constexpr int kSpades = 3;

constexpr int kAce = 0;
constexpr int kTwo = 1;
constexpr int kJack = 10;
constexpr int kQueen = 11;
constexpr int kKing = 12;

// rank 0 ace .. 12 king; face value n is rank n - 1. deck 1 is the second deck.
constexpr int Card(int rank, int suit, int deck = 0) {
    return deck * 52 + suit * 13 + rank + 1;
}
constexpr int Face(int value, int suit) {
    return Card(value - 1, suit);
}
constexpr int kJoker = 105;

inline void SetHand(Engine& e, int seat, std::initializer_list<int> cards) {
    e.Hands[seat] = Hand{};
    for (int c : cards)
        e.Hands[seat].slot[++e.Hands[seat].count] = c;
}

inline std::vector<int> HandCards(const Engine& e, int seat) {
    const Hand& h = e.Hands[seat];
    return std::vector<int>(h.slot.begin() + 1, h.slot.begin() + 1 + h.count);
}

inline void SetDiscard(Engine& e, std::initializer_list<int> cards) {
    e.DiscardPile.fill(0);
    e.DiscardTop = 0;
    for (int c : cards)
        e.LayOnDiscardPile(c);
}

inline void SetStock(Engine& e, std::initializer_list<int> cards) {
    e.StockPile.fill(0);
    int n = 0;
    for (int c : cards)
        e.StockPile[++n] = c;
    e.StockPile[0] = n;
    e.StockPos = 1;
}

// Every card the round knows about: hands, the undrawn stock and the discard pile, sorted.
inline std::vector<int> CardsInPlay(const Engine& e) {
    std::vector<int> cards;
    for (int seat = 1; seat <= e.PlayerCount; ++seat) {
        const auto hand = HandCards(e, seat);
        cards.insert(cards.end(), hand.begin(), hand.end());
    }
    for (int p = std::max(e.StockPos, 1); p <= e.StockPile[0]; ++p)
        cards.push_back(e.StockPile[p]);
    for (int p = 1; p <= e.DiscardTop; ++p)
        cards.push_back(e.DiscardPile[p]);
    std::sort(cards.begin(), cards.end());
    return cards;
}

inline std::vector<int> WholePack() {
    std::vector<int> pack(108);
    for (int i = 0; i < 108; ++i)
        pack[i] = i + 1;
    return pack;
}

} // namespace test_cards
