// Any bytes as "LunarReminder.rem", loaded the way the hook library loads it: every record's
// stamp is read or refused soundly, and a record due on a day becomes an entry of that day
// that fits a Reminder.rem record and carries that day's stamp.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "record_collector.h"
#include "hook/logic/lunar_due.h"
#include "shared/hook_rem_loader.h"
#include "shared/lunar_reminder_file.h"

namespace {

using Collect = CollectRecords<luna::kReminderRecordSize>;

struct Day {
    int year, month, day;
};
// Around a leap 2nd month (2004), a short 12th month (lunar 2024) and both ends of the range.
constexpr Day kDays[] = {{2004, 3, 21},  {2004, 2, 20}, {2025, 1, 28}, {1900, 1, 31},
                         {2099, 12, 31}, {1900, 1, 1},  {2005, 3, 10}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    luna::MemorySource source(data, size);
    Collect hook;
    luna::LoadHookRemindersFrom(source, hook);
    FUZZ_CHECK(hook.taken.size() <= luna::kHookMaxReminders);
    std::vector<const char*> records;
    for (const std::string& record : hook.taken) {
        records.push_back(record.c_str());
        luna::LunarStamp stamp{};
        if (luna::ParseLunarStamp(record.c_str(), stamp)) {
            char again[luna::kLunarStampLength + 1];
            FUZZ_CHECK(luna::FormatLunarStamp(stamp, again));
            luna::LunarStamp back{};
            FUZZ_CHECK(luna::ParseLunarStamp(again, back));
            FUZZ_CHECK(back.month == stamp.month && back.leap == stamp.leap &&
                       back.day == stamp.day && back.hour == stamp.hour &&
                       back.minute == stamp.minute);
        }
    }
    for (const Day& day : kDays) {
        luna::ReminderEntry entries[luna::kHookMaxReminders];
        const std::size_t due =
            luna::LunarRemindersOnDay(records.data(), records.size(), day.year, day.month, day.day,
                                      entries, luna::kHookMaxReminders);
        FUZZ_CHECK(due <= records.size());
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%2d/%2d ", day.month, day.day);
        for (std::size_t i = 0; i < due; ++i) {
            FUZZ_CHECK(std::strlen(entries[i]) <= luna::kReminderRecordSize);
            FUZZ_CHECK(std::strncmp(entries[i], prefix, 6) == 0);
        }
    }
    return 0;
}
