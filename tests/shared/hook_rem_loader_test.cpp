#include "shared/hook_rem_loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace luna {
namespace {

struct CollectingSink : HookRecordSink {
    void Opened() override { ++opened; }
    void Take(const char* text, std::size_t length) override {
        EXPECT_EQ(std::strlen(text), length);
        taken.emplace_back(text, length);
    }
    int opened = 0;
    std::vector<std::string> taken;
};

std::string Records(int count, std::size_t size, const std::string& prefix = "") {
    std::string disk;
    for (int i = 0; i < count; ++i) {
        disk += Record(prefix + std::to_string(i), size);
    }
    return disk;
}

std::vector<std::string> LoadReminders(const std::string& disk) {
    MemorySource source(disk.data(), disk.size());
    CollectingSink sink;
    const std::size_t count = LoadHookRemindersFrom(source, sink);
    EXPECT_EQ(count, sink.taken.size());
    return sink.taken;
}

std::vector<std::string> LoadFestivals(const std::string& disk) {
    MemorySource source(disk.data(), disk.size());
    CollectingSink sink;
    LoadHookFestivalsFrom(source, sink);
    return sink.taken;
}

TEST(HookLoader, AtMostFiftyRemindersAreLoaded) {
    const auto sixty = LoadReminders(Records(60, 100));
    ASSERT_EQ(sixty.size(), 50u);
    EXPECT_EQ(sixty.back(), "49");
    EXPECT_EQ(LoadReminders(Records(13, 100) + "partial").size(), 13u);
    EXPECT_EQ(LoadReminders(Records(24, 100)).size(), 24u); // two full chunks, then nothing
    EXPECT_TRUE(LoadReminders("").empty());
}

TEST(HookLoader, AtMost355FestivalRecordsEvenInsideALastFullChunk) {
    // 400 records: the ninth chunk of 40 would reach entry 360; it stops at 355.
    const auto loaded = LoadFestivals(Records(400, 30, "f"));
    ASSERT_EQ(loaded.size(), 355u);
    EXPECT_EQ(loaded.back(), "f354");
}

TEST(HookLoader, TheEndRecordIsKeptAsAnEntry) {
    EXPECT_EQ(LoadFestivals(Record("FFFF", 30)), std::vector<std::string>{"FFFF"});
    EXPECT_EQ(LoadFestivals(Record(" 1 1a", 30) + Record("FFFF", 30) + Record(" 2 2b", 30)),
              (std::vector<std::string>{" 1 1a", "FFFF", " 2 2b"}));
}

TEST(HookLoader, FullRecordsWithoutTerminatorAndLineBreaksComeBackWhole) {
    const std::string full(100, 'r');
    const std::string disk = full + Record("x\r\ny", 100);
    const auto loaded = LoadReminders(disk + std::string(1, '\0'));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], full);
    EXPECT_EQ(loaded[1], "x\ny");
    EXPECT_EQ(LoadFestivals(std::string(30, 'z') + "\x1A" + Record("gone", 30)),
              std::vector<std::string>{std::string(30, 'z')});
}

TEST(HookLoader, FilesThatDoNotOpenReportItAndLeaveTheEntries) {
    TempFolder folder;
    CollectingSink sink;
    HookLoadOutcome outcome = LoadHookReminders(folder.File("Reminder.rem").c_str(), sink);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(sink.opened, 0);
    outcome = LoadHookFestivals(folder.File(std::string(300, 'L')).c_str(), sink);
    EXPECT_FALSE(outcome.opened);

    TempFolder::Write(folder.File("Lunch.rem"), AsBytes(Records(3, 30)));
    outcome = LoadHookFestivals(folder.File("Lunch.rem").c_str(), sink);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.records, 3u);
    EXPECT_EQ(sink.opened, 1);
}

} // namespace
} // namespace luna
