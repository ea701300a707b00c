// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "storage/config.h"
#include "storage/rules_text.h"
#include "storage/saved_games.h"
#include "storage/storage.h"

#include "fault_tools.h"
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

TEST(FileIo, LastWholeRecordOfAnyLength) {
    TempFolder folder;
    EXPECT_EQ(ReadLastRecord("none", 4).outcome, OpenOutcome::Missing);
    EXPECT_EQ(ReadLastRecord("no/such/folder", 4).outcome, OpenOutcome::Missing);
    WriteBytes("r", std::string("abcdefghij"));
    const FileBytes record = ReadLastRecord("r", 4);
    EXPECT_EQ(record.outcome, OpenOutcome::Opened);
    EXPECT_EQ(std::string(record.bytes.begin(), record.bytes.end()), "efgh");
    WriteBytes("short", std::string("abc"));
    const FileBytes none = ReadLastRecord("short", 4);
    EXPECT_EQ(none.outcome, OpenOutcome::Opened);
    EXPECT_TRUE(none.bytes.empty());

    // A file of 4 GiB (sparse, it takes no room) holding its last record at the end: only
    // that record is read.
    {
        std::ofstream huge("huge", std::ios::binary);
        huge.seekp((4LL << 30) - 4);
        huge << "wxyz";
    }
    const long long before = BytesReadSoFar();
    const FileBytes last = ReadLastRecord("huge", 4);
    EXPECT_EQ(std::string(last.bytes.begin(), last.bytes.end()), "wxyz");
    if (before >= 0) {
        EXPECT_LT(BytesReadSoFar() - before, 1 << 20);
    }
}

TEST(FileIo, OnlyRegularFilesAreReadAndNothingWaits) {
    TempFolder folder;
    HangGuard guard(20);
    ASSERT_TRUE(MakeFifo("pipe"));
    fs::create_directory("folder");
    EXPECT_EQ(ReadLastRecord("pipe", 4).outcome, OpenOutcome::Refused);
    EXPECT_EQ(ReadLastRecord("folder", 4).outcome, OpenOutcome::Refused);
    EXPECT_EQ(ReadLastRecord("/dev/zero", 4).outcome, OpenOutcome::Refused);
    EXPECT_EQ(ReadWholeFile("pipe", 100).outcome, OpenOutcome::Refused);
    DataFile text;
    EXPECT_FALSE(OpenDataText(text, "pipe", ""));
    EXPECT_FALSE(OpenDataText(text, "folder", ""));
    // Writing into a pipe nobody reads would wait for ever, or die of a broken pipe.
    EXPECT_FALSE(CreateDataText(text, "pipe", ""));
    // A link to a regular file is read like the file itself (installed data is linked in).
    WriteBytes("real", std::string("line one\r\nline two"));
    fs::create_symlink("real", "linked");
    ASSERT_TRUE(OpenDataText(text, "linked", ""));
    std::string line;
    ASSERT_TRUE(ReadDataTextLine(text, line));
    EXPECT_EQ(line, "line one");
    ASSERT_TRUE(ReadDataTextLine(text, line));
    EXPECT_EQ(line, "line two");
    EXPECT_FALSE(ReadDataTextLine(text, line));
    CloseDataText(text);
}

TEST(FileIo, TextReadersStopAtTheirLimit) {
    TempFolder folder;
    {
        std::ofstream huge("endless.txt", std::ios::binary);
        huge.seekp(3LL << 30);
        huge << "x";
    }
    const long long before = BytesReadSoFar();
    DataFile text;
    ASSERT_TRUE(OpenDataText(text, "endless", ".txt"));
    std::string line;
    ASSERT_TRUE(ReadDataTextLine(text, line));
    EXPECT_EQ(line.size(), kTextReadLimit); // one line of NUL bytes, up to the limit
    EXPECT_FALSE(ReadDataTextLine(text, line));
    CloseDataText(text);
    if (before >= 0) {
        EXPECT_LT(BytesReadSoFar() - before, 2 * static_cast<long long>(kTextReadLimit));
    }
}

