// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/rules_text.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

void WriteRulesFile(int lines, const std::string& ending = "\r\n") {
    std::string text;
    for (int i = 1; i <= lines; ++i)
        text += "line " + std::to_string(i) + ending;
    WriteBytes("rules.txt", text);
}

Engine LoadedEngine() {
    Engine engine;
    LoadRules(engine);
    return engine;
}

std::pair<int, int> Shown(const RulesPage& page) {
    return {page.first, page.last};
}

} // namespace

TEST(RulesText, LoadsAtMostEightyLinesOfNinetyFiveBytes) {
    TempFolder folder;
    std::string text;
    for (int i = 1; i <= 100; ++i)
        text += "L" + std::to_string(i) + "\r\n";
    text = std::string(120, 'x') + "\r\n" + text;
    WriteBytes("rules.txt", text);
    const Engine engine = LoadedEngine();
    EXPECT_EQ(engine.RulesLineCount, 80);
    EXPECT_EQ(GetRulesLine(engine, 1), std::string(95, 'x'));
    EXPECT_EQ(GetRulesLine(engine, 2), "L1");
    EXPECT_EQ(GetRulesLine(engine, 80), "L79");
    EXPECT_EQ(GetRulesLine(engine, 0), "");
    EXPECT_EQ(GetRulesLine(engine, 81), "");
    EXPECT_EQ(GetRulesLine(engine, -5), "");
}

TEST(RulesText, LineEndsAndEmptyLines) {
    TempFolder folder;
    WriteBytes("rules.txt", "a\r\n\r\nb\nc\rd");
    const Engine engine = LoadedEngine();
    ASSERT_EQ(engine.RulesLineCount, 5);
    EXPECT_EQ(GetRulesLine(engine, 1), "a");
    EXPECT_EQ(GetRulesLine(engine, 2), "");
    EXPECT_EQ(GetRulesLine(engine, 3), "b");
    EXPECT_EQ(GetRulesLine(engine, 4), "c");
    EXPECT_EQ(GetRulesLine(engine, 5), "d");
}

TEST(RulesText, MissingFileLeavesNoLinesAndEmptyPages) {
    TempFolder folder;
    Engine engine;
    engine.RulesLines[3] = "stale";
    engine.RulesLineCount = 3;
    LoadRules(engine);
    EXPECT_EQ(engine.RulesLineCount, 0);
    EXPECT_EQ(engine.RulesLines[3], "");
    const RulesPage open = OpenRulesPage(engine);
    EXPECT_EQ(open.lines, std::vector<std::string>(15, ""));
    const RulesPage down = PageRulesDown(engine);
    EXPECT_EQ(Shown(down), std::make_pair(-15, 0));
    EXPECT_EQ(down.lines, std::vector<std::string>(16, ""));
    const RulesPage up = PageRulesUp(engine);
    EXPECT_EQ(Shown(up), std::make_pair(-15, -1));
    EXPECT_EQ(up.lines, std::vector<std::string>(15, ""));
}

TEST(RulesPaging, EightyLinesDownThenUp) {
    TempFolder folder;
    WriteRulesFile(80);
    Engine engine = LoadedEngine();
    const RulesPage open = OpenRulesPage(engine);
    EXPECT_EQ(Shown(open), std::make_pair(1, 15));
    EXPECT_EQ(open.lines.front(), "line 1");
    EXPECT_EQ(open.lines.back(), "line 15");

    const std::vector<std::pair<int, int>> down = {{15, 30}, {30, 45}, {45, 60},
                                                   {60, 75}, {65, 80}, {65, 80}};
    for (const auto& expected : down) {
        const RulesPage page = PageRulesDown(engine);
        EXPECT_EQ(Shown(page), expected);
        EXPECT_EQ(engine.RulesFirstShown, expected.first);
        EXPECT_EQ(engine.RulesLastShown, expected.second);
        ASSERT_EQ(page.lines.size(), static_cast<size_t>(expected.second - expected.first + 1));
        EXPECT_EQ(page.lines.front(), "line " + std::to_string(expected.first));
    }
    const std::vector<std::pair<int, int>> up = {{49, 63}, {33, 47}, {17, 31}, {1, 15}, {1, 15}};
    for (const auto& expected : up) {
        const RulesPage page = PageRulesUp(engine);
        EXPECT_EQ(Shown(page), expected);
        EXPECT_EQ(page.lines.size(), 15u);
        EXPECT_EQ(page.lines.back(), "line " + std::to_string(expected.second));
    }
    // Opening again always starts at the top.
    PageRulesDown(engine);
    EXPECT_EQ(Shown(OpenRulesPage(engine)), std::make_pair(1, 15));
}

TEST(RulesPaging, TenLinesPadWithEmptyLines) {
    TempFolder folder;
    WriteRulesFile(10, "\n");
    Engine engine = LoadedEngine();
    const RulesPage open = OpenRulesPage(engine);
    ASSERT_EQ(open.lines.size(), 15u);
    EXPECT_EQ(open.lines[9], "line 10");
    EXPECT_EQ(open.lines[10], "");

    const RulesPage down = PageRulesDown(engine);
    EXPECT_EQ(Shown(down), std::make_pair(-5, 10));
    ASSERT_EQ(down.lines.size(), 16u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(down.lines[i], "");
    EXPECT_EQ(down.lines[6], "line 1");
    EXPECT_EQ(down.lines[15], "line 10");

    const RulesPage up = PageRulesUp(engine);
    EXPECT_EQ(Shown(up), std::make_pair(-5, 9));
}
