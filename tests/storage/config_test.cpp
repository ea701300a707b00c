// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fault_tools.h"
#include "storage/storage_error.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

// A settings file a player already has, with lines of their own.
const std::string kPlayersFile = "3,1,4,7,1,1,1,Ann,Bo,Cy,Di,Ed,\r\n; mine\r\n";

long EntriesHere() {
    return std::distance(fs::directory_iterator("."), fs::directory_iterator());
}

Engine DefaultEngine() {
    Engine engine;
    engine.SetDefaultNames();
    engine.DealSize = 6;
    return engine;
}

} // namespace

TEST(ConfigLine, DefaultSettingsGiveTheDocumentedLine) {
    const Engine engine = DefaultEngine();
    EXPECT_EQ(BuildConfigLine(engine), "5,3,2,6,0,0,0,You,Raduz,Vur,Dad,Dezev,");
}

TEST(ConfigLine, FlagsAndSettingsLandAtTheirFixedPositions) {
    Engine engine = DefaultEngine();
    engine.PlayerCount = 3;
    engine.PlayUntil = 100;
    engine.CardDesign = 4;
    engine.DealSize = 7;
    engine.SlowDeal = true;
    engine.SortByPoints = true;
    engine.ProgressiveTwos = true;
    EXPECT_EQ(BuildConfigLine(engine).substr(0, 14), "3,1,4,7,1,1,1,");
}

TEST(ConfigLine, EveryTargetComesBackAsChosen) {
    const std::vector<std::pair<int, char>> targets = {{100, '1'}, {200, '2'}, {250, '6'},
                                                       {300, '3'}, {350, '4'}, {400, '5'}};
    for (const auto& [target, code] : targets) {
        Engine engine = DefaultEngine();
        engine.PlayUntil = target;
        const std::string line = BuildConfigLine(engine);
        EXPECT_EQ(line[2], code) << target;
        Engine reader = DefaultEngine();
        reader.PlayUntil = 0;
        ParseConfigLine(reader, line);
        EXPECT_EQ(reader.PlayUntil, target);
    }
    // Files written before 250 had a code still read the old way.
    Engine reader = DefaultEngine();
    ParseConfigLine(reader, "5,9,2,6,0,0,0,");
    EXPECT_EQ(reader.PlayUntil, 350);
    ParseConfigLine(reader, "5,0,2,6,0,0,0,");
    EXPECT_EQ(reader.PlayUntil, 350);
}

TEST(ConfigLine, DigitMappings) {
    Engine engine = DefaultEngine();
    ParseConfigLine(engine, "7,1,9,3,0,2,1,");
    EXPECT_EQ(engine.PlayerCount, 4); // anything but 3 and 5
    EXPECT_EQ(engine.PlayUntil, 100);
    EXPECT_EQ(engine.CardDesign, 9); // taken as it is
    EXPECT_EQ(engine.DealSize, 3);
    EXPECT_FALSE(engine.SlowDeal);     // 0: quick deal on
    EXPECT_FALSE(engine.SortByPoints); // only the digit 1 means on
    EXPECT_TRUE(engine.ProgressiveTwos);

    ParseConfigLine(engine, "3,5,1,4,1,1,0,");
    EXPECT_EQ(engine.PlayerCount, 3);
    EXPECT_EQ(engine.PlayUntil, 400);
    EXPECT_TRUE(engine.SlowDeal);
    EXPECT_TRUE(engine.SortByPoints);
    EXPECT_FALSE(engine.ProgressiveTwos);
}

TEST(ConfigLine, CommentShortAndPartialLines) {
    Engine engine = DefaultEngine();
    const Engine before = engine;
    for (const char* line : {";5,1,1,4,1,1,1,", "5;1,1,4,1,1,1,", "5,;,1,4,1,1,1,", "3", "3,"}) {
        ParseConfigLine(engine, line);
        EXPECT_EQ(BuildConfigLine(engine), BuildConfigLine(before)) << line;
    }
    // A line that stops early sets what it holds and leaves the rest.
    ParseConfigLine(engine, "3,1,4");
    EXPECT_EQ(engine.PlayerCount, 3);
    EXPECT_EQ(engine.PlayUntil, 100);
    EXPECT_EQ(engine.CardDesign, 4);
    EXPECT_EQ(engine.DealSize, 6);
    // Non-digits leave their settings alone.
    ParseConfigLine(engine, "x,x,x,x,x,x,x,");
    EXPECT_EQ(engine.PlayerCount, 3);
    EXPECT_EQ(engine.DealSize, 6);
}

