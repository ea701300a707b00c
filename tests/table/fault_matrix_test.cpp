// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a player's disk holds under the game's names, the real window starts, plays its
// first deal and keeps the player's files: each row plants one fault in the working folder,
// opens the table, presses START and DEAL, and checks the error boxes and the files after.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>

#include "fault_tools.h"
#include "storage/config.h"
#include "storage/high_scores.h"
#include "storage/saved_games.h"
#include "table_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTable = "Save/highscores1.scx";

// A high-score file of a player with 42 games and 7 wins behind them.
std::string TableOf42Games() {
    std::vector<uint8_t> bytes(160, 0);
    for (int entry = 0; entry < 6; ++entry)
        SetSlot(bytes, 24 + 21 * entry, "Ann");
    SetLe32(bytes, 4, 310);
    SetLe32(bytes, 152, 42);
    SetLe32(bytes, 156, 7);
    return {bytes.begin(), bytes.end()};
}

struct Row {
    const char* name;
    std::function<void()> plant;     // the fault, made before the program starts
    bool asOrdinaryUser = false;     // the fault is one of permissions
    std::vector<QString> dealErrors; // the boxes START and the first DEAL show
    std::function<void(const Engine&)> check = [](const Engine&) {};
};

class FaultMatrix : public TableTest {
  protected:
    // Opens the table, applies the options and deals once; the error boxes of the deal are
    // returned, those of the start-up must be none.
    std::vector<QString> StartAndDeal() {
        Open();
        for (const QString& error : errors)
            ADD_FAILURE() << "start-up error: " << error.toStdString();
        form->Image20Click();
        form->ImageDealClick();
        return errors;
    }

    void RunRow(const Row& row) {
        SCOPED_TRACE(row.name);
        if (row.asOrdinaryUser)
            OpenToEverybody(".");
        row.plant();
        std::vector<QString> seen;
        if (row.asOrdinaryUser) {
            AsOrdinaryUser user;
            if (!user.PermissionsHold())
                GTEST_SKIP() << "cannot run as an ordinary user here";
            seen = StartAndDeal();
        } else {
            seen = StartAndDeal();
        }
        EXPECT_EQ(seen, row.dealErrors);
        // The deal went on where no box stopped it: the human holds the six cards dealt.
        if (row.dealErrors.empty()) {
            EXPECT_EQ(engine.Hands[1].count, 6);
        }
        row.check(engine);
    }

    // Each row in a folder of its own, with a fresh engine and window; after is checked
    // while the row's window is still up.
    void RunRows(
        const std::vector<Row>& rows, const std::function<void()>& after = [] {}) {
        for (const Row& row : rows) {
            TempFolder rowFolder;
            SetUp();
            RunRow(row);
            after();
            CloseWindows();
            engine = Engine();
            errors.clear();
        }
    }
};

// Without a settings file the engine keeps its names and START takes the panel as designed.
void ExpectDefaults(const Engine& engine) {
    EXPECT_EQ(engine.PlayerNames[2], "Raduz");
    EXPECT_EQ(engine.PlayerCount, 4);
}

} // namespace

TEST_F(FaultMatrix, SettingsFileThatCannotBeUsed) {
    const std::vector<Row> rows = {
        {"no Config.cfg",
         [] {},
         false,
         {},
         [](const Engine& e) {
             ExpectDefaults(e);
             EXPECT_EQ(ReadBytes("Config.cfg").substr(0, 14), "4,6,2,6,0,0,0,");
         }},
        {"Config.cfg unreadable",
         [] {
             WriteBytes("Config.cfg", std::string("3,1,1,4,1,1,1,A,B,C,D,E,"));
             fs::permissions("Config.cfg", fs::perms::none);
         },
         true,
         {},
         [](const Engine& e) {
             ExpectDefaults(e);
             fs::permissions("Config.cfg", fs::perms::owner_read);
             EXPECT_EQ(ReadBytes("Config.cfg"), "3,1,1,4,1,1,1,A,B,C,D,E,");
         }},
        {"Config.cfg a folder",
         [] { fs::create_directory("Config.cfg"); },
         false,
         {},
         [](const Engine& e) {
             ExpectDefaults(e);
             EXPECT_TRUE(fs::is_directory("Config.cfg"));
         }},
        {"Config.cfg a named pipe",
         [] { ASSERT_TRUE(MakeFifo("Config.cfg")); },
         false,
         {},
         [](const Engine& e) {
             ExpectDefaults(e);
             EXPECT_TRUE(fs::is_fifo("Config.cfg"));
         }},
    };
    HangGuard guard(60);
    RunRows(rows);
}

