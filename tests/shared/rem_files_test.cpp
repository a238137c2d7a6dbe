#include "shared/rem_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#include "temp_folder.h"

namespace luna {
namespace {

using Items = std::vector<std::string>;

Items ReadReminders(const std::string& disk) {
    MemorySource source(disk.data(), disk.size());
    return ReadReminderRecords(source);
}

Items ReadFestivals(const std::string& disk) {
    MemorySource source(disk.data(), disk.size());
    return ReadFestivalRecords(source);
}

TEST(ReminderFile, RecordsAreWrittenByteForByteWithLineBreaksWidened) {
    const std::string withBreak = " 3/ 1  8: 5开会\r\n带材料";
    const std::vector<std::uint8_t> disk = ReminderFileBytes({" 1/ 5  8: 0", withBreak});
    ASSERT_EQ(disk.size(), 201u); // the LF of the second record takes two bytes
    EXPECT_EQ(std::string(disk.begin(), disk.begin() + 100), Record(" 1/ 5  8: 0", 100));
    std::string second = Record(withBreak, 100);
    second.insert(second.find('\n'), "\r");
    EXPECT_EQ(std::string(disk.begin() + 100, disk.end()), second);
    EXPECT_EQ(ReadReminders(std::string(disk.begin(), disk.end())),
              (Items{" 1/ 5  8: 0", withBreak}));
}

TEST(ReminderFile, ATextIsCutToNinetyNineBytesSoTheRecordKeepsItsTerminator) {
    const std::vector<std::uint8_t> disk = ReminderFileBytes({std::string(150, 'x')});
    ASSERT_EQ(disk.size(), 100u);
    EXPECT_EQ(disk[98], 'x');
    EXPECT_EQ(disk[99], 0);
}

TEST(ReminderFile, EveryCompleteRecordIsAnItemAndThePartialTailIsDropped) {
    std::string disk;
    for (int i = 0; i < 45; ++i) {
        disk += Record(std::to_string(i), 100);
    }
    disk += Record("", 100) + std::string(100, 'f') + std::string(57, 'p');
    const Items items = ReadReminders(disk);
    ASSERT_EQ(items.size(), 47u); // more than two chunks of 20, the empty one included
    EXPECT_EQ(items[44], "44");
    EXPECT_EQ(items[45], "");
    EXPECT_EQ(items[46], std::string(100, 'f')); // a full record without NUL
    EXPECT_TRUE(ReadReminders("").empty());
}

TEST(ReminderFile, EndByteInTheMiddleEndsTheFile) {
    const std::string disk = Record("a", 100) + Record("b", 100) + "\x1A" + Record("c", 100);
    EXPECT_EQ(ReadReminders(disk), (Items{"a", "b"}));
}

ReadCompleteness ReminderOutcome(const std::string& disk, Items* items = nullptr) {
    MemorySource source(disk.data(), disk.size());
    ReadCompleteness read = ReadCompleteness::NoFile;
    const Items got = ReadReminderRecords(source, &read);
    if (items != nullptr) {
        *items = got;
    }
    return read;
}

// Saving what was read must not lose the rest: the readers say when they stopped early.
TEST(ReminderFile, AReadThatStoppedEarlySaysSo) {
    Items items;
    std::string second = Record("b", 100);
    second[40] = '\x1A';
    EXPECT_EQ(ReminderOutcome(Record("a", 100) + second + Record("c", 100), &items),
              ReadCompleteness::Partial);
    EXPECT_EQ(items, Items{"a"});
    EXPECT_EQ(ReminderOutcome(Record("a", 100) + Record("b", 100) + "\x1A"),
              ReadCompleteness::Whole); // an end byte with nothing after it hides nothing
    EXPECT_EQ(ReminderOutcome(Record("a", 100) + "tail"), ReadCompleteness::Partial);
    EXPECT_EQ(ReminderOutcome(Record("a", 100)), ReadCompleteness::Whole);
    EXPECT_EQ(ReminderOutcome(""), ReadCompleteness::Whole);

    std::string many;
    for (std::size_t i = 0; i <= kAppMaxFileItems; ++i) {
        many += Record(std::to_string(i), 100);
    }
    EXPECT_EQ(ReminderOutcome(many, &items), ReadCompleteness::TooMany);
    EXPECT_EQ(items.size(), kAppMaxFileItems);

    const std::string festivalDisk = Record(" 1 1a", 30) + "\x1A" + Record(" 2 2b", 30);
    MemorySource festivalSource(festivalDisk.data(), festivalDisk.size());
    ReadCompleteness read = ReadCompleteness::Whole;
    EXPECT_EQ(ReadFestivalRecords(festivalSource, &read), Items{" 1 1a"});
    EXPECT_EQ(read, ReadCompleteness::Partial);
}

TEST(ReminderFile, AFullRecordCutForItsTerminatorEndsOnACharacterBoundary) {
    const std::string loaded = std::string(98, 'x') + "农"; // 100 bytes, no terminator
    const std::vector<std::uint8_t> disk = ReminderFileBytes({loaded});
    ASSERT_EQ(disk.size(), 100u);
    EXPECT_EQ(std::string(disk.begin(), disk.end()), Record(std::string(98, 'x'), 100));
}

TEST(RemFiles, AFileOfManyChunksIsReadInFull) {
    std::string disk(290000, 'x'); // below the most items held (kAppMaxFileItems)
    for (std::size_t at = 50; at < disk.size(); at += 777) {
        disk[at] = '\r';
        disk[at + 1] = '\n';
    }
    const std::size_t decoded = disk.size() - (disk.size() - 50 + 776) / 777;
    EXPECT_EQ(ReadReminders(disk).size(), decoded / 100);
    EXPECT_EQ(ReadFestivals(disk).size(), decoded / 30);
}

TEST(FestivalFile, WriterAppendsTheEndRecordAndCutsNamesToThirtyBytes) {
    const std::string thirtyTwo = " 5 1" + std::string(28, 'n');
    const std::vector<std::uint8_t> disk = FestivalFileBytes({" 1 1元旦", thirtyTwo});
    EXPECT_EQ(std::string(disk.begin(), disk.end()),
              Record(" 1 1元旦", 30) + thirtyTwo.substr(0, 30) + Record("FFFF", 30));
    EXPECT_EQ(FestivalFileBytes({}), AsBytes(Record("FFFF", 30)));
}

TEST(FestivalFile, EndRecordsAreDroppedButDoNotStopTheReading) {
    std::string disk;
    for (int i = 0; i < 41; ++i) {
        disk += Record(std::to_string(i), 30);
    }
    disk += Record("FFFF", 30) + Record("FFFFx", 30) + std::string(30, 'z') + "tail";
    const Items items = ReadFestivals(disk);
    ASSERT_EQ(items.size(), 43u);
    EXPECT_EQ(items[40], "40");
    EXPECT_EQ(items[41], "FFFFx");
    EXPECT_EQ(items[42], std::string(30, 'z'));
    EXPECT_TRUE(ReadFestivals(Record("FFFF", 30)).empty());
}

TEST(RemFileOnDisk, SavedListsReadBack) {
    TempFolder folder;
    const Items reminders{" 2/ 5  7: 5开会", "12/ 1  0: 0a\r\nb"};
    ASSERT_TRUE(WriteReminderFile(folder.File("Reminder.rem").c_str(), reminders));
    Items read;
    ASSERT_EQ(ReadReminderFile(folder.File("Reminder.rem").c_str(), &read),
              ReadCompleteness::Whole);
    EXPECT_EQ(read, reminders);
    EXPECT_EQ(TempFolder::Read(folder.File("Reminder.rem")).size(), 201u);

    ASSERT_TRUE(WriteFestivalFile(folder.File("Solar.rem").c_str(), {" 1 1元旦"}));
    ASSERT_EQ(ReadFestivalFile(folder.File("Solar.rem").c_str(), &read), ReadCompleteness::Whole);
    EXPECT_EQ(read, Items{" 1 1元旦"});
}

std::vector<std::string> FolderEntries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File(""))) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RemFileOnDisk, AFailedSaveLeavesNoTemporaryFile) {
    TempFolder folder;
    // The target's place cannot be taken: a folder with something in it stands there.
    std::filesystem::create_directories(folder.File("Solar.rem/inside"));
    EXPECT_FALSE(WriteFestivalFile(folder.File("Solar.rem").c_str(), {" 2 2new"}));
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Solar.rem"});
    // The folder itself is missing.
    EXPECT_FALSE(WriteReminderFile(folder.File("res/Reminder.rem").c_str(), {"x"}));
    EXPECT_FALSE(std::filesystem::exists(folder.File("res")));
}