TEST(ConfigLine, NamesWalk) {
    Engine engine = DefaultEngine();
    ParseConfigLine(engine, "5,3,2,6,0,0,0,"); // 14 characters: no names part
    EXPECT_EQ(engine.PlayerNames[1], "You");

    ParseConfigLine(engine, "5,3,2,6,0,0,0,Ann,Bo,Cy,Di,Ed,Extra,");
    EXPECT_EQ(engine.PlayerNames[1], "Ann");
    EXPECT_EQ(engine.PlayerNames[5], "Ed");
    EXPECT_EQ(engine.PlayerNames[6], "");

    // Without the final comma the last character is lost; seats not named keep their names.
    ParseConfigLine(engine, "5,3,2,6,0,0,0,Zed,,Quin");
    EXPECT_EQ(engine.PlayerNames[1], "Zed");
    EXPECT_EQ(engine.PlayerNames[2], "");
    EXPECT_EQ(engine.PlayerNames[3], "Qui");
    EXPECT_EQ(engine.PlayerNames[4], "Di");

    ParseConfigLine(engine, "5,3,2,6,0,0,0,ABCDEFGHIJKLMNOPQRSTUVWXY,");
    EXPECT_EQ(engine.PlayerNames[1], "ABCDEFGHIJKLMNOPQRST");
    // 19 ASCII bytes then a two-byte character: the cut drops the whole character.
    ParseConfigLine(engine, "5,3,2,6,0,0,0,ABCDEFGHIJKLMNOPQRS\xC3\xA9X,");
    EXPECT_EQ(engine.PlayerNames[1], "ABCDEFGHIJKLMNOPQRS");
    ParseConfigLine(engine, "5,3,2,6,0,0,0,J\xC3\xB6rg,");
    EXPECT_EQ(engine.PlayerNames[1], "J\xC3\xB6rg");
}

TEST(ConfigLine, SeparatorsInNamesCannotShiftLaterNames) {
    Engine engine = DefaultEngine();
    engine.PlayerNames[2] = "Ra,duz";
    engine.PlayerNames[3] = "V\tur\r";
    const std::string line = BuildConfigLine(engine);
    EXPECT_EQ(line, "5,3,2,6,0,0,0,You,Ra duz,V ur ,Dad,Dezev,");
    Engine reader = DefaultEngine();
    ParseConfigLine(reader, line);
    EXPECT_EQ(reader.PlayerNames[4], "Dad");
    ParseConfigLine(reader, "5,3,2,6,0,0,0,A\x01"
                            "b,");
    EXPECT_EQ(reader.PlayerNames[1], "A b");
    EXPECT_EQ(CleanSeatName("x,y"), "x y");
}

TEST(ConfigFile, WritesOneLineWithoutTerminatorAndReadsItBack) {
    TempFolder folder;
    Engine engine = DefaultEngine();
    engine.PlayUntil = 250;
    engine.PlayerNames[1] = "Mia";
    SaveConfig(engine);
    EXPECT_EQ(ReadBytes("Config.cfg"), "5,6,2,6,0,0,0,Mia,Raduz,Vur,Dad,Dezev,");

    Engine reader;
    ASSERT_TRUE(LoadConfig(reader));
    EXPECT_EQ(reader.PlayUntil, 250);
    EXPECT_EQ(reader.DealSize, 6);
    EXPECT_EQ(reader.PlayerNames[1], "Mia");
    EXPECT_EQ(reader.PlayerNames[5], "Dezev");
}

TEST(ConfigFile, LaterLinesOverrideFieldByField) {
    TempFolder folder;
    WriteBytes("Config.cfg", "3,1,4,7,1,1,1,A,B,C,D,E,\r\n; a comment\r\n5,x,3,x,0,x,x,F,\r\n");
    Engine engine = DefaultEngine();
    ASSERT_TRUE(LoadConfig(engine));
    EXPECT_EQ(engine.PlayerCount, 5);
    EXPECT_EQ(engine.PlayUntil, 100);
    EXPECT_EQ(engine.CardDesign, 3);
    EXPECT_EQ(engine.DealSize, 7);
    EXPECT_FALSE(engine.SlowDeal);
    EXPECT_TRUE(engine.SortByPoints);
    EXPECT_TRUE(engine.ProgressiveTwos);
    EXPECT_EQ(engine.PlayerNames[1], "F");
    EXPECT_EQ(engine.PlayerNames[2], "B");
}

TEST(ConfigFile, MissingOrUnwritableFilesAreSilent) {
    TempFolder folder;
    Engine engine = DefaultEngine();
    EXPECT_FALSE(LoadConfig(engine));
    EXPECT_EQ(engine.PlayerCount, 5);

    // A folder in the file's place can be neither read nor written; nothing is reported.
    fs::create_directory("Config.cfg");
    EXPECT_FALSE(LoadConfig(engine));
    EXPECT_NO_THROW(SaveConfig(engine));
    EXPECT_TRUE(fs::is_directory("Config.cfg"));
}

