// SPDX-License-Identifier: GPL-3.0-or-later
// The rules text "rules.txt": up to 80 lines of up to 95 bytes, read once at start-up, and the
// paging arithmetic of the rules viewer. The viewer's buttons call the three page functions and
// show the lines they return; the first and last line numbers are also kept in the engine.
#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"
#include "storage/file_io.h"

constexpr int kRulesMaxLines = 80;
constexpr int kRulesLineLength = 95;

// Reads "rules.txt" into the engine's rules lines. A missing file leaves no lines, silently;
// a read failure after the open keeps the lines read so far and throws StorageError.
void LoadRules(Engine& engine);

// Reads the open rules text into the engine's lines: the first 80 lines, each cut to 95 bytes.
void ReadRulesLines(Engine& engine, DataFile& dataText);

// The stored line of that number, or "" for any number outside 1..RulesLineCount.
std::string GetRulesLine(const Engine& engine, int number);

// One page of the viewer: the line numbers stored in the engine and the texts to show, one per
// number first..last (numbers outside the text give empty lines; empty when last < first).
struct RulesPage {
    int first = 0;
    int last = 0;
    std::vector<std::string> lines;
};

RulesPage OpenRulesPage(Engine& engine); // VIEW RULES: lines 1..page size
RulesPage PageRulesDown(Engine& engine); // PAGE DOWN: overlaps the last line of the page before
RulesPage PageRulesUp(Engine& engine);   // PAGE UP
