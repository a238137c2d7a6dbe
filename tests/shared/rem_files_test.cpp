#include "shared/rem_files.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(RemFiles, AFileOfManyMegabytesIsReadInFull) {
    std::string disk(3 << 20, 'x');
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
    ASSERT_TRUE(ReadReminderFile(folder.File("Reminder.rem").c_str(), &read));
    EXPECT_EQ(read, reminders);
    EXPECT_EQ(TempFolder::Read(folder.File("Reminder.rem")).size(), 201u);

    ASSERT_TRUE(WriteFestivalFile(folder.File("Solar.rem").c_str(), {" 1 1元旦"}));
    ASSERT_TRUE(ReadFestivalFile(folder.File("Solar.rem").c_str(), &read));
    EXPECT_EQ(read, Items{" 1 1元旦"});
    EXPECT_FALSE(std::filesystem::exists(folder.File("Solar.re~")));
}

TEST(RemFileOnDisk, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("Solar.rem");
    ASSERT_TRUE(WriteFestivalFile(path.c_str(), {" 1 1old"}));
    const auto before = TempFolder::Read(path);
    // The temporary file cannot be created: its name is taken by a folder.
    std::filesystem::create_directory(folder.File("Solar.re~"));
    EXPECT_FALSE(WriteFestivalFile(path.c_str(), {" 2 2new"}));
    EXPECT_EQ(TempFolder::Read(path), before);
    std::filesystem::remove(folder.File("Solar.re~"));
    // The folder itself is missing.
    EXPECT_FALSE(WriteReminderFile(folder.File("res/Reminder.rem").c_str(), {"x"}));
    EXPECT_FALSE(std::filesystem::exists(folder.File("res")));
}

TEST(RemFileOnDisk, MissingFilesAndOverlongPathsReadNothing) {
    TempFolder folder;
    Items read{"stale"};
    EXPECT_FALSE(ReadReminderFile(folder.File("none.rem").c_str(), &read));
    EXPECT_TRUE(read.empty());
    const std::string tooLong = folder.File(std::string(300, 'a'));
    EXPECT_FALSE(ReadFestivalFile(tooLong.c_str(), &read));
    EXPECT_FALSE(WriteFestivalFile(tooLong.c_str(), {}));
}

} // namespace
} // namespace luna
