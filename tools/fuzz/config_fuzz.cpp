// SPDX-License-Identifier: GPL-3.0-or-later
// "Config.cfg" holding the input: read at start-up, then a deal with the settings it gave and
// the settings line the deal writes, which must read back as the same settings.
#include <string>

#include "fuzz_support.h"
#include "storage/config.h"
#include "table/flow/flow_storage.h"

namespace {

// Keeps the settings line of every deal instead of writing it.
class LineKeeper : public NoStorage {
  public:
    void SaveConfig(const Engine& engine) override { Lines.push_back(BuildConfigLine(engine)); }
    std::vector<std::string> Lines;
};

// Seven one-digit settings at positions 1, 3, .. 13, each followed by a comma, then five names
// each followed by a comma: the reader depends on those fixed places.
void CheckLineShape(const std::string& line) {
    FUZZ_CHECK(line.size() >= 19, "settings line '" + line + "' is too short");
    for (size_t i = 0; i < 14; i += 2) {
        FUZZ_CHECK(line[i] >= '0' && line[i] <= '9',
                   "settings line '" + line + "' field " + std::to_string(i / 2 + 1));
        FUZZ_CHECK(line[i + 1] == ',', "settings line '" + line + "' has no comma after field " +
                                           std::to_string(i / 2 + 1));
    }
    size_t commas = 0;
    for (const char c : line)
        commas += c == ',' ? 1 : 0;
    FUZZ_CHECK(commas == 12 && line.back() == ',',
               "settings line '" + line + "' does not hold five names");
}

void CheckSameSettings(const Engine& read, const Engine& written, const std::string& line) {
    const auto same =
        read.PlayerCount == written.PlayerCount && read.PlayUntil == written.PlayUntil &&
        read.CardDesign == written.CardDesign && read.DealSize == written.DealSize &&
        read.SlowDeal == written.SlowDeal && read.SortByPoints == written.SortByPoints &&
        read.ProgressiveTwos == written.ProgressiveTwos;
    FUZZ_CHECK(same, "settings line '" + line + "' reads back as other settings");
    for (int seat = 1; seat <= 5; ++seat)
        FUZZ_CHECK(read.PlayerNames[seat] == written.PlayerNames[seat],
                   "settings line '" + line + "' reads back seat " + std::to_string(seat) +
                       " as '" + read.PlayerNames[seat] + "'");
}

void CheckLineReadsBack(const Engine& written, const std::string& line) {
    CheckLineShape(line);
    FUZZ_CHECK(line == BuildConfigLine(written), "the deal wrote another line than the settings");
    Engine read;
    read.EngineStartUp(StartUpFiles{});
    // Other values than the defaults, so a field the reader skips is noticed.
    read.PlayerCount = 0;
    read.PlayUntil = 0;
    read.CardDesign = -1;
    read.DealSize = -1;
    read.SlowDeal = !written.SlowDeal;
    read.SortByPoints = !written.SortByPoints;
    read.ProgressiveTwos = !written.ProgressiveTwos;
    for (int seat = 1; seat <= 5; ++seat)
        read.PlayerNames[seat] = "?";
    ParseConfigLine(read, line);
    CheckSameSettings(read, written, line);
}

// The start-up reads the file, then the player presses START and DEAL: the deal panel shows
// the deal size read when it is one of its four, otherwise it keeps its six cards.
void DealWithSettings(Engine& e, uint32_t seed) {
    e.LeadSeat = 1;
    e.FirstDealPending = true;
    e.SeedRandom(seed);
    StartTable(e);
    GridCheckingView view(e);
    view.DealSize = e.DealSize >= 4 && e.DealSize <= 7 ? e.DealSize : 6;
    view.ChooseSuit = [&e] { return e.Random(4); };
    LineKeeper storage;
    TurnFlow flow(e, view, storage);
    flow.ImageDealClick();
    CheckTable(e, flow, "the deal");
    FUZZ_CHECK(e.RoundActive, "the deal did not start a round");
    FUZZ_CHECK(storage.Lines.size() == 1,
               "the deal wrote the settings " + std::to_string(storage.Lines.size()) + " times");
    CheckSettings(e);
    CheckLineReadsBack(e, storage.Lines[0]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterPrivateFolder();
    WriteInputFile("Config.cfg", data, size);

    Engine e;
    e.EngineStartUp(StartUpFiles{});
    FUZZ_CHECK(LoadConfig(e), "Config.cfg is there but did not open");
    CheckSettings(e);
    CheckLineReadsBack(e, BuildConfigLine(e));
    DealWithSettings(e, SeedOf(data, size));

    // The whole input as one line, line ends and all.
    Engine whole;
    whole.EngineStartUp(StartUpFiles{});
    ParseConfigLine(whole, std::string(reinterpret_cast<const char*>(data), size));
    CheckSettings(whole);
    CheckLineReadsBack(whole, BuildConfigLine(whole));
    return 0;
}
