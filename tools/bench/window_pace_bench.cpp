// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pace: one scripted round played through the table's own handlers with the real
// pacer, from DEAL to the score grid, against the sum of the waits the turn flow asked for.
// The script answers at once, so the time inside the handlers is the round as the player
// sees it; the real pacer takes what each step costs off the wait after it.
//
// Usage: window_pace_bench [label] [players] [deal size]
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "window_bench_support.h"

namespace {

constexpr double kTarget = 1.03;

} // namespace

int main(int argc, char** argv) {
    const std::string label = argc > 1 ? argv[1] : "offscreen";
    const int players = argc > 2 ? std::atoi(argv[2]) : 3;
    const int dealSize = argc > 3 ? std::atoi(argv[3]) : 5;
    auto application = bench::MakeApplication(argc, argv);

    bench::BenchTable table;
    table.Start(players, dealSize);
    table.pacer.real = true;
    table.pacer.scheduledMs = 0;

    QElapsedTimer inHandlers;
    qint64 elapsedNs = 0;
    int presses = 0;
    inHandlers.start();
    table.form->ImageDealClick();
    elapsedNs += inHandlers.nsecsElapsed();
    while (presses < 2000) {
        inHandlers.restart();
        if (!table.HumanMove())
            break;
        elapsedNs += inHandlers.nsecsElapsed();
        ++presses;
    }
    if (!table.flow->ScoreGridUp()) {
        std::printf("real pacer, one round (%s): the round did not end\n", label.c_str());
        return 1;
    }
    const double scheduled = static_cast<double>(table.pacer.scheduledMs) / 1e3;
    const double taken = static_cast<double>(elapsedNs) / 1e9;
    const double ratio = taken / scheduled;
    std::printf("real pacer, one round (%s): %.2f s for %.2f s of scheduled waits, %d presses: "
                "%.3fx (target <= %.2fx) %s\n",
                label.c_str(), taken, scheduled, presses, ratio, kTarget,
                ratio <= kTarget ? "ok" : "MISSED");
    return ratio <= kTarget ? 0 : 2;
}
