// SPDX-License-Identifier: GPL-3.0-or-later
// A simple player for the human's seat that drives the turn flow through the window's own
// handlers only: DEAL, presses on hand slots and on the stock, and CLOSE under the score grid.
// The simulator and the flow tests use it to play whole games and check the table after every
// event.
#pragma once

#include <optional>
#include <string>

#include "engine/engine.h"
#include "table/flow/turn_flow.h"

struct SelfPlayStats {
    int Games = 0;
    int Rounds = 0;
    int Events = 0;
    int HumanCards = 0; // left presses that played a card or a chain
    int Chains = 0;     // chains of two or more cards played
    int Draws = 0;
    int Passes = 0;
    int RefusedPresses = 0; // presses the rules ignored, made on purpose
    int HumanWins = 0;
    int Stalls = 0; // games cut off by the event limit
};

// Slots of seat 1's first playable jack and the first card that may follow it, in slot order;
// nothing when the hand holds no such pair.
struct TwoCardChain {
    int jack = 0;
    int follower = 0;
};
std::optional<TwoCardChain> FindTwoCardChain(const Engine& engine);

// Everything that must hold between two events; an empty text when it all does.
std::string CheckTableInvariants(const Engine& engine, const TurnFlow& flow);

class SelfPlayer {
  public:
    SelfPlayer(Engine& engine, TurnFlow& flow) : E(engine), Flow(flow) {}

    // Makes one event; false once the game is over (nothing is left to press).
    bool Step();

    // What the last event was, for a failure message.
    const std::string& LastEvent() const { return Last; }

    SelfPlayStats Stats;

  private:
    void HumanTurn();
    bool TryChain();
    int RandomLegalSlot();
    void Press(int slot, MouseButton button, const char* what);

    Engine& E;
    TurnFlow& Flow;
    std::string Last;
};