TEST(FileIo, ReplaceLeavesNoTemporaryFile) {
    TempFolder folder;
    WriteBytes("f", std::string("old contents"));
    const std::vector<uint8_t> bytes = {1, 2, 3};
    ReplaceFile("f", bytes);
    EXPECT_EQ(ReadBytes("f"), std::string("\x01\x02\x03"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);

    // A folder, a pipe or a link under the name is left alone and the replacement refused.
    fs::create_directory("d");
    EXPECT_THROW(ReplaceFile("d", bytes), StorageError);
    EXPECT_TRUE(fs::is_directory("d"));
    ASSERT_TRUE(MakeFifo("p"));
    EXPECT_THROW(ReplaceFile("p", bytes), StorageError);
    EXPECT_TRUE(fs::is_fifo("p"));
    WriteBytes("elsewhere", std::string("not ours"));
    fs::create_symlink("elsewhere", "l");
    try {
        ReplaceFile("l", bytes);
        ADD_FAILURE() << "no error raised";
    } catch (const StorageError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_TRUE(fs::is_symlink("l"));
    EXPECT_EQ(ReadBytes("elsewhere"), "not ours");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 5);
}

TEST(FileIo, TemporaryFileNeverFollowsALinkNorReusesAnEntry) {
    TempFolder folder;
    fs::create_directory("Save");
    WriteBytes("outside", std::string("a file outside Save"));
    // Planted under the first temporary names a save would try.
    fs::create_symlink("../outside", "Save/game.sav.tmp");
    WriteBytes("Save/game.sav.1.tmp", std::string("somebody's file"));
    const std::vector<uint8_t> bytes = {7, 8, 9};
    ReplaceFile("Save/game.sav", bytes);
    EXPECT_EQ(ReadBytes("Save/game.sav"), std::string("\x07\x08\x09"));
    EXPECT_EQ(ReadBytes("outside"), "a file outside Save");
    EXPECT_TRUE(fs::is_symlink("Save/game.sav.tmp"));
    EXPECT_EQ(ReadBytes("Save/game.sav.1.tmp"), "somebody's file");
    EXPECT_FALSE(fs::exists("Save/game.sav.2.tmp"));
}

TEST(FileIo, FullDiskKeepsTheOldFileAndLeavesNoTemporaryOne) {
    TempFolder folder;
    WriteBytes("f", std::string("old contents"));
    const std::vector<uint8_t> bytes(400, 1);
    {
        FileSizeLimit limit(100);
        try {
            ReplaceFile("f", bytes);
            ADD_FAILURE() << "no error raised";
        } catch (const StorageError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
        }
    }
    EXPECT_EQ(ReadBytes("f"), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
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

TEST(FileIo, WholeFileReadsEveryByteUpToOnePastTheLimit) {
    TempFolder folder;
    EXPECT_EQ(ReadWholeFile("none", 100).outcome, OpenOutcome::Missing);
    WriteBytes("empty", std::string());
    const FileBytes empty = ReadWholeFile("empty", 100);
    EXPECT_EQ(empty.outcome, OpenOutcome::Opened);
    EXPECT_TRUE(empty.bytes.empty());
    // Larger than a first guess at the buffer, and not a round number of bytes.
    std::string bytes;
    for (int i = 0; i < 200001; ++i)
        bytes += static_cast<char>('a' + i % 26);
    WriteBytes("file", bytes);
    const FileBytes whole = ReadWholeFile("file", 1 << 20);
    EXPECT_EQ(std::string(whole.bytes.begin(), whole.bytes.end()), bytes);
    EXPECT_EQ(ReadWholeFile("file", 200001).bytes.size(), 200001u);
    // Past the limit: one byte more than it, so the caller can tell.
    const FileBytes over = ReadWholeFile("file", 1000);
    EXPECT_EQ(std::string(over.bytes.begin(), over.bytes.end()), bytes.substr(0, 1001));
}
