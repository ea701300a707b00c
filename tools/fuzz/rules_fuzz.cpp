// SPDX-License-Identifier: GPL-3.0-or-later
// "rules.txt" holding the input: read at start-up, then every page the viewer's buttons can
// reach: VIEW RULES, PAGE DOWN to the end, PAGE UP to the start, and a mixed walk.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "storage/rules_text.h"

namespace {

// The file's lines as a reader sees them: a line ends at CR LF, LF or CR.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += text[i];
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

void CheckLinesRead(const Engine& e, const std::string& text) {
    FUZZ_CHECK(e.RulesLineCount >= 0 && e.RulesLineCount <= kRulesMaxLines,
               std::to_string(e.RulesLineCount) + " rules lines");
    for (int number = 1; number <= kRulesMaxLines; ++number) {
        const std::string& line = e.RulesLines[number];
        FUZZ_CHECK(line.size() <= static_cast<size_t>(kRulesLineLength),
                   "rules line " + std::to_string(number) + " holds " +
                       std::to_string(line.size()) + " bytes");
        FUZZ_CHECK(number <= e.RulesLineCount || line.empty(),
                   "rules line " + std::to_string(number) + " is past the end but not empty");
    }
    if (text.size() > kTextReadLimit)
        return;
    // The first 80 lines of the file, each cut to 95 bytes between characters.
    const std::vector<std::string> lines = SplitLines(text);
    const int expected = std::min<int>(static_cast<int>(lines.size()), kRulesMaxLines);
    FUZZ_CHECK(e.RulesLineCount == expected, std::to_string(e.RulesLineCount) +
                                                 " rules lines read of " +
                                                 std::to_string(lines.size()));
    for (int number = 1; number <= expected; ++number)
        FUZZ_CHECK(e.RulesLines[number] == CutName(lines[number - 1], kRulesLineLength),
                   "rules line " + std::to_string(number) + " is not the file's");
}

void CheckPage(const Engine& e, const RulesPage& page, const std::string& after) {
    FUZZ_CHECK(page.first == e.RulesFirstShown && page.last == e.RulesLastShown,
               "the page kept is not the page shown after " + after);
    const int shown = std::max(0, page.last - page.first + 1);
    FUZZ_CHECK(static_cast<int>(page.lines.size()) == shown,
               std::to_string(page.lines.size()) + " lines shown for " +
                   std::to_string(page.first) + ".." + std::to_string(page.last) + " after " +
                   after);
    FUZZ_CHECK(shown <= e.RulesPageSize + 1,
               std::to_string(shown) + " lines on one page after " + after);
    for (int i = 0; i < shown; ++i)
        FUZZ_CHECK(page.lines[i] == GetRulesLine(e, page.first + i),
                   "line " + std::to_string(page.first + i) + " shown wrong after " + after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterPrivateFolder();
    WriteInputFile("rules.txt", data, size);

    Engine e;
    e.EngineStartUp(StartUpFiles{});
    LoadRules(e);
    CheckLinesRead(e, std::string(reinterpret_cast<const char*>(data), size));
    const int count = e.RulesLineCount;
    const int page = e.RulesPageSize;

    CheckPage(e, OpenRulesPage(e), "VIEW RULES");
    FUZZ_CHECK(e.RulesFirstShown == 1 && e.RulesLastShown == page, "VIEW RULES is not lines 1..15");
    // Six pages hold all 80 lines; the seventh PAGE DOWN stays on the last.
    for (int click = 1; click <= 7; ++click)
        CheckPage(e, PageRulesDown(e), "PAGE DOWN " + std::to_string(click));
    FUZZ_CHECK(e.RulesLastShown == count,
               "PAGE DOWN stops at line " + std::to_string(e.RulesLastShown));
    for (int click = 1; click <= 7; ++click)
        CheckPage(e, PageRulesUp(e), "PAGE UP " + std::to_string(click));
    FUZZ_CHECK(e.RulesFirstShown == std::min(1, count - page),
               "PAGE UP stops at line " + std::to_string(e.RulesFirstShown));

    // A walk chosen by the text itself, from a freshly opened panel.
    CheckPage(e, OpenRulesPage(e), "VIEW RULES again");
    uint32_t walk = SeedOf(data, size);
    for (int click = 0; click < 16; ++click, walk >>= 2) {
        if ((walk & 3) == 0)
            CheckPage(e, PageRulesUp(e), "a PAGE UP");
        else
            CheckPage(e, PageRulesDown(e), "a PAGE DOWN");
    }
    return 0;
}