TEST_F(FaultMatrix, ReadOnlyWorkingFolder) {
    HangGuard guard(60);
    // Nothing can be created: the start-up is silent and the first deal reports the
    // high-score file it cannot write, once, and stops there, as a failed write does.
    RunRow({"read-only working folder",
            [] {
                fs::permissions(".", fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
            },
            true,
            {"File access denied"},
            [](const Engine& e) {
                EXPECT_FALSE(fs::exists("Save"));
                EXPECT_FALSE(fs::exists("Config.cfg"));
                EXPECT_EQ(e.GamesPlayed, 1);
            }});
    fs::permissions(".", fs::perms::owner_all);
    // The next deal goes through: the game is counted once per run.
    errors.clear();
    form->ImageDealClick();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(engine.Hands[1].count, 6);
}

TEST_F(FaultMatrix, SaveFolderThatIsNoFolder) {
    const std::vector<Row> rows = {
        {"Save a file",
         [] { WriteBytes("Save", std::string("a file")); },
         false,
         {"Path not found"},
         [](const Engine&) { EXPECT_EQ(ReadBytes("Save"), "a file"); }},
        {"Save a named pipe",
         [] { ASSERT_TRUE(MakeFifo("Save")); },
         false,
         {"Path not found"},
         [](const Engine&) { EXPECT_TRUE(fs::is_fifo("Save")); }},
        {"Save read-only",
         [] {
             fs::create_directory("Save");
             fs::permissions("Save", fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
         },
         true,
         {"File access denied"},
         [](const Engine&) { EXPECT_TRUE(fs::is_empty("Save")); }},
    };
    HangGuard guard(60);
    RunRows(rows, [this] { EXPECT_EQ(form->ComboBox2->count(), 0); });
}

TEST_F(FaultMatrix, HighScoreFileDamagedOrUnreadable) {
    const std::vector<Row> rows = {
        {"highscores1.scx truncated",
         [] { WriteBytes(kTable, TableOf42Games().substr(0, 150)); },
         false,
         {},
         [](const Engine& e) {
             EXPECT_EQ(e.GamesPlayed, 1); // nothing whole was in it: a fresh table
             EXPECT_EQ(ReadBytes(kTable).size(), 160u);
         }},
        {"highscores1.scx oversized",
         [] { WriteBytes(kTable, std::string(160 * 1000, '\0') + TableOf42Games() + "extra"); },
         false,
         {},
         [](const Engine& e) {
             EXPECT_EQ(e.GamesPlayed, 43);
             EXPECT_EQ(e.HighScoreNames[0], "Ann");
         }},
        {"highscores1.scx unreadable",
         [] {
             WriteBytes(kTable, TableOf42Games());
             OpenToEverybody("Save");
             fs::permissions(kTable, fs::perms::none);
         },
         true,
         {},
         [](const Engine& e) {
             EXPECT_EQ(e.GamesPlayed, 1);
             fs::permissions(kTable, fs::perms::owner_read);
             EXPECT_EQ(ReadBytes(kTable), TableOf42Games()); // Games 42 survives
         }},
        {"highscores1.scx a named pipe",
         [] {
             fs::create_directory("Save");
             ASSERT_TRUE(MakeFifo(kTable));
         },
         false,
         {},
         [](const Engine&) { EXPECT_TRUE(fs::is_fifo(kTable)); }},
    };
    HangGuard guard(60);
    RunRows(rows);
}

TEST_F(FaultMatrix, SavedGamesThatCannotBeLoadedChangeNothing) {
    HangGuard guard(60);
    fs::create_directory("Save");
    std::vector<uint8_t> wild(376, 0xFF); // every field out of range
    WriteBytes("Save/Wild.sav", wild);
    ASSERT_TRUE(MakeFifo("Save/Pipe.sav"));
    WriteBytes("Save/Short.sav", std::string(375, 'x'));
    Open();
    ASSERT_TRUE(errors.empty());
    QComboBox* box = form->ComboBox2;
    for (const char* name : {"Wild", "Pipe", "Short", "Missing", "1digit", "a/../../x"}) {
        box->setEditText(QString::fromLatin1(name));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(pacer.waits.empty()) << name; // no "loaded" message was shown
        EXPECT_EQ(engine.PlayerCount, 5) << name;
        EXPECT_EQ(engine.PlayerNames[2], "Raduz") << name;
    }
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(ReadBytes("Save/Wild.sav"), std::string(wild.begin(), wild.end()));
    EXPECT_TRUE(fs::is_fifo("Save/Pipe.sav"));
}

TEST_F(FaultMatrix, SaveOnAFullDiskKeepsTheOldSaveAndShowsOneError) {
    Open();
    form->Image20Click();
    form->ImageDealClick();
    Engine old;
    old.EngineStartUp({});
    old.SaveName = "Friday";
    old.RoundNo = 2;
    ASSERT_TRUE(SaveGame(old));
    const std::string before = ReadBytes("Save/Friday.sav");
    errors.clear();
    QComboBox* box = form->ComboBox3;
    box->setEditText(QStringLiteral("Friday"));
    {
        FileSizeLimit fullDisk(100);
        form->ComboBox3KeyDown(13);
    }
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("Disk full")});
    EXPECT_EQ(ReadBytes("Save/Friday.sav"), before);
    EXPECT_TRUE(form->Label30->isHidden()); // no "saved" message
    // A save that is a link to a full device is left alone, with one box too.
    fs::create_symlink("/dev/full", "Save/Device.sav");
    errors.clear();
    box->setEditText(QStringLiteral("Device"));
    form->ComboBox3KeyDown(13);
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("File access denied")});
    EXPECT_TRUE(fs::is_symlink("Save/Device.sav"));
}

