// Any bytes as "Solar.rem" or "Lunch.rem": both readers survive; the hook library keeps at
// most 355 records, end records included, and apart from those end records it holds the
// application's items.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "record_collector.h"
#include "shared/hook_rem_loader.h"
#include "shared/rem_files.h"

namespace {

using Collect = CollectRecords<luna::kFestivalRecordSize>;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    luna::MemorySource appSource(data, size);
    const std::vector<std::string> items = luna::ReadFestivalRecords(appSource);
    luna::MemorySource hookSource(data, size);
    Collect hook;
    luna::LoadHookFestivalsFrom(hookSource, hook);
    FUZZ_CHECK(hook.taken.size() <= luna::kHookMaxFestivals);
    std::vector<std::string> withoutEnd;
    for (const std::string& text : hook.taken) {
        if (text != luna::kFestivalEndText) {
            withoutEnd.push_back(text);
        }
    }
    if (hook.taken.size() < luna::kHookMaxFestivals) {
        FUZZ_CHECK(withoutEnd == items);
    } else {
        FUZZ_CHECK(withoutEnd.size() <= items.size());
        for (std::size_t i = 0; i < withoutEnd.size(); ++i) {
            FUZZ_CHECK(withoutEnd[i] == items[i]);
        }
    }
    return 0;
}
