// Round scoring, the winner, the rating of a finished game and the short status texts.
#include "engine/engine.h"

#include <cstdint>

int Engine::FindLeader() const {
    // Scanning downwards with a strict test gives a tie to the higher seat. The start value
    // only has to beat any real sum; seat PlayerCount is the fallback so a seat is always named.
    int64_t best = INT64_MAX;
    int leader = 0;
    for (int seat = PlayerCount; seat >= 1; --seat) {
        int64_t sum = 0;
        for (int round = 1; round <= 10; ++round) sum += ScoreTable[seat][round];
        if (sum < best) {
            leader = seat;
            best = sum;
        }
    }
    return leader;
}
