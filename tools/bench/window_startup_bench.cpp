// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from the moment the process is started to its first painted frame, for the game
// and for an empty Qt window program, taken in turns in one run so both see the same machine.
// The frame is noted inside each program by the same plugin (first_frame_plugin.cpp); the game
// itself is run as it is, in a working folder of its own with its card sheets and rules.
//
// The same is taken for the empty window with one line of text on it, which pays for the font
// set-up as the table does.
//
// Usage: window_startup_bench <label> [runs]   (the platform is whatever QT_QPA_PLATFORM says)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr double kTarget = 1.3;

long long MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Frame {
    long long first = 0; // ns after the start, of any first frame
    long long ready = 0; // ns after the start, of the first frame of the window made ready
};

// The environment of this process, with the plugin added.
std::vector<std::string> ChildEnvironment(const fs::path& report) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("QT_PLUGIN_PATH=", 0) == 0 || text.rfind("QT_QPA_GENERIC_PLUGINS=", 0) == 0)
            continue;
        entries.push_back(text);
    }
    entries.push_back("QT_PLUGIN_PATH=" QUELVANE_BENCH_PLUGINS);
    entries.push_back("QT_QPA_GENERIC_PLUGINS=quelvanefirstframe:" + report.string());
    return entries;
}

std::optional<long long> ReadStamp(const fs::path& report, const char* key) {
    std::ifstream in(report);
    std::string line;
    const std::string prefix = std::string(key) + "=";
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0)
            return std::atoll(line.c_str() + prefix.size());
    return std::nullopt;
}

// Starts the program in the folder and waits for it to note its first frame and end.
std::optional<Frame> RunOnce(const char* program, const fs::path& folder) {
    const fs::path report = folder / "first-frame.txt";
    fs::remove(report);
    std::vector<std::string> env = ChildEnvironment(report);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string name = program;
    char* argv[] = {name.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    const long long start = MonotonicNow();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(failed));
        return std::nullopt;
    }
    // A program that never paints is stopped after half a minute.
    int status = 0;
    for (int waited = 0; waitpid(pid, &status, WNOHANG) == 0; ++waited) {
        if (waited == 30000) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            std::fprintf(stderr, "%s painted no frame in 30 s\n", program);
            return std::nullopt;
        }
        usleep(1000);
    }
    const auto first = ReadStamp(report, "first");
    const auto ready = ReadStamp(report, "ready");
    if (!first || !ready) {
        std::fprintf(stderr, "%s ended without a frame noted\n", program);
        return std::nullopt;
    }
    return Frame{*first - start, *ready - start};
}

double MedianMs(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double ns = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return ns / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string label = argc > 1 ? argv[1] : "offscreen";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;

    char pattern[] = "/tmp/quelvane-startup-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    for (const char* file : {"deck.bmp", "cardpatterns.bmp", "background.bmp", "rules.txt"})
        fs::copy_file(fs::path(QUELVANE_BENCH_GAME_DIR) / file, folder / file);

    std::vector<long long> game;
    std::vector<long long> gameFirst;
    std::vector<long long> empty;
    std::vector<long long> text;
    bool ok = true;
    // One round first, unmeasured, so that every program starts from a warm disk cache.
    for (int run = -1; run < runs && ok; ++run) {
        const auto g = RunOnce(QUELVANE_BENCH_GAME, folder);
        const auto e = RunOnce(QUELVANE_BENCH_EMPTY_WINDOW, folder);
        const auto t = RunOnce(QUELVANE_BENCH_TEXT_WINDOW, folder);
        ok = g && e && t;
        if (ok && run >= 0) {
            game.push_back(g->ready);
            gameFirst.push_back(g->first);
            empty.push_back(e->ready);
            text.push_back(t->ready);
        }
    }
    fs::remove_all(folder);
    if (!ok) {
        std::printf("start-up (%s): failed\n", label.c_str());
        return 1;
    }
    const double gameMs = MedianMs(game);
    const double emptyMs = MedianMs(empty);
    const double ratio = gameMs / emptyMs;
    std::printf("start-up (%s): table %.1f ms, empty window %.1f ms, median of %d: %.2fx "
                "(target <= %.1fx) %s\n",
                label.c_str(), gameMs, emptyMs, runs, ratio, kTarget,
                ratio <= kTarget ? "ok" : "MISSED");
    // Beside it, the yardstick with one line of text: what is left is the table's own.
    const double textMs = MedianMs(text);
    std::printf("  beside a window with one line of text (%s): %.1f ms, %.2fx\n", label.c_str(),
                textMs, gameMs / textMs);
    if (MedianMs(gameFirst) < gameMs - 0.05)
        std::printf("  (the table's very first frame, before its start-up: %.1f ms)\n",
                    MedianMs(gameFirst));
    return 0;
}
