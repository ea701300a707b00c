// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "self_play.h"
#include "storage/config.h"

namespace fs = std::filesystem;

namespace {

fs::path& PrivateFolder() {
    static fs::path folder;
    return folder;
}

void RemovePrivateFolder() {
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(ec), ec);
    fs::remove_all(PrivateFolder(), ec);
}

// scripts/fuzz names a folder of its own, which it removes after the run: a child that the
// fuzzer kills cannot clean up after itself.
fs::path ScratchRoot() {
    std::error_code ec;
    if (const char* given = std::getenv("QUELVANE_FUZZ_SCRATCH"); given && *given)
        return given;
    const fs::path shm = "/dev/shm";
    if (fs::is_directory(shm, ec) && ::access(shm.c_str(), W_OK | X_OK) == 0)
        return shm;
    return fs::temp_directory_path();
}

} // namespace

void EnterPrivateFolder() {
    if (!PrivateFolder().empty())
        return;
    std::string pattern = (ScratchRoot() / "quelvane-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("quelvane fuzz: no private folder");
        std::abort();
    }
    PrivateFolder() = pattern;
    fs::current_path(PrivateFolder());
    std::atexit(RemovePrivateFolder);
}

void WriteInputFile(const std::string& path, const uint8_t* data, size_t size) {
    const fs::path p(path);
    if (p.has_parent_path())
        fs::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    FUZZ_CHECK(out, "could not write the input to " + path);
}

void WriteInputFile(const std::string& path, const std::string& bytes) {
    WriteInputFile(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void RemoveInputFile(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

std::string ReadBack(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t SeedOf(const uint8_t* data, size_t size) {
    uint32_t hash = 2166136261u; // FNV-1a
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

void FuzzFailure(const char* file, int line, const std::string& what) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what.c_str());
    std::fflush(stderr);
    RemovePrivateFolder();
    std::abort();
}

uint8_t InputReader::Byte() {
    return at_ < size_ ? data_[at_++] : 0;
}

uint16_t InputReader::Uint16() {
    const uint16_t low = Byte();
    return static_cast<uint16_t>(low | (Byte() << 8));
}

int32_t InputReader::Int32() {
    uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<uint32_t>(Byte()) << shift;
    return static_cast<int32_t>(value);
}

std::string InputReader::Bytes(size_t n) {
    const size_t take = std::min(n, size_ - at_);
    std::string bytes(reinterpret_cast<const char*>(data_ + at_), take);
    at_ += take;
    return bytes;
}

std::string InputReader::Rest() {
    return Bytes(size_ - at_);
}

void CheckCleanName(const std::string& name, const char* what) {
    FUZZ_CHECK(name.size() <= static_cast<size_t>(kNameLength),
               std::string(what) + " is " + std::to_string(name.size()) + " bytes long");
    FUZZ_CHECK(CleanSeatName(name) == name, std::string(what) + " holds a comma or a control "
                                                                "character, or a broken "
                                                                "character at its end");
}

void CheckSettings(const Engine& e) {
    FUZZ_CHECK(e.PlayerCount >= 3 && e.PlayerCount <= 5,
               "player count " + std::to_string(e.PlayerCount));
    FUZZ_CHECK(IsPlayUntilTarget(e.PlayUntil), "target " + std::to_string(e.PlayUntil));
    FUZZ_CHECK(e.CardDesign >= 0 && e.CardDesign <= 9,
               "card design " + std::to_string(e.CardDesign));
    FUZZ_CHECK(e.DealSize >= 0 && e.DealSize <= 9, "deal size " + std::to_string(e.DealSize));
    for (int seat = 1; seat <= 5; ++seat)
        CheckCleanName(e.PlayerNames[seat], "a seat name");
}

void StartTable(Engine& e) {
    // The seats' places as the START button sets them for the player count.
    e.PlaceSeats();
    e.StrategySeed = e.Random(6);
    e.ResetHandCardPositions();
}

void GridCheckingView::ShowScoreGrid(const ScoreGridTexts& cells) {
    ++GridsShown;
    for (int seat = 1; seat < static_cast<int>(cells.size()); ++seat) {
        const bool playing = seat <= E.PlayerCount;
        FUZZ_CHECK(cells[seat][0] == (playing ? E.PlayerNames[seat] : ""),
                   "score grid row " + std::to_string(seat) + " named '" + cells[seat][0] + "'");
        int64_t rounds = 0;
        for (int column = 1; column <= 11; ++column) {
            const std::string expected =
                playing ? Engine::PadScore(E.ScoreTable[seat][column]) : "";
            FUZZ_CHECK(cells[seat][column] == expected,
                       "score grid cell " + std::to_string(seat) + "," + std::to_string(column));
            if (column <= 10)
                rounds += E.ScoreTable[seat][column];
        }
        if (playing)
            FUZZ_CHECK(E.ScoreTable[seat][11] == rounds,
                       "seat " + std::to_string(seat) + "'s total is not the sum of its rounds");
    }
}

void CheckTable(const Engine& e, const TurnFlow& flow, const std::string& after) {
    const std::string broken = CheckTableInvariants(e, flow);
    FUZZ_CHECK(broken.empty(), broken + " after " + after);
    if (!e.RoundActive)
        return;
    FUZZ_CHECK(e.CurrentPlayer >= 1 && e.CurrentPlayer <= e.PlayerCount,
               "turn with seat " + std::to_string(e.CurrentPlayer) + " after " + after);
    FUZZ_CHECK(e.Direction == 1 || e.Direction == -1,
               "direction " + std::to_string(e.Direction) + " after " + after);
    FUZZ_CHECK(e.ActiveSuit >= 0 && e.ActiveSuit <= 4,
               "suit to follow " + std::to_string(e.ActiveSuit) + " after " + after);
    FUZZ_CHECK(e.DiscardTop >= 1 && e.DiscardTop <= 108 && e.DiscardPile[0] == e.DiscardTop,
               "discard top " + std::to_string(e.DiscardTop) + " after " + after);
    FUZZ_CHECK(e.StockPile[0] >= 0 && e.StockPile[0] <= 108 && e.StockPos >= 1 &&
                   e.StockPos <= e.StockPile[0] + 1,
               "stock position " + std::to_string(e.StockPos) + " of " +
                   std::to_string(e.StockPile[0]) + " after " + after);
}