// Another save's temporary file, or one left by a save that was killed, is neither written
// over nor taken for data.
TEST(RemFileOnDisk, ForeignTemporaryFilesAreLeftAlone) {
    TempFolder folder;
    const std::string path = folder.File("Reminder.rem");
    TempFolder::Write(folder.File("Reminder.re~"), AsBytes(Record("stale", 100)));
    char attempt[260];
    ASSERT_TRUE(TempPathBeside(path.c_str(), 7, attempt, sizeof attempt));
    TempFolder::Write(attempt, AsBytes(Record("other", 100)));
    ASSERT_TRUE(WriteReminderFile(path.c_str(), {"mine"}));
    Items read;
    EXPECT_EQ(ReadReminderFile(path.c_str(), &read), ReadCompleteness::Whole);
    EXPECT_EQ(read, Items{"mine"});
    EXPECT_EQ(TempFolder::Read(folder.File("Reminder.re~")), AsBytes(Record("stale", 100)));
    EXPECT_EQ(TempFolder::Read(attempt), AsBytes(Record("other", 100)));
    EXPECT_EQ(FolderEntries(folder).size(), 3u);
}

// Two saves at once never mix: the file is always one of them, whole.
TEST(RemFileOnDisk, SimultaneousSavesNeverMix) {
    TempFolder folder;
    const std::string path = folder.File("Solar.rem");
    const Items a(300, " 1 1aaaa");
    const Items b(200, " 2 2bbbb");
    const auto bytesA = FestivalFileBytes(a);
    const auto bytesB = FestivalFileBytes(b);
    std::atomic<int> failures{0};
    auto saver = [&](const Items& items) {
        for (int i = 0; i < 60; ++i) {
            if (!WriteFestivalFile(path.c_str(), items)) {
                ++failures;
            }
        }
    };
    std::thread first(saver, a);
    std::thread second(saver, b);
    for (int i = 0; i < 200; ++i) {
        const auto now = TempFolder::Read(path);
        EXPECT_TRUE(now.empty() || now == bytesA || now == bytesB);
    }
    first.join();
    second.join();
    EXPECT_EQ(failures.load(), 0);
    const auto last = TempFolder::Read(path);
    EXPECT_TRUE(last == bytesA || last == bytesB);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Solar.rem"});
}

