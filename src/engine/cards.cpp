// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes: what a code means, and the small questions the rules ask of a card.
#include "engine/engine.h"

// DecodeCard and the questions built on it are inline in engine.h.

std::string CutName(const std::string& text, int maxBytes) {
    if (static_cast<int>(text.size()) <= maxBytes)
        return text;
    int end = maxBytes;
    // Step back over UTF-8 continuation bytes so the cut falls between characters.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

namespace {

constexpr std::array<const char*, 14> kRankNames = {
    "ace",   "two",  "three", "four", "five",  "six",  "seven",
    "eight", "nine", "ten",   "jack", "queen", "king", "joker",
};
constexpr std::array<const char*, 4> kSuitNames = {"diamonds", "clubs", "hearts", "spades"};

} // namespace

std::string Engine::CardName(int code) {
    const DecodedCard decoded = DecodeCard(code);
    if (!decoded.valid)
        return {};
    if (decoded.RankIndex == 13)
        return "joker";
    return std::string(kRankNames[decoded.RankIndex]) + " of " + kSuitNames[decoded.SuitIndex];
}

std::string Engine::SuitName(int suit) {
    return suit >= 0 && suit < 4 ? kSuitNames[suit] : "";
}
