// SPDX-License-Identifier: GPL-3.0-or-later
// quelvane-sim: plays seeded games headless through the real turn flow and prints what
// happened. The older name quelvane_selfplay is the same program with the older defaults:
// tables, deals and twos rules varied game by game, seat 1 exploring at random, and the table
// checked after every event.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "simulation.h"

namespace {

SimOptions Defaults() {
    SimOptions options;
#ifdef QUELVANE_SELFPLAY_DEFAULTS
    options.Games = 30;
    options.Players = 0;
    options.Deal = 0;
    options.Twos = -1;
    options.Check = true;
    options.Explore = true;
#endif
    return options;
}

// A line on the terminal that shows how far a long run has come; nothing for runs under two
// seconds or when the output goes elsewhere.
class ProgressLine {
  public:
    explicit ProgressLine(long games) : games_(games), shown_(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (written_)
            std::fprintf(stderr, "\r\033[K");
    }
    void operator()(long done) {
        if (!shown_)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - start_ < std::chrono::seconds(2) || now - last_ < std::chrono::milliseconds(250))
            return;
        last_ = now;
        written_ = true;
        std::fprintf(stderr, "\r\033[Kgame %ld of %ld (%ld%%)", done, games_, 100 * done / games_);
    }

  private:
    long games_;
    bool shown_;
    bool written_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_{};
};

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            std::fputs(SimUsage(argv[0]).c_str(), stdout);
            return 0;
        }
    }
    SimOptions options = Defaults();
    bool json = false;
    const std::string error = ParseSimOptions(argc, argv, options, json);
    if (!error.empty()) {
        std::fprintf(stderr, "%s: %s\n%s", argv[0], error.c_str(), SimUsage(argv[0]).c_str());
        return 2;
    }
    SimReport report;
    {
        ProgressLine progress(options.Games);
        report = RunSimulation(options, [&progress](long done) { progress(done); });
    }
    const std::string text = json ? FormatJson(report) : FormatReport(report);
    std::fputs(text.c_str(), stdout);
    if (report.Broken) {
        std::fprintf(stderr, "%s\n", report.Failure.c_str());
        return 1;
    }
    if (report.Stalls > 0 || report.Games != options.Games) {
        std::fprintf(stderr, "%ld of %d games came to an end\n", report.Games, options.Games);
        return 1;
    }
    return 0;
}