TEST_F(FaultMatrix, DealOnAFullDiskKeepsTheSettingsFileAndShowsOneError) {
    const std::string settings = "3,1,4,7,1,1,1,Ann,Bo,Cy,Di,Ed,";
    WriteBytes("Config.cfg", settings);
    Open();
    ASSERT_TRUE(errors.empty());
    form->Image20Click();
    {
        FileSizeLimit fullDisk(10); // less than the settings line
        form->ImageDealClick();
    }
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("Disk full")});
    EXPECT_EQ(engine.Hands[1].count, 7); // the deal of seven went on; the box came after it
    EXPECT_EQ(ReadBytes("Config.cfg"), settings);
    EXPECT_FALSE(fs::exists("Config.cfg.tmp"));
}

TEST_F(FaultMatrix, OddNamesNeverBreakTheSettingsLine) {
    WriteBytes("Config.cfg", std::string("5,3,2,6,0,0,0,You,Raduz,Vur,Dad,Dezev,"));
    Open();
    QComboBox* names = form->ComboBox1;
    const std::vector<std::pair<int, QString>> typed = {
        {1, QStringLiteral("a,b/c\\d:e")}, // separators
        {2, QString::fromUtf8("tab\there\x01"
                              "bell")},                              // control characters
        {3, QString(25, QChar(0x00E9))},                             // 25 two-byte characters
        {4, QString::fromUtf8("\xF0\x9F\x82\xA1 twenty-two bytes")}, // a four-byte character
    };
    for (const auto& [index, text] : typed) {
        emit names->activated(index);
        names->setEditText(text);
        form->ComboBox1KeyDown(13);
    }
    form->Image20Click();
    form->ImageDealClick();
    const std::string line = ReadBytes("Config.cfg");
    Engine reader;
    reader.SetDefaultNames();
    ParseConfigLine(reader, line);
    for (int seat = 1; seat <= 5; ++seat) {
        EXPECT_EQ(reader.PlayerNames[seat], engine.PlayerNames[seat]) << seat;
        EXPECT_LE(engine.PlayerNames[seat].size(), 20u);
        EXPECT_TRUE(QString::fromStdString(engine.PlayerNames[seat]).toUtf8().toStdString() ==
                    engine.PlayerNames[seat])
            << "seat " << seat << " holds a broken character";
    }
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 12);
}

