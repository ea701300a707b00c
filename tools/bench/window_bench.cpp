// SPDX-License-Identifier: GPL-3.0-or-later
// The window's drawing: a computer seat's fan composed as a row or a column (19 and 52 cards,
// face up and face down), the human's hand laid out again with 19 cards, and one full repaint
// of a five-player table in play with every picture up. None of these waits; each figure is
// the median of five runs, printed beside its target.
//
// Usage: window_bench [label] [Google Benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "window_bench_support.h"

namespace {

struct Figure {
    std::string name;
    double targetMs;
};

// Keeps the median of each benchmark, in milliseconds.
class MedianReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    1e3;
        }
    }
    std::map<std::string, double> medians;
};

// Gives a seat these many cards: the first codes of the pack, so faces of every suit.
void GiveCards(Engine& engine, int seat, int count) {
    engine.Hands[seat] = Hand{};
    engine.Hands[seat].count = count;
    for (int k = 1; k <= count; ++k)
        engine.Hands[seat].slot[k] = (k * 7) % 104 + 1;
}

void Register(const std::string& name, double targetMs, std::vector<Figure>& figures,
              std::function<void(benchmark::State&)> body) {
    benchmark::RegisterBenchmark(name.c_str(), body)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    figures.push_back({name, targetMs});
}

} // namespace

int main(int argc, char** argv) {
    const std::string label = argc > 1 && argv[1][0] != '-' ? argv[1] : "offscreen";
    auto application = bench::MakeApplication(argc, argv);
    benchmark::Initialize(&argc, argv);

    bench::BenchTable table;
    Engine& engine = table.engine;
    TForm1& form = *table.form;
    std::vector<Figure> figures;

    // The fans: seat 2 is a column, seat 3 a row, on a four-player table.
    table.Start(4, 7);
    form.PrepareSeatPictures();
    for (const int count : {19, 52}) {
        for (const bool faceUp : {true, false}) {
            const std::string cards =
                std::to_string(count) + " cards, face " + (faceUp ? "up" : "down");
            Register("seat column (" + cards + ")", 1.0, figures,
                     [&, count, faceUp](benchmark::State& state) {
                         GiveCards(engine, 2, count);
                         for (auto _ : state)
                             form.DrawSeatColumn(2, count, faceUp);
                     });
            Register("seat row (" + cards + ")", 1.0, figures,
                     [&, count, faceUp](benchmark::State& state) {
                         GiveCards(engine, 3, count);
                         for (auto _ : state)
                             form.DrawSeatRow(3, count, faceUp);
                     });
        }
    }
    Register("hand redraw (19 cards)", 1.0, figures, [&](benchmark::State& state) {
        GiveCards(engine, 1, 19);
        for (auto _ : state)
            form.DrawHumanHand(19);
    });

    // The whole table in play: five seats dealt seven cards, the turn back with the human,
    // then the suit marker and a status text put up as well.
    Register("full repaint of the table in play", 2.0, figures, [&](benchmark::State& state) {
        bench::BenchTable playing;
        playing.Start(5, 7);
        playing.form->ImageDealClick();
        playing.form->ShowSuitMarker(2);
        playing.form->ShowStatusText("Raduz\r\nDraws\r\n2 Cards", LabelPlace{548, 406},
                                     StatusColour::Aqua);
        QCoreApplication::processEvents();
        for (auto _ : state)
            playing.form->repaint();
    });

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool allMet = true;
    for (const Figure& figure : figures) {
        const auto found = reporter.medians.find(figure.name);
        if (found == reporter.medians.end())
            continue;
        const bool met = found->second < figure.targetMs;
        allMet = allMet && met;
        std::printf("%s (%s): %.3f ms (target < %g ms) %s\n", figure.name.c_str(), label.c_str(),
                    found->second, figure.targetMs, met ? "ok" : "MISSED");
    }
    benchmark::Shutdown();
    return allMet ? 0 : 2;
}
