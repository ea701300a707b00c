// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config.h"

#include <array>
#include <initializer_list>

#include "storage/file_io.h"

namespace {

constexpr const char* kConfigName = "Config";
constexpr const char* kConfigExt = ".cfg";

// The seven one-digit settings stand at these 1-based positions; the names start at 15.
constexpr int kNamesStart = 15;

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// The digit at a 1-based position, or -1 when the line is too short or it is no digit.
int DigitAt(const std::string& line, int position) {
    if (static_cast<int>(line.size()) < position)
        return -1;
    const char c = line[position - 1];
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

void ApplySettingDigit(Engine& engine, int position, int digit) {
    switch (position) {
    case 1:
        engine.PlayerCount = digit == 3 ? 3 : digit == 5 ? 5 : 4;
        break;
    case 3:
        engine.PlayUntil = PlayUntilFromCode(digit);
        break;
    case 5:
        engine.CardDesign = digit;
        break;
    case 7:
        engine.DealSize = digit;
        break;
    case 9:
        engine.SlowDeal = digit == 1;
        break;
    case 11:
        engine.SortByPoints = digit == 1;
        break;
    case 13:
        engine.ProgressiveTwos = digit == 1;
        break;
    default:
        break;
    }
}

// Walks the names part: every "," closes a name, and so does the line's last character, which
// is itself never part of a name (the writer always ends the line with ",").
void ParseNames(Engine& engine, const std::string& line) {
    const size_t lastIndex = line.size() - 1;
    int seat = 1;
    std::string current;
    for (size_t i = kNamesStart - 1; i < line.size() && seat <= 5; ++i) {
        if (line[i] == ',' || i == lastIndex) {
            engine.PlayerNames[seat++] = CleanSeatName(current);
            current.clear();
        } else {
            current.push_back(line[i]);
        }
    }
}

struct PlayUntilEntry {
    int code;
    int playUntil;
};

// Every target the game knows, with its code in the settings file; the first one stands in for
// any code or target not in the table.
constexpr std::array<PlayUntilEntry, 6> kPlayUntilCodes = {
    {{4, 350}, {1, 100}, {2, 200}, {3, 300}, {5, 400}, {6, 250}}};

// The entry of a target score; none for a score the game does not offer.
const PlayUntilEntry* FindTarget(int playUntil) {
    for (const PlayUntilEntry& entry : kPlayUntilCodes)
        if (entry.playUntil == playUntil)
            return &entry;
    return nullptr;
}

} // namespace

int PlayUntilCode(int playUntil) {
    const PlayUntilEntry* entry = FindTarget(playUntil);
    return entry != nullptr ? entry->code : kPlayUntilCodes[0].code;
}

int PlayUntilFromCode(int code) {
    for (const PlayUntilEntry& entry : kPlayUntilCodes)
        if (entry.code == code)
            return entry.playUntil;
    return kPlayUntilCodes[0].playUntil;
}

bool IsPlayUntilTarget(int playUntil) {
    return FindTarget(playUntil) != nullptr;
}

std::string CleanSeatName(const std::string& name) {
    std::string clean = name;
    for (char& c : clean) {
        if (c == ',' || IsControl(static_cast<unsigned char>(c)))
            c = ' ';
    }
    return CutName(clean);
}

std::string BuildConfigLine(const Engine& engine) {
    const std::array<int, 7> settings = {engine.PlayerCount,
                                         PlayUntilCode(engine.PlayUntil),
                                         engine.CardDesign,
                                         engine.DealSize,
                                         engine.SlowDeal ? 1 : 0,
                                         engine.SortByPoints ? 1 : 0,
                                         engine.ProgressiveTwos ? 1 : 0};
    std::string line;
    for (const int value : settings)
        line += std::to_string(value) + ",";
    // Cleaning again here keeps the file readable whatever path a name took into the engine.
    for (int seat = 1; seat <= 5; ++seat)
        line += CleanSeatName(engine.PlayerNames[seat]) + ",";
    return line;
}

void ParseConfigLine(Engine& engine, const std::string& line) {
    if (line.size() < 3)
        return;
    if (line[0] == ';' || line[1] == ';' || line[2] == ';')
        return;
    for (int position = 1; position <= 13; position += 2) {
        const int digit = DigitAt(line, position);
        if (digit >= 0)
            ApplySettingDigit(engine, position, digit);
    }
    if (line.size() >= kNamesStart)
        ParseNames(engine, line);
}

void SaveConfig(const Engine& engine) {
    // Replaced whole rather than emptied and written: a crash or a full disk in the middle of a
    // deal must not cost the player their settings and seat names.
    ReplaceDataText(kConfigName, kConfigExt, BuildConfigLine(engine));
}

bool LoadConfig(Engine& engine) {
    DataFile dataText;
    if (!OpenDataText(dataText, kConfigName, kConfigExt))
        return false;
    std::string line;
    while (ReadDataTextLine(dataText, line))
        ParseConfigLine(engine, line);
    CloseDataText(dataText);
    return true;
}

SettingsView MakeSettingsView(const Engine& engine) {
    // Index of a value in a list, plus the first control's number; 0 when it is not listed.
    auto control = [](int value, std::initializer_list<int> values, int firstControl) {
        int offset = 0;
        for (const int v : values) {
            if (v == value)
                return firstControl + offset;
            ++offset;
        }
        return 0;
    };
    SettingsView view;
    view.dealSizeButton = control(engine.DealSize, {4, 5, 6, 7}, 1);
    view.targetButton = control(engine.PlayUntil, {100, 200, 250, 300, 350}, 5);
    view.playerCountButton = control(engine.PlayerCount, {3, 4, 5}, 10);
    view.quickDeal = !engine.SlowDeal;
    view.sortByPoints = engine.SortByPoints;
    view.progressiveTwos = engine.ProgressiveTwos;
    static constexpr std::array<int, 5> kDesignImages = {0, 24, 26, 25, 27};
    view.framedDesignImage =
        engine.CardDesign >= 1 && engine.CardDesign <= 4 ? kDesignImages[engine.CardDesign] : 0;
    for (int seat = 1; seat <= 5; ++seat)
        view.names[seat - 1] = engine.PlayerNames[seat];
    return view;
}