// Names in the settings file with bytes that are no UTF-8 at all: the window shows them with
// replacement marks, and the deal writes them back byte for byte, so a name never shrinks.
TEST_F(FaultMatrix, BrokenUtf8NamesInTheSettingsFileSurviveADeal) {
    const std::string names = "Y\xDD\xF1,\xFF\xFE"
                              "x,Ok,\xC3,Z\x80"
                              "z,";
    WriteBytes("Config.cfg", "5,3,2,6,0,0,0," + names);
    StartAndDeal();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(engine.Hands[1].count, 6);
    EXPECT_EQ(ReadBytes("Config.cfg"), "5,3,2,6,0,0,0," + names);
    QComboBox* box = form->ComboBox1;
    ASSERT_GE(box->count(), 2);
    EXPECT_TRUE(box->itemText(0).startsWith(QLatin1Char('Y'))) << box->itemText(0).toStdString();
    EXPECT_TRUE(box->itemText(1).contains(QChar(0xFFFD))) << box->itemText(1).toStdString();
}
TEST_F(FaultMatrix, HostileRulesTextsShowTheirFirstLinesCut) {
    const std::vector<std::pair<const char*, std::string>> texts = {
        {"10,000 lines",
         [] {
             std::string text;
             for (int i = 1; i <= 10000; ++i)
                 text += "line " + std::to_string(i) + "\r\n";
             return text;
         }()},
        {"10,000-character lines", std::string(10000, 'w') + "\r\n" + std::string(10000, 'v')},
        {"NUL bytes", std::string("one\0two\r\n\0\0\0\r\nthree", 19)},
        {"invalid UTF-8", std::string("\xFF\xFE broken \xC3\r\n\xE2\x82 cut")},
    };
    HangGuard guard(60);
    for (const auto& [name, text] : texts) {
        SCOPED_TRACE(name);
        TempFolder rowFolder;
        SetUp();
        WriteBytes("rules.txt", text);
        engine = Engine();
        Open();
        EXPECT_TRUE(errors.empty());
        EXPECT_LE(engine.RulesLineCount, 80);
        for (int line = 1; line <= engine.RulesLineCount; ++line)
            EXPECT_LE(engine.RulesLines[line].size(), 95u);
        form->Image33Click();
        for (int page = 0; page < 8; ++page)
            form->Image29Click();
        form->Image30Click();
        form->Image28Click();
        EXPECT_LE(form->Memo1->toPlainText().size(), 16 * 96);
        CloseWindows();
    }
}

// Each sheet missing, cut short, of another depth or too small: one box, and the program
// keeps running with the table as far as the start-up got.
TEST_F(FaultMatrix, EachBrokenCardSheetShowsOneError) {
    struct Sheet {
        const char* file;
        QImage (*image)();
    };
    const std::vector<Sheet> sheetsToBreak = {{"deck.bmp", sheets::Deck},
                                              {"cardpatterns.bmp", sheets::Patterns},
                                              {"background.bmp", sheets::Background}};
    const std::vector<std::pair<const char*, std::function<void(const Sheet&)>>> faults = {
        {"missing", [](const Sheet& s) { fs::remove(s.file); }},
        {"truncated",
         [](const Sheet& s) {
             const std::string bytes = ReadBytes(s.file);
             WriteBytes(s.file, bytes.substr(0, bytes.size() / 2));
         }},
        {"8-bit",
         [](const Sheet& s) {
             ASSERT_TRUE(s.image().convertToFormat(QImage::Format_Indexed8).save(s.file, "BMP"));
         }},
        {"too small",
         [](const Sheet& s) { ASSERT_TRUE(s.image().copy(0, 0, 60, 60).save(s.file, "BMP")); }},
        {"a named pipe",
         [](const Sheet& s) {
             fs::remove(s.file);
             ASSERT_TRUE(MakeFifo(s.file));
         }},
    };
    HangGuard guard(120);
    for (const Sheet& sheet : sheetsToBreak) {
        for (const auto& [faultName, breakIt] : faults) {
            SCOPED_TRACE(std::string(sheet.file) + " " + faultName);
            TempFolder rowFolder;
            SetUp();
            breakIt(sheet);
            engine = Engine();
            errors.clear();
            Open();
            ASSERT_EQ(errors.size(), 1u);
            const bool cannotOpen =
                std::string(faultName) == "missing" || std::string(faultName) == "a named pipe";
            if (cannotOpen)
                EXPECT_TRUE(errors[0].startsWith("Cannot open file ")) << errors[0].toStdString();
            else
                EXPECT_EQ(errors[0], "Bitmap image is not valid");
            // The program goes on: the window takes clicks, and the rules open.
            form->Image33Click();
            EXPECT_TRUE(form->Panel2->isVisible() || !form->isVisible());
            CloseWindows();
        }
    }
}
