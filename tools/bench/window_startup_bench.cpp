// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from the moment the process is started to its first painted frame, for the game
// and for an empty Qt window program, taken in turns in one run so both see the same machine.
// The frame is noted inside each program by the same plugin (first_frame_plugin.cpp); the game
// itself is run as it is, in a working folder of its own with its card sheets and rules.
//
// The same is taken for the empty window with one line of text on it, which pays for the font
// set-up as the table does.
//
// With --beside-ratio R it takes the game alone instead, at its own scale and with Qt's scale
// set to R (a 4K screen at 200 % for R = 2), in turns: the start-up and the most memory the
// process held by its first frame, each beside the other.
//
// Usage: window_startup_bench <label> [runs] [--beside-ratio R]
//        (the platform is whatever QT_QPA_PLATFORM says)
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
constexpr double kRatioTarget = 1.2;   // start-up at a scaled ratio beside ratio 1
constexpr double kPeakTargetMb = 64.0; // memory at a scaled ratio

long long MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Frame {
    long long first = 0;  // ns after the start, of any first frame
    long long ready = 0;  // ns after the start, of the first frame of the window made ready
    long long peakKb = 0; // the most memory the process held by then
};

// The environment of this process, with the plugin added, and Qt's scale set when asked.
std::vector<std::string> ChildEnvironment(const fs::path& report, const std::string& scale) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("QT_PLUGIN_PATH=", 0) == 0 ||
            text.rfind("QT_QPA_GENERIC_PLUGINS=", 0) == 0 ||
            (!scale.empty() && text.rfind("QT_SCALE_FACTOR=", 0) == 0))
            continue;
        entries.push_back(text);
    }
    entries.push_back("QT_PLUGIN_PATH=" QUELVANE_BENCH_PLUGINS);
    entries.push_back("QT_QPA_GENERIC_PLUGINS=quelvanefirstframe:" + report.string());
    if (!scale.empty())
        entries.push_back("QT_SCALE_FACTOR=" + scale);
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
std::optional<Frame> RunOnce(const char* program, const fs::path& folder,
                             const std::string& scale = {}) {
    const fs::path report = folder / "first-frame.txt";
    fs::remove(report);
    std::vector<std::string> env = ChildEnvironment(report, scale);
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
    return Frame{*first - start, *ready - start, ReadStamp(report, "peak_kb").value_or(0)};
}

double MedianMs(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double ns = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return ns / 1e6;
}

} // namespace

// The game alone at ratio 1 and at the scaled ratio, in turns.
int BesideRatio(const std::string& label, int runs, const fs::path& folder,
                const std::string& scale) {
    std::vector<long long> plain;
    std::vector<long long> scaled;
    std::vector<long long> plainPeak;
    std::vector<long long> scaledPeak;
    for (int run = -1; run < runs; ++run) {
        const auto one = RunOnce(QUELVANE_BENCH_GAME, folder);
        const auto many = RunOnce(QUELVANE_BENCH_GAME, folder, scale);
        if (!one || !many) {
            std::printf("start-up at ratio %s (%s): failed\n", scale.c_str(), label.c_str());
            return 1;
        }
        if (run < 0)
            continue;
        plain.push_back(one->ready);
        scaled.push_back(many->ready);
        plainPeak.push_back(one->peakKb);
        scaledPeak.push_back(many->peakKb);
    }
    const double ratio = MedianMs(scaled) / MedianMs(plain);
    std::printf("start-up at ratio %s beside ratio 1 (%s): %.1f ms and %.1f ms, median of %d: "
                "%.2fx (target <= %.1fx) %s\n",
                scale.c_str(), label.c_str(), MedianMs(scaled), MedianMs(plain), runs, ratio,
                kRatioTarget, ratio <= kRatioTarget ? "ok" : "MISSED");
    // Medians of kilobytes, read as megabytes (MedianMs divides by a million).
    const auto megabytes = [](const std::vector<long long>& kilobytes) {
        return MedianMs(kilobytes) * 1e6 / 1024.0;
    };
    const double peakMb = megabytes(scaledPeak);
    std::printf("peak memory at ratio %s (%s): %.1f MB, %.1f MB at ratio 1 (target <= %.0f MB) "
                "%s\n",
                scale.c_str(), label.c_str(), peakMb, megabytes(plainPeak), kPeakTargetMb,
                peakMb <= kPeakTargetMb ? "ok" : "MISSED");
    return 0;
}

int main(int argc, char* argv[]) {
    const std::string label = argc > 1 ? argv[1] : "offscreen";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const std::string besideRatio =
        argc > 4 && std::strcmp(argv[3], "--beside-ratio") == 0 ? argv[4] : "";

    char pattern[] = "/tmp/quelvane-startup-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    // Everything the game reads beside it: the sheets at every ratio and the rules.
    for (const auto& entry : fs::directory_iterator(QUELVANE_BENCH_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        const bool sheet = name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0;
        if (entry.is_regular_file() && (sheet || name == "rules.txt"))
            fs::copy_file(entry.path(), folder / name);
    }
    if (!besideRatio.empty()) {
        const int result = BesideRatio(label, runs, folder, besideRatio);
        fs::remove_all(folder);
        return result;
    }

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
