#include "storage/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "storage/config.h"
#include "storage/rules_text.h"
#include "storage/saved_games.h"
#include "storage/storage.h"

#include "storage/storage_error.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

TEST(FileIo, ErrorTexts) {
    EXPECT_EQ(IoErrorText(ENOSPC), "Disk full");
    EXPECT_EQ(IoErrorText(EACCES), "File access denied");
    EXPECT_EQ(IoErrorText(EROFS), "File access denied");
    EXPECT_EQ(IoErrorText(ENOENT), "File not found");
    EXPECT_EQ(IoErrorText(EIO), "I/O error " + std::to_string(EIO));
}

TEST(FileIo, LastWholeRecord) {
    TempFolder folder;
    EXPECT_FALSE(ReadLastRecord("none", 4).has_value());
    WriteBytes("r", std::string("abcdefghij"));
    const auto record = ReadLastRecord("r", 4);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(std::string(record->begin(), record->end()), "efgh");
    WriteBytes("short", std::string("abc"));
    const auto none = ReadLastRecord("short", 4);
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());
}

TEST(FileIo, ReplaceLeavesNoTemporaryFile) {
    TempFolder folder;
    WriteBytes("f", std::string("old contents"));
    const std::vector<uint8_t> bytes = {1, 2, 3};
    ReplaceFile("f", bytes);
    EXPECT_EQ(ReadBytes("f"), std::string("\x01\x02\x03"));
    EXPECT_FALSE(fs::exists("f.tmp"));

    // Renaming over a folder fails: the temporary file goes, the folder stays.
    fs::create_directory("d");
    EXPECT_THROW(ReplaceFile("d", bytes), StorageError);
    EXPECT_TRUE(fs::is_directory("d"));
    EXPECT_FALSE(fs::exists("d.tmp"));
}

// Reading this file opens fine and then fails with an I/O error at the first byte, which is
// what a failing disk looks like to the game.
constexpr const char* kUnreadable = "/proc/self/mem";

TEST(ReadFailures, ThrowAfterOpenInHandlersAndStaySilentAtStartUp) {
    if (!fs::exists(kUnreadable))
        GTEST_SKIP() << "no " << kUnreadable;
    TempFolder folder;
    const std::string ioError = "I/O error " + std::to_string(EIO);
    fs::create_symlink(kUnreadable, "Config.cfg");
    fs::create_symlink(kUnreadable, "rules.txt");
    fs::create_directory("Save");
    fs::create_symlink(kUnreadable, "Save/bad.sav");
    fs::create_symlink(kUnreadable, "Save/highscores1.scx");

    Engine engine;
    auto expectIoError = [&](const std::function<void()>& action) {
        try {
            action();
            ADD_FAILURE() << "no error raised";
        } catch (const StorageError& error) {
            EXPECT_EQ(error.what(), ioError);
        }
    };
    expectIoError([&] { LoadConfig(engine); });
    expectIoError([&] { LoadRules(engine); });
    expectIoError([&] { ReadSaveFile(engine, "bad", ".sav"); });

    // At start-up there is no window: the table starts fresh in memory and the unreadable
    // file is not overwritten.
    Engine started;
    EXPECT_NO_THROW(started.EngineStartUp(StorageStartUpFiles()));
    EXPECT_EQ(started.HighScoreNames[0], "-");
    EXPECT_EQ(started.RulesLineCount, 0);
    EXPECT_TRUE(fs::is_symlink("Save/highscores1.scx"));
}
