// SPDX-License-Identifier: GPL-3.0-or-later
// Round scoring, the winner, the rating of a finished game and the short status texts.
#include "engine/engine.h"
#include "engine/seat_limits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

using namespace engine_limits;

namespace {

constexpr int kJokerRank = 13;
constexpr int kTotal = 11; // ScoreTable entry holding a seat's total
constexpr const char* kLineBreak = "\r\n";

int64_t SumOfRounds(const std::array<int32_t, 12>& row) {
    int64_t sum = 0;
    for (int round = 1; round <= 10; ++round)
        sum += row[round];
    return sum;
}

// High ratings grow more slowly, and how slowly depends on the target of the game.
double CompressRating(double r, int playUntil) {
    switch (playUntil) {
    case 100:
        // The test is against 200 while the curve pivots on 250; ratings have always been so.
        return r > 200 ? (r - 250) / 5 + 250 : r;
    case 200:
        return r > 350 ? (r - 350) / 5 + 350 : r;
    case 300:
        return r > 500 ? (r - 500) / 4 + 500 : r;
    case 350:
        return r > 600 ? (r - 600) / 3.5 + 600 : r;
    case 400:
        return r > 700 ? (r - 700) / 3 + 700 : r;
    default:
        return r;
    }
}

int TruncateToInt(double r) {
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int>(r);
}

} // namespace

void Engine::ScoreRound() {
    const int t = DecodeCard(TopDiscard()).RankIndex;
    const int seats = SeatsInPlay(*this);
    for (int seat = 1; seat <= seats; ++seat) {
        const Hand& hand = Hands[seat];
        int32_t sum = 0;
        const int count = UsableCount(hand);
        for (int slot = 1; slot <= count; ++slot) {
            const DecodedCard d = DecodeCard(hand.slot[slot]);
            if (!d.valid)
                continue;
            sum += d.CardPoints;
            // Cards matching the final discard count twice; a final joker doubles everything.
            if (d.RankIndex == t || t == kJokerRank)
                sum += d.CardPoints;
        }
        if (RoundNo >= 1 && RoundNo <= 10)
            ScoreTable[seat][RoundNo] = sum;
    }
    for (int seat = 1; seat <= seats; ++seat) {
        const int64_t total = SumOfRounds(ScoreTable[seat]);
        ScoreTable[seat][kTotal] = static_cast<int32_t>(total);
        if (total >= PlayUntil)
            GameOver = true;
    }
}

int Engine::FindLeader() const {
    // Scanning downwards with a strict test gives a tie to the higher seat. The start value
    // only has to beat any real sum; seat PlayerCount is the fallback so a seat is always named.
    int64_t best = INT64_MAX;
    int leader = 0;
    for (int seat = SeatsInPlay(*this); seat >= 1; --seat) {
        const int64_t sum = SumOfRounds(ScoreTable[seat]);
        if (sum < best) {
            leader = seat;
            best = sum;
        }
    }
    return leader;
}

int Engine::GameRating() const {
    const int seats = SeatsInPlay(*this);
    double sumOfTotals = 0;
    for (int seat = 1; seat <= seats; ++seat)
        sumOfTotals += ScoreTable[seat][kTotal];
    const int leader = FindLeader();
    const double winnerTotal = leader >= 1 ? ScoreTable[leader][kTotal] : 0;
    const double r = static_cast<double>(PlayUntil) * sumOfTotals / (winnerTotal + 7) / 4;
    return TruncateToInt(CompressRating(r, PlayUntil));
}

void Engine::GameText(int code, std::string& text) {
    switch (code) {
    case 1:
        text = "Reshuffling Cards";
        break;
    case 2:
        text = "GAME OVER";
        break;
    case 3:
        text = "Winner: ";
        break;
    case 4:
        text = "SCORES";
        break;
    default:
        break;
    }
}

// Built in one small buffer: the score grid asks for seventy of these after every round.
std::string Engine::PadScore(int n) {
    const int spaces = n <= 9 ? 3 : n <= 99 ? 2 : n <= 999 ? 1 : 0;
    std::array<char, 16> text;
    std::fill_n(text.begin(), spaces, ' ');
    const auto end = std::to_chars(text.data() + spaces, text.data() + text.size(), n).ptr;
    return std::string(text.data(), end);
}

namespace {

// Written over the old text in one pass, so that the many draws of a round reuse its room.
void WriteDrawText(std::string& text, std::string_view name, int n) {
    std::array<char, 16> digits;
    const std::string_view count(digits.data(), std::to_chars(digits.begin(), digits.end(), n).ptr -
                                                    digits.data());
    const std::array<std::string_view, 6> parts = {
        name, kLineBreak, "Draws", kLineBreak, count, n > 1 ? " Cards" : " Card"};
    size_t length = 0;
    for (const std::string_view part : parts)
        length += part.size();
    text.resize(length);
    char* out = text.data();
    for (const std::string_view part : parts)
        for (const char c : part) // a few bytes each: cheaper than a call to memcpy
            *out++ = c;
}

} // namespace

void Engine::MakeDrawText(int n, int seat) {
    WriteDrawText(SeatStatusText, IsSeat(seat) ? std::string_view(PlayerNames[seat]) : "", n);
    WriteDrawText(HumanStatusText, PlayerNames[1], n);
}

void Engine::MakePassText(int seat) {
    const std::string name = IsSeat(seat) ? PlayerNames[seat] : std::string();
    SeatStatusText = name + kLineBreak + "Passes";
}
