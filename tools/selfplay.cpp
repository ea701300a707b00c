// Plays seeded games headless through the real turn flow with a table that shows nothing,
// checks the table after every event and prints what happened. Usage:
//   quelvane_selfplay [--games N] [--seed S] [--players 3|4|5] [--twos on|off]
// Without --players and --twos the games cycle through every table size and both twos rules.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "self_play.h"
#include "table/flow/silent_view.h"

namespace {

struct Options {
    int Games = 30;
    unsigned Seed = 1;
    int Players = 0; // 0: cycle 3, 4, 5
    int Twos = -1;   // -1: alternate
};

constexpr int kEventLimit = 50000;

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--games")
            options.Games = std::atoi(value.c_str());
        else if (name == "--seed")
            options.Seed = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
        else if (name == "--players")
            options.Players = std::atoi(value.c_str());
        else if (name == "--twos")
            options.Twos = value == "on" ? 1 : 0;
        else
            return false;
    }
    return argc % 2 == 1 && options.Games > 0 &&
           (options.Players == 0 || (options.Players >= 3 && options.Players <= 5));
}

void SetUpGame(Engine& e, const Options& options, int game) {
    e.EngineStartUp(StartUpFiles{});
    e.SeedRandom(options.Seed + static_cast<unsigned>(game));
    e.PlayerCount = options.Players != 0 ? options.Players : 3 + game % 3;
    e.ProgressiveTwos = options.Twos >= 0 ? options.Twos == 1 : (game / 3) % 2 == 1;
    e.StrategySeed = e.Random(6);
    e.LeadSeat = 1;
    e.FirstDealPending = true;
    e.ResetHandCardPositions();
}

// Plays one game; false when the table broke a rule it must keep.
bool PlayGame(const Options& options, int game, SelfPlayStats& total) {
    Engine e;
    SetUpGame(e, options, game);
    SilentView view;
    view.DealSize = 4 + game % 4;
    view.ChooseSuit = [&e] { return e.Random(4); };
    NoStorage storage;
    TurnFlow flow(e, view, storage);
    SelfPlayer player(e, flow);
    while (player.Step()) {
        const std::string broken = CheckTableInvariants(e, flow);
        if (!broken.empty()) {
            std::printf("game %d (seed %u): %s after %s\n", game, options.Seed + game,
                        broken.c_str(), player.LastEvent().c_str());
            return false;
        }
        if (player.Stats.Events >= kEventLimit) {
            ++player.Stats.Stalls;
            break;
        }
    }
    const SelfPlayStats& s = player.Stats;
    total.Games += s.Games;
    total.Rounds += s.Rounds;
    total.Events += s.Events;
    total.HumanCards += s.HumanCards;
    total.Chains += s.Chains;
    total.Draws += s.Draws;
    total.Passes += s.Passes;
    total.RefusedPresses += s.RefusedPresses;
    total.Stalls += s.Stalls;
    total.HumanWins += e.GameOver && e.FindLeader() == 1 ? 1 : 0;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--games N] [--seed S] [--players 3|4|5] [--twos on|off]\n",
                     argv[0]);
        return 2;
    }
    SelfPlayStats total;
    for (int game = 0; game < options.Games; ++game) {
        if (!PlayGame(options, game, total))
            return 1;
    }
    std::printf("games %d, rounds %d, events %d\n", total.Games, total.Rounds, total.Events);
    std::printf("human: cards %d, chains %d, draws %d, passes %d, refused presses %d, wins %d\n",
                total.HumanCards, total.Chains, total.Draws, total.Passes, total.RefusedPresses,
                total.HumanWins);
    std::printf("stalled games %d\n", total.Stalls);
    return total.Games == options.Games && total.Stalls == 0 ? 0 : 1;
}
