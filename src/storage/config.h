// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file "Config.cfg": one comma-separated line carrying the option choices and the
// five seat names from one run to the next. Read at table start-up, rewritten at every deal.
#pragma once

#include <array>
#include <string>

#include "engine/engine.h"

// Target code written to the file for a target score; 250 has a code of its own (6) so that
// every target the options panel offers comes back as it was chosen.
int PlayUntilCode(int playUntil);
// Target score for a code digit read from the file; unknown digits mean 350.
int PlayUntilFromCode(int code);
// True for the targets a game may be played to (the saved-game check uses it too).
bool IsPlayUntilTarget(int playUntil);

// A seat name as it may be kept: commas and control characters (which would break the
// settings line and shift every later name) become blanks, and the text is cut to 20 bytes
// without splitting a UTF-8 character. The names box and saved-game loading use it too.
std::string CleanSeatName(const std::string& name);

// The settings line exactly as written: seven one-digit fields and five names, each followed
// by ",", no line terminator.
std::string BuildConfigLine(const Engine& engine);

// Applies one line of the settings file: comment and short lines are skipped, fields at fixed
// positions 1, 3, .. 13 that are not digits leave their setting alone, names from position 15.
void ParseConfigLine(Engine& engine, const std::string& line);

// Writes "Config.cfg" through a new file renamed over the old one. Where the file cannot be
// written (a link, pipe or folder under the name, a read-only file or folder) nothing happens,
// silently; a write, flush or rename failure after that throws StorageError and keeps the old
// file as it was.
void SaveConfig(const Engine& engine);

// Reads "Config.cfg" line by line, later lines overriding earlier ones. Returns false (and
// changes nothing) when the file cannot be opened; a read failure afterwards throws StorageError.
bool LoadConfig(Engine& engine);

// What ShowSettings puts on the option controls, worked out from the engine so the window only
// copies it. A control number of 0 means "leave those buttons as they are".
struct SettingsView {
    int dealSizeButton = 0;           // RadioButton1..4 for 4..7 cards
    int targetButton = 0;             // RadioButton5..9 for 100, 200, 250, 300, 350 points
    int playerCountButton = 0;        // RadioButton10..12 for 3..5 players
    bool quickDeal = true;            // CheckBox1: on when SlowDeal is off
    bool sortByPoints = false;        // CheckBox2
    bool progressiveTwos = false;     // CheckBox3
    int framedDesignImage = 0;        // Image24, Image26, Image25, Image27 for designs 1..4
    std::array<std::string, 5> names; // the names box, seats 1..5 in order
};

SettingsView MakeSettingsView(const Engine& engine);
