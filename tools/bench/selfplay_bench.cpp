// SPDX-License-Identifier: GPL-3.0-or-later
// Self-play throughput: whole computer-only games through the real turn flow and a table that
// shows nothing and never waits, as quelvane-sim plays them, timed per round on one core,
// without and with the table checks after every event.
//
//   selfplay_bench [--figures-only] [benchmark options]
//                                          the timed runs, then one line per figure; the
//                                          table of runs is left out with --figures-only
//   selfplay_bench --count-games N [--check]
//                                          plays N games for valgrind's callgrind, which counts
//                                          the instructions of PlayCountedGames alone; prints
//                                          the rounds played
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "simulation.h"
#include "storage/high_scores.h"

namespace {

constexpr double kTargetWithoutChecks = 30000;
constexpr double kTargetWithChecks = 15000;
constexpr unsigned kFirstSeed = 1;
// The seeds repeat after this many games, so a longer run measures the same games again
// rather than a different mix.
constexpr unsigned kSeedCycle = 4096;

// One game of five seats to 300 points, six cards a deal: quelvane-sim's defaults.
SimOptions OneGame(unsigned seed, bool check) {
    SimOptions options;
    options.Games = 1;
    options.Seed = seed;
    options.Check = check;
    return options;
}

void SelfPlayRounds(benchmark::State& state, bool check) {
    unsigned game = 0;
    long rounds = 0;
    for (auto _ : state) {
        const SimReport report = RunSimulation(OneGame(kFirstSeed + game % kSeedCycle, check));
        if (report.Broken || report.Games != 1) {
            state.SkipWithError(report.Broken ? report.Failure.c_str() : "a game did not end");
            break;
        }
        rounds += report.Rounds;
        ++game;
    }
    state.counters["rounds/s"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
    state.counters["rounds/game"] =
        benchmark::Counter(static_cast<double>(rounds) / std::max(1u, game));
}

void BM_SelfPlayWithoutChecks(benchmark::State& state) {
    SelfPlayRounds(state, false);
}
void BM_SelfPlayWithChecks(benchmark::State& state) {
    SelfPlayRounds(state, true);
}
BENCHMARK(BM_SelfPlayWithoutChecks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelfPlayWithChecks)->Unit(benchmark::kMicrosecond);

// Keeps each repetition's rounds per second by benchmark, and shows the usual table of runs
// unless only the figures are wanted.
class FigureKeeper : public benchmark::ConsoleReporter {
  public:
    explicit FigureKeeper(bool showTable) : ShowTable(showTable) {}

    bool ReportContext(const Context& context) override {
        return !ShowTable || ConsoleReporter::ReportContext(context);
    }
    void ReportRuns(const std::vector<Run>& runs) override {
        if (ShowTable)
            ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                Failed = true;
                std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(),
                             run.error_message.c_str());
                continue;
            }
            if (run.run_type != Run::RT_Iteration)
                continue;
            const auto found = run.counters.find("rounds/s");
            if (found != run.counters.end())
                Figures[run.run_name.function_name].push_back(found->second.value);
        }
    }
    const bool ShowTable;
    std::map<std::string, std::vector<double>> Figures;
    bool Failed = false; // a game broke a table check or never ended
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// 41234.5 -> "41,234", with the commas the table's counters use.
std::string Grouped(double value) {
    return ShowGamesAndWinsText(std::llround(value));
}

// The median of the repetitions: one disturbed by another program on the machine moves it
// least. Nothing is printed for a benchmark left out by a filter.
void PrintFigure(const FigureKeeper& keeper, const char* benchmarkName, const char* label,
                 double target) {
    const auto found = keeper.Figures.find(benchmarkName);
    if (found == keeper.Figures.end() || found->second.empty())
        return;
    const double median = Median(found->second);
    std::printf("%s: %s (target >= %s) %s\n", label, Grouped(median).c_str(),
                Grouped(target).c_str(), median >= target ? "ok" : "MISSED");
}

// Kept out of line under its own name: callgrind counts from its entry to its return only,
// so the program's start-up and exit do not blur the figure.
[[gnu::noinline]] long PlayCountedGames(int games, bool check) {
    long rounds = 0;
    for (int game = 0; game < games; ++game) {
        const SimReport report = RunSimulation(OneGame(kFirstSeed + game, check));
        if (report.Broken) {
            std::fprintf(stderr, "%s\n", report.Failure.c_str());
            return -1;
        }
        rounds += report.Rounds;
    }
    return rounds;
}

int CountGames(int argc, char** argv) {
    const int games = argc > 2 ? std::atoi(argv[2]) : 0;
    const bool check = argc > 3 && std::strcmp(argv[3], "--check") == 0;
    if (games < 1) {
        std::fprintf(stderr, "usage: %s --count-games N [--check]\n", argv[0]);
        return 2;
    }
    const long rounds = PlayCountedGames(games, check);
    if (rounds < 0)
        return 1;
    std::printf("rounds %ld\n", rounds);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--count-games") == 0)
        return CountGames(argc, argv);
    const bool figuresOnly = argc > 1 && std::strcmp(argv[1], "--figures-only") == 0;
    // Five repetitions of a second each unless the command line says otherwise (a later flag
    // wins): the median of five stands still while the machine is busy with other work.
    std::vector<char*> args{argv[0], const_cast<char*>("--benchmark_repetitions=5"),
                            const_cast<char*>("--benchmark_min_time=1")};
    args.insert(args.end(), argv + (figuresOnly ? 2 : 1), argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;
    FigureKeeper keeper(!figuresOnly);
    benchmark::RunSpecifiedBenchmarks(&keeper);
    benchmark::Shutdown();
    if (!figuresOnly)
        std::printf("\n");
    PrintFigure(keeper, "BM_SelfPlayWithoutChecks", "self-play rounds/s without checks",
                kTargetWithoutChecks);
    PrintFigure(keeper, "BM_SelfPlayWithChecks", "self-play rounds/s with checks",
                kTargetWithChecks);
    return keeper.Failed ? 1 : 0;
}
