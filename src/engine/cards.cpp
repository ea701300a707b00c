// Card codes: what a code means, and the small questions the rules ask of a card.
#include "engine/engine.h"

namespace {

constexpr int kFirstJoker = 105;
constexpr int kLastCode = 108;

int PointsOfRank(int rank) {
    if (rank == 0) return 11;  // ace
    if (rank <= 8) return rank + 1;
    if (rank <= 12) return 10;
    return 50;  // joker
}

}  // namespace

DecodedCard Engine::DecodeCard(int code) {
    DecodedCard d;
    if (code < 1 || code > kLastCode) return d;
    d.valid = true;
    if (code >= kFirstJoker) {
        d.RankIndex = 13;
        d.SuitIndex = code - kFirstJoker;
        d.MatchSuit = 4;
    } else {
        d.RankIndex = (code - 1) % 13;
        d.SuitIndex = ((code - 1) % 52) / 13;
        d.MatchSuit = d.SuitIndex;
    }
    d.CardPoints = PointsOfRank(d.RankIndex);
    return d;
}

bool Engine::IsJoker(int code) { return code > 104; }
bool Engine::IsJack(int code) { return DecodeCard(code).RankIndex == 10; }
bool Engine::IsTwo(int code) { return DecodeCard(code).RankIndex == 1; }
bool Engine::IsKing(int code) { return DecodeCard(code).RankIndex == 12; }
bool Engine::IsAce(int code) { return DecodeCard(code).RankIndex == 0; }
int Engine::MatchSuitOf(int code) { return DecodeCard(code).MatchSuit; }

std::string CutName(const std::string& text, int maxBytes) {
    if (static_cast<int>(text.size()) <= maxBytes) return text;
    int end = maxBytes;
    // Step back over UTF-8 continuation bytes so the cut falls between characters.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}
