// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/rules_text.h"

#include <algorithm>

#include "storage/file_io.h"

namespace {

RulesPage MakePage(Engine& engine, int first, int last) {
    engine.RulesFirstShown = first;
    engine.RulesLastShown = last;
    RulesPage page{first, last, {}};
    for (int number = first; number <= last; ++number)
        page.lines.push_back(GetRulesLine(engine, number));
    return page;
}

} // namespace

void LoadRules(Engine& engine) {
    for (auto& line : engine.RulesLines)
        line.clear();
    engine.RulesLineCount = 0;
    DataFile dataText;
    if (!OpenDataText(dataText, "rules", ".txt"))
        return;
    ReadRulesLines(engine, dataText);
    CloseDataText(dataText);
}

void ReadRulesLines(Engine& engine, DataFile& dataText) {
    engine.RulesLineCount = 0;
    std::string line;
    // Lines are stored as they come, so a read failure keeps every line read before it; the
    // handle closes itself as the failure leaves LoadRules.
    for (int number = 1; number <= kRulesMaxLines && ReadDataTextLine(dataText, line); ++number) {
        engine.RulesLines[number] = CutName(line, kRulesLineLength);
        engine.RulesLineCount = number;
    }
}

std::string GetRulesLine(const Engine& engine, int number) {
    if (number < 1 || number > engine.RulesLineCount || number > kRulesMaxLines)
        return "";
    return engine.RulesLines[number];
}

RulesPage OpenRulesPage(Engine& engine) {
    return MakePage(engine, 1, engine.RulesPageSize);
}

RulesPage PageRulesDown(Engine& engine) {
    const int count = engine.RulesLineCount;
    const int page = engine.RulesPageSize;
    const int first = std::min(engine.RulesLastShown, count - page);
    const int last = std::min(first + page, count);
    return MakePage(engine, first, last);
}

RulesPage PageRulesUp(Engine& engine) {
    const int count = engine.RulesLineCount;
    const int page = engine.RulesPageSize;
    int first = std::max(engine.RulesFirstShown - page - 1, 1);
    if (first > count - page)
        first = count - page;
    const int last = std::min(first + page - 1, count);
    return MakePage(engine, first, last);
}
