// SPDX-License-Identifier: GPL-3.0-or-later
// Bounds shared by the engine's source files: state that arrives from saved games, the
// options panel or tests may hold any value, and no such value may index past an array.
#pragma once

#include "engine/engine.h"

#include <algorithm>

namespace engine_limits {

constexpr int kMaxSeats = 5;
constexpr int kLastCode = 108;
constexpr int kHandSlots = 52;

// Seats 1..SeatsInPlay() are the ones in use; never more than the hand records.
inline int SeatsInPlay(const Engine& e) {
    return std::clamp<int>(e.PlayerCount, 0, kMaxSeats);
}

inline bool IsSeat(int seat) {
    return seat >= 1 && seat <= kMaxSeats;
}

// A hand's count as far as the slots can hold it.
inline int UsableCount(const Hand& hand) {
    return std::clamp<int>(hand.count, 0, kHandSlots);
}

} // namespace engine_limits