// A file read only in part is copied aside, once, before the first save over it; a backup
// never replaces an earlier one.
TEST(RemFileOnDisk, APartlyReadFileIsKeptAsABackupBeforeTheFirstSave) {
    TempFolder folder;
    const std::string path = folder.File("Reminder.rem");
    std::string second = Record(" 2/ 2  2: 2b", 100);
    second[30] = '\x1A';
    const std::string original = Record(" 1/ 1  1: 1a", 100) + second + Record(" 3/ 3  3: 3c", 100);
    TempFolder::Write(path, AsBytes(original));
    TempFolder::Write(path + ".bak", AsBytes("older backup"));

    Items items;
    const ReadCompleteness read = ReadReminderFile(path.c_str(), &items);
    ASSERT_EQ(read, ReadCompleteness::Partial);
    SaveOverGuard guard;
    guard.Opened(read);
    items.push_back(" 4/ 4  4: 4d");
    ASSERT_TRUE(guard.BeforeSave(path.c_str()));
    ASSERT_TRUE(WriteReminderFile(path.c_str(), items));
    EXPECT_EQ(std::string(guard.BackupPath()), path + ".1.bak");
    EXPECT_EQ(TempFolder::Read(path + ".1.bak"), AsBytes(original));
    EXPECT_EQ(TempFolder::Read(path + ".bak"), AsBytes("older backup"));
    // The second save owes nothing more.
    EXPECT_FALSE(guard.BackupOwed());
    ASSERT_TRUE(guard.BeforeSave(path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(path + ".2.bak"));

    // Without a backup there is no save: the guard says so.
    guard.Opened(ReadCompleteness::TooMany);
    std::filesystem::remove(path);
    EXPECT_FALSE(guard.BeforeSave(path.c_str()));
    EXPECT_TRUE(guard.BackupOwed());
    // A file read whole owes nothing.
    guard.Opened(ReadCompleteness::Whole);
    EXPECT_TRUE(guard.BeforeSave(path.c_str()));
}

TEST(RemFileOnDisk, MissingFilesAndOverlongPathsReadNothing) {
    TempFolder folder;
    Items read{"stale"};
    EXPECT_EQ(ReadReminderFile(folder.File("none.rem").c_str(), &read), ReadCompleteness::NoFile);
    EXPECT_TRUE(read.empty());
    const std::string tooLong = folder.File(std::string(300, 'a'));
    EXPECT_EQ(ReadFestivalFile(tooLong.c_str(), &read), ReadCompleteness::NoFile);
    EXPECT_FALSE(WriteFestivalFile(tooLong.c_str(), {}));
}

} // namespace
} // namespace luna
