// Opening a large, reverse-sorted Reminder.rem on the reminder page: reading the records
// and sorting the list once. Run by hand: build/<preset>/bench/reminder_bench.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/logic/reminder_list.h"
#include "shared/rem_files.h"

namespace {

// `count` reminder records in descending order, as bytes on disk.
std::vector<std::uint8_t> ReverseSortedFile(std::size_t count) {
    std::vector<std::string> items;
    for (std::size_t i = count; i > 0; --i) {
        char text[128];
        std::snprintf(text, sizeof text, "%2zu/%2zu %2zu:%2zu #%zu", i % 12 + 1, i % 28 + 1, i % 24,
                      i % 60, i);
        items.push_back(text);
    }
    return luna::ReminderFileBytes(items);
}

void BM_OpenReminderPage(benchmark::State& state) {
    const std::vector<std::uint8_t> file =
        ReverseSortedFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        luna::MemorySource source(file.data(), file.size());
        luna::ReadCompleteness read = luna::ReadCompleteness::Whole;
        luna::ReminderList list;
        list.Open(luna::ReadReminderRecords(source, &read));
        benchmark::DoNotOptimize(list.Items().data());
    }
    state.counters["bytes"] = static_cast<double>(file.size());
}
// 1 MB is the most the page holds (kAppMaxFileItems); 10 MB reads only that much.
BENCHMARK(BM_OpenReminderPage)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