TEST(ConfigFile, ADealReplacesTheWholeFileWithExactlyTheLine) {
    TempFolder folder;
    WriteBytes("Config.cfg",
               std::string("3,1,4,7,1,1,1,A,B,C,D,E,\r\n; a longer file of mine\r\n"));
    SaveConfig(DefaultEngine());
    EXPECT_EQ(ReadBytes("Config.cfg"), "5,3,2,6,0,0,0,You,Raduz,Vur,Dad,Dezev,");
    EXPECT_EQ(EntriesHere(), 1);
}

TEST(ConfigFile, AFullDiskKeepsTheOldFileByteForByte) {
    TempFolder folder;
    WriteBytes("Config.cfg", kPlayersFile);
    {
        FileSizeLimit fullDisk(10); // room for less than the line
        try {
            SaveConfig(DefaultEngine());
            ADD_FAILURE() << "no error raised";
        } catch (const StorageError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
        }
    }
    EXPECT_EQ(ReadBytes("Config.cfg"), kPlayersFile);
    EXPECT_EQ(EntriesHere(), 1); // no temporary file left
}

TEST(ConfigFile, ALinkOrPipeUnderTheNameIsLeftAloneSilently) {
    HangGuard guard(20);
    TempFolder folder;
    WriteBytes("elsewhere.cfg", kPlayersFile);
    fs::create_symlink("elsewhere.cfg", "Config.cfg");
    EXPECT_NO_THROW(SaveConfig(DefaultEngine()));
    EXPECT_TRUE(fs::is_symlink("Config.cfg"));
    EXPECT_EQ(ReadBytes("elsewhere.cfg"), kPlayersFile);
    fs::remove("Config.cfg");
    if (fs::exists("/dev/full")) {
        fs::create_symlink("/dev/full", "Config.cfg");
        EXPECT_NO_THROW(SaveConfig(DefaultEngine()));
        EXPECT_TRUE(fs::is_symlink("Config.cfg"));
        fs::remove("Config.cfg");
    }
    ASSERT_TRUE(MakeFifo("Config.cfg"));
    EXPECT_NO_THROW(SaveConfig(DefaultEngine()));
    EXPECT_TRUE(fs::is_fifo("Config.cfg"));
    EXPECT_EQ(EntriesHere(), 2);
}

// A read-only file stays as the player made it, although its folder would let a new one be
// renamed over it; in a read-only folder the file is never emptied in place either.
TEST(ConfigFile, AReadOnlyFileOrFolderKeepsTheOldFileSilently) {
    TempFolder folder;
    WriteBytes("Config.cfg", kPlayersFile);
    for (const bool readOnlyFolder : {false, true}) {
        SCOPED_TRACE(readOnlyFolder ? "read-only folder" : "read-only file");
        const fs::perms readOnly =
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
        fs::permissions("Config.cfg", readOnlyFolder ? fs::perms::all : readOnly);
        fs::permissions(".", readOnlyFolder ? readOnly | fs::perms::owner_exec |
                                                  fs::perms::group_exec | fs::perms::others_exec
                                            : fs::perms::all);
        {
            AsOrdinaryUser user;
            if (!user.PermissionsHold())
                GTEST_SKIP() << "cannot run as an ordinary user here";
            EXPECT_NO_THROW(SaveConfig(DefaultEngine()));
        }
        fs::permissions(".", fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(ReadBytes("Config.cfg"), kPlayersFile);
        EXPECT_EQ(EntriesHere(), 1);
    }
}

TEST(ConfigView, ControlsShownForTheSettings) {
    Engine engine = DefaultEngine();
    engine.PlayerCount = 3;
    engine.PlayUntil = 250;
    engine.CardDesign = 3;
    engine.DealSize = 4;
    engine.SlowDeal = true;
    SettingsView view = MakeSettingsView(engine);
    EXPECT_EQ(view.dealSizeButton, 1);
    EXPECT_EQ(view.targetButton, 7);
    EXPECT_EQ(view.playerCountButton, 10);
    EXPECT_FALSE(view.quickDeal);
    EXPECT_EQ(view.framedDesignImage, 25);
    EXPECT_EQ(view.names[4], "Dezev");

    // Values the controls do not offer leave them as they are.
    engine.PlayUntil = 400;
    engine.DealSize = 9;
    engine.CardDesign = 0;
    view = MakeSettingsView(engine);
    EXPECT_EQ(view.targetButton, 0);
    EXPECT_EQ(view.dealSizeButton, 0);
    EXPECT_EQ(view.framedDesignImage, 0);
    engine.CardDesign = 2;
    EXPECT_EQ(MakeSettingsView(engine).framedDesignImage, 26);
}
