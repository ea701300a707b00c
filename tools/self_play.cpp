// SPDX-License-Identifier: GPL-3.0-or-later
#include "self_play.h"

#include <array>
#include <vector>

namespace {

std::string Describe(const char* what, int slot, int card) {
    return std::string(what) + " slot " + std::to_string(slot) + " card " + std::to_string(card);
}

} // namespace

std::string CheckTableInvariants(const Engine& e, const TurnFlow& flow) {
    if (!e.RoundActive)
        return "";
    std::array<int, 109> seen{};
    for (int seat = 1; seat <= e.PlayerCount; ++seat) {
        const Hand& hand = e.Hands[seat];
        if (hand.count < 0 || hand.count > kHandLimit)
            return "seat " + std::to_string(seat) + " holds " + std::to_string(hand.count);
        int held = 0;
        for (int k = 1; k <= 52; ++k) {
            if (hand.slot[k] == 0)
                continue;
            ++held;
            if (hand.slot[k] < 1 || hand.slot[k] > 108)
                return "bad code in a hand";
            ++seen[hand.slot[k]];
        }
        if (held != hand.count)
            return "seat " + std::to_string(seat) + " count differs from its cards";
    }
    for (int p = std::max<int>(e.StockPos, 1); p <= e.StockPile[0] && p <= 108; ++p)
        if (e.StockPile[p] >= 1 && e.StockPile[p] <= 108)
            ++seen[e.StockPile[p]];
    for (int p = 1; p <= e.DiscardTop && p <= 108; ++p)
        if (e.DiscardPile[p] >= 1 && e.DiscardPile[p] <= 108)
            ++seen[e.DiscardPile[p]];
    for (int code = 1; code <= 108; ++code) {
        if (seen[code] != 1)
            return "card " + std::to_string(code) + " found " + std::to_string(seen[code]) +
                   " times";
    }
    if (e.GameOver && !flow.ScoreGridUp())
        return "";
    if (flow.ScoreGridUp()) {
        if (!e.RoundOver && !e.AllHandsFull() && !e.GameOver)
            return "score grid up while the round runs";
    } else if (e.CurrentPlayer != 1 || e.RoundOver) {
        return "turn left with seat " + std::to_string(e.CurrentPlayer) + " outside a round end";
    }
    return "";
}

bool SelfPlayer::Step() {
    if (E.GameOver && !Flow.ScoreGridUp())
        return false;
    ++Stats.Events;
    if (Flow.ScoreGridUp()) {
        Last = "close";
        Flow.Image37Click();
        if (E.GameOver || E.RoundNo > 10)
            ++Stats.Games;
        return true;
    }
    if (!E.RoundActive) {
        Last = "deal";
        ++Stats.Rounds;
        Flow.ImageDealClick();
        return true;
    }
    HumanTurn();
    return true;
}

void SelfPlayer::Press(int slot, MouseButton button, const char* what) {
    Last = Describe(what, slot, E.Hands[1].slot[slot]);
    Flow.HandSlotMouseDown(slot, button);
}

int SelfPlayer::RandomLegalSlot() {
    std::vector<int> legal;
    for (int k = 1; k <= E.Hands[1].count && k <= kHandLimit; ++k)
        if (E.IsLegalPlay(E.Hands[1].slot[k], 0, true))
            legal.push_back(k);
    if (legal.empty())
        return 0;
    return legal[E.Random(static_cast<int>(legal.size()))];
}

// Picks a playable jack and one card that may follow it, selects both with the right button,
// sometimes changes its mind about the tail, and plays the chain with a left press anywhere.
bool SelfPlayer::TryChain() {
    const std::optional<TwoCardChain> chain = FindTwoCardChain(E);
    if (!chain)
        return false;
    const int count = std::min(E.Hands[1].count, kHandLimit);
    Press(chain->jack, MouseButton::Right, "select");
    Press(chain->follower, MouseButton::Right, "select");
    if (E.Random(4) == 0) {
        Press(chain->follower, MouseButton::Right, "deselect");
        Press(chain->follower, MouseButton::Right, "select");
    }
    Press(1 + E.Random(count), MouseButton::Left, "play chain at");
    ++Stats.HumanCards;
    ++Stats.Chains;
    return true;
}

std::optional<TwoCardChain> FindTwoCardChain(const Engine& engine) {
    const Hand& hand = engine.Hands[1];
    const int count = std::min(hand.count, kHandLimit);
    for (int j = 1; j <= count; ++j) {
        const int jack = hand.slot[j];
        if (!Engine::IsJack(jack) || !engine.IsLegalPlay(jack, 0, true))
            continue;
        for (int f = 1; f <= count; ++f) {
            if (f != j && engine.IsLegalPlay(hand.slot[f], jack, false))
                return TwoCardChain{j, f};
        }
    }
    return std::nullopt;
}

void SelfPlayer::HumanTurn() {
    const Hand& hand = E.Hands[1];
    if (E.Random(12) == 0 && hand.count > 0) {
        // A press the rules should ignore: it must change nothing.
        const int slot = 1 + E.Random(std::min(hand.count, kHandLimit));
        if (!E.IsLegalPlay(hand.slot[slot], 0, true)) {
            ++Stats.RefusedPresses;
            Press(slot, MouseButton::Left, "illegal");
            return;
        }
    }
    if (E.Random(3) == 0 && TryChain())
        return;
    const int slot = RandomLegalSlot();
    if (slot > 0 && E.Random(8) != 0) {
        ++Stats.HumanCards;
        Press(slot, MouseButton::Left, "play");
        return;
    }
    if (hand.count >= kHandLimit)
        ++Stats.Passes;
    else
        ++Stats.Draws;
    Last = "stock";
    Flow.Image53MouseDown(MouseButton::Left);
}
