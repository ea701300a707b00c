// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator: the same seed gives the same report, the report carries every figure, the
// options refuse what the game does not offer, and a broken table stops the run loudly.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "simulation.h"

namespace {

// The report without its one line that depends on the machine.
std::string WithoutSpeed(std::string text) {
    const auto at = text.find("speed:");
    if (at != std::string::npos)
        text.erase(at, text.find('\n', at) - at);
    return text;
}

SimOptions Small(int players, int twos) {
    SimOptions options;
    options.Games = 40;
    options.Players = players;
    options.Twos = twos;
    options.Seed = 11;
    options.Check = true;
    return options;
}

struct ProgramRun {
    int status = -1;
    std::string out;
};

ProgramRun RunProgram(const std::string& arguments) {
    ProgramRun run;
    const std::string command = std::string(QUELVANE_SIM_PROGRAM) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

TEST(Simulator, TheSameSeedGivesTheSameReportAndAnotherSeedAnother) {
    SimOptions options = Small(4, 1);
    const SimReport first = RunSimulation(options);
    const SimReport second = RunSimulation(options);
    EXPECT_EQ(WithoutSpeed(FormatReport(first)), WithoutSpeed(FormatReport(second)));
    EXPECT_EQ(first.Turns, second.Turns);
    options.Seed = 12;
    EXPECT_NE(WithoutSpeed(FormatReport(RunSimulation(options))),
              WithoutSpeed(FormatReport(first)));
}

TEST(Simulator, EveryTableSizeAndTwosRuleEndsEveryGameWithTheTableIntact) {
    for (int players = 3; players <= 5; ++players) {
        for (int twos = 0; twos <= 1; ++twos) {
            for (bool explore : {false, true}) {
                SimOptions options = Small(players, twos);
                options.Explore = explore;
                options.Deal = 1 + players; // 4, 5 and 6 cards
                const SimReport r = RunSimulation(options);
                SCOPED_TRACE(FormatReport(r));
                EXPECT_FALSE(r.Broken);
                EXPECT_EQ(r.Games, options.Games);
                EXPECT_EQ(r.Stalls, 0);
                long wins = 0;
                for (int seat = 1; seat <= 5; ++seat) {
                    wins += r.Seats[seat].Wins;
                    EXPECT_EQ(r.Seats[seat].Games, seat <= players ? options.Games : 0);
                }
                EXPECT_EQ(wins, r.Games); // one winner a game
                EXPECT_EQ(r.TableA.Games + r.TableB.Games, options.Games * (players - 1));
                EXPECT_EQ(r.TableA.Wins + r.TableB.Wins, wins - r.Seats[1].Wins);
                EXPECT_GE(r.Rounds, r.Games);
                EXPECT_LE(r.Rounds, 10 * r.Games);
                EXPECT_GT(r.Turns, r.Rounds);
                EXPECT_GT(r.TwosPenalties, 0);
                // Only answered twos raise a penalty above two.
                if (twos == 0)
                    EXPECT_EQ(r.TwosChains, 0);
                else
                    EXPECT_GT(r.TwosChains, 0);
            }
        }
    }
}

TEST(Simulator, AHigherTargetMakesLongerGames) {
    SimOptions low = Small(3, 0);
    low.Target = 100;
    SimOptions high = low;
    high.Target = 350;
    const SimReport a = RunSimulation(low);
    const SimReport b = RunSimulation(high);
    EXPECT_LT(a.Rounds, b.Rounds);
}

TEST(Simulator, TheJsonReportCarriesEveryFigureInItsOrder) {
    const SimReport r = RunSimulation(Small(5, 1));
    const auto json = nlohmann::ordered_json::parse(FormatJson(r));
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "options", "games", "rounds", "events", "stalled_games", "wins_per_seat",
                        "wins_per_table", "mean_rounds_per_game", "mean_turns_per_round",
                        "per_1000_rounds", "mean_game_rating", "games_per_second",
                        "rounds_per_second", "broken_check"}));
    EXPECT_EQ(json["options"]["players"], 5);
    EXPECT_EQ(json["options"]["progressive_twos"], true);
    EXPECT_EQ(json["options"]["player"], "simple");
    EXPECT_EQ(json["games"], r.Games);
    EXPECT_EQ(json["rounds"], r.Rounds);
    for (int seat = 1; seat <= 5; ++seat)
        EXPECT_EQ(json["wins_per_seat"][std::to_string(seat)]["wins"], r.Seats[seat].Wins);
    EXPECT_EQ(json["wins_per_table"]["B"]["games"], r.TableB.Games);
    EXPECT_NEAR(json["mean_turns_per_round"].get<double>(),
                static_cast<double>(r.Turns) / static_cast<double>(r.Rounds), 5e-5);
    for (const char* figure :
         {"reshuffles", "passes", "all_hands_full_rounds", "twos_penalties", "twos_chains"})
        EXPECT_TRUE(json["per_1000_rounds"][figure].is_number()) << figure;
    EXPECT_TRUE(json["broken_check"].is_null());
}

TEST(Simulator, AJsonReportKeepsAFailureTextByteForByte) {
    SimReport r = RunSimulation(Small(3, 0));
    r.Broken = true;
    r.Failure = "broken table check: \"x\"\n\t\x01 at C:\\cards\\ \x7f end";
    const std::string text = FormatJson(r);
    ASSERT_TRUE(nlohmann::json::accept(text)) << text;
    EXPECT_EQ(nlohmann::json::parse(text)["broken_check"], r.Failure);
}

TEST(Simulator, OptionsOutsideTheGameAreRefused) {
    const auto parse = [](std::vector<const char*> args) {
        args.insert(args.begin(), "quelvane-sim");
        SimOptions options;
        bool json = false;
        return ParseSimOptions(static_cast<int>(args.size()), args.data(), options, json);
    };
    EXPECT_EQ(parse({"--games", "3", "--players", "3", "--target", "250", "--deal", "7",
                     "--progressive-twos", "--seed", "9", "--json", "--check"}),
              "");
    EXPECT_NE(parse({"--target", "150"}), "");
    EXPECT_NE(parse({"--players", "6"}), "");
    EXPECT_NE(parse({"--deal", "3"}), "");
    EXPECT_NE(parse({"--games", "0"}), "");
    EXPECT_NE(parse({"--games", "12x"}), "");
    EXPECT_NE(parse({"--seed"}), "");
    EXPECT_NE(parse({"--fast"}), "");
}

TEST(Simulator, ABrokenTableCheckEndsTheRunNamingSeedRoundAndEvent) {
    const ProgramRun broken = RunProgram("--games 5 --seed 1 --check --inject-fault 40");
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.out.find("broken table check: seed 1 (game 1), round "), std::string::npos)
        << broken.out;
    EXPECT_NE(broken.out.find("event 40"), std::string::npos) << broken.out;

    // A clean run ends well; an option the game does not offer is a usage error.
    EXPECT_EQ(RunProgram("--games 3 --seed 1 --check").status, 0);
    EXPECT_EQ(RunProgram("--target 120").status, 2);
    const ProgramRun help = RunProgram("--games 5 --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: ", 0), 0u) << help.out;
}
