// Any bytes as "Reminder.rem": both readers survive, every text fits its record, and the
// hook library's copies are the first 50 of the application's items.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "record_collector.h"
#include "shared/hook_rem_loader.h"
#include "shared/rem_files.h"

namespace {

using Collect = CollectRecords<luna::kReminderRecordSize>;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    luna::MemorySource appSource(data, size);
    const std::vector<std::string> items = luna::ReadReminderRecords(appSource);
    luna::MemorySource hookSource(data, size);
    Collect hook;
    FUZZ_CHECK(luna::LoadHookRemindersFrom(hookSource, hook) == hook.taken.size());
    FUZZ_CHECK(hook.taken.size() <= luna::kHookMaxReminders);
    FUZZ_CHECK(hook.taken.size() == std::min(items.size(), luna::kHookMaxReminders));
    for (std::size_t i = 0; i < hook.taken.size(); ++i) {
        FUZZ_CHECK(hook.taken[i] == items[i]);
    }
    for (const std::string& item : items) {
        FUZZ_CHECK(item.size() <= luna::kReminderRecordSize);
    }
    return 0;
}
