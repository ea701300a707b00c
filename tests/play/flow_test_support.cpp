// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow_test_support.h"

#include <algorithm>

namespace flowtest {

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool WordMatches(const std::string& want, const std::string& got) {
    if (want == "*" || want == got)
        return true;
    const size_t dots = want.find("..");
    if (dots == std::string::npos || dots == 0)
        return false;
    try {
        const int low = std::stoi(want.substr(0, dots));
        const int high = std::stoi(want.substr(dots + 2));
        const int value = std::stoi(got);
        return value >= low && value <= high;
    } catch (...) {
        return false;
    }
}

bool EntryMatches(const std::string& want, const std::string& got) {
    const auto w = Words(want);
    const auto g = Words(got);
    if (w.size() != g.size())
        return false;
    for (size_t i = 0; i < w.size(); ++i)
        if (!WordMatches(w[i], g[i]))
            return false;
    return true;
}

} // namespace

::testing::AssertionResult Follows(const Timeline& timeline, size_t from,
                                   const std::vector<std::string>& expected) {
    for (size_t i = 0; i < expected.size(); ++i) {
        if (from + i >= timeline.size())
            return ::testing::AssertionFailure()
                   << "timeline ends before \"" << expected[i] << "\"";
        if (!EntryMatches(expected[i], timeline[from + i]))
            return ::testing::AssertionFailure()
                   << "entry " << from + i << " is \"" << timeline[from + i] << "\", expected \""
                   << expected[i] << "\"";
    }
    return ::testing::AssertionSuccess();
}

Timeline Only(const Timeline& timeline, const std::vector<std::string>& prefixes, size_t from) {
    Timeline picked;
    for (size_t i = from; i < timeline.size(); ++i) {
        for (const auto& prefix : prefixes) {
            if (timeline[i].rfind(prefix, 0) == 0) {
                picked.push_back(timeline[i]);
                break;
            }
        }
    }
    return picked;
}

size_t Find(const Timeline& timeline, const std::string& prefix, size_t from) {
    for (size_t i = from; i < timeline.size(); ++i)
        if (timeline[i].rfind(prefix, 0) == 0)
            return i;
    return std::string::npos;
}

std::vector<std::string> FlightOf(int card, int seat, int slot) {
    std::vector<std::string> steps = {"Fly " + Str(card) + " " + Str(seat) + " " + Str(slot)};
    for (int i = 1; i <= 6; ++i) {
        steps.push_back("FlyStep " + Str(i) + " *");
        steps.push_back("Pause 30");
    }
    steps.push_back("FlyEnd");
    return steps;
}

std::vector<std::string> Join(const std::vector<std::vector<std::string>>& parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

FlowTable::FlowTable(int players) {
    E.EngineStartUp(StartUpFiles{});
    E.SeedRandom(11);
    E.PlayerCount = players;
    E.LeadSeat = 1;
    E.LogEnabled = true;
    E.ResetHandCardPositions();
    E.PlaceSeats();
    View.AskToClose = [this] { Flow.AskToClose(); };
}

void FlowTable::Lay(const std::vector<std::vector<int>>& hands, const std::vector<int>& stock,
                    const std::vector<int>& discards) {
    E.ClearHands();
    for (size_t seat = 1; seat <= hands.size(); ++seat) {
        Hand& hand = E.Hands[seat];
        for (int card : hands[seat - 1])
            hand.slot[++hand.count] = card;
    }
    E.OrderHandBySuit(1);
    E.StockPile.fill(0);
    E.StockPile[0] = static_cast<int>(stock.size());
    std::copy(stock.begin(), stock.end(), E.StockPile.begin() + 1);
    E.StockPos = 1;
    E.DiscardPile.fill(0);
    E.DiscardTop = 0;
    for (int card : discards)
        E.LayOnDiscardPile(card);
    E.ActiveSuit = Engine::MatchSuitOf(E.TopDiscard());
    E.CurrentPlayer = 1;
    E.Direction = 1;
    E.RoundActive = true;
    E.RoundOver = false;
    E.InputEnabled = true;
    E.TwoPenalty = 2;
}

int FlowTable::SlotOf(int card) const {
    for (int k = 1; k <= 19; ++k)
        if (E.Hands[1].slot[k] == card)
            return k;
    return 0;
}

std::vector<int> FlowTable::HumanCards() const {
    const Hand& hand = E.Hands[1];
    return std::vector<int>(hand.slot.begin() + 1, hand.slot.begin() + 1 + hand.count);
}

void FlowTable::Press(int card, MouseButton button) {
    const int slot = SlotOf(card);
    ASSERT_GT(slot, 0) << "card " << card << " is not in the human's hand";
    Flow.HandSlotMouseDown(slot, button);
}

} // namespace flowtest
