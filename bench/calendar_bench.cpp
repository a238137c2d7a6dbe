// Conversion of every day 1900-2099, the texts of a day and the annotations of a month.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/calendar_text.h"
#include "calendar/lunar.h"
#include "shared/month_annotations.h"

namespace {

using namespace luna;

struct Day {
    int year, month, day;
};

const std::vector<Day>& EveryDay() {
    static const std::vector<Day> days = [] {
        std::vector<Day> all;
        for (int y = kFirstYear; y <= kLastYear; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                    all.push_back(Day{y, m, d});
                }
            }
        }
        return all;
    }();
    return days;
}

void BM_ConvertToLunarEveryDay(benchmark::State& state) {
    const std::vector<Day>& days = EveryDay();
    for (auto _ : state) {
        for (const Day& day : days) {
            LunarDate d{};
            d.year = day.year;
            d.month = day.month;
            d.day = day.day;
            d.hour = 10;
            benchmark::DoNotOptimize(ConvertToLunar(d));
            benchmark::DoNotOptimize(d);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_ConvertToLunarEveryDay)->Unit(benchmark::kMillisecond);

void BM_SolarTermOfDayEveryDay(benchmark::State& state) {
    const std::vector<Day>& days = EveryDay();
    for (auto _ : state) {
        for (const Day& day : days) {
            std::uint32_t seconds = 0;
            benchmark::DoNotOptimize(SolarTermOfDay(day.year, day.month, day.day, seconds));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_SolarTermOfDayEveryDay)->Unit(benchmark::kMillisecond);

void BM_ComposeCalendarText(benchmark::State& state) {
    char text[kCalendarTextMax];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComposeCalendarText(1913, 8, 8, 0, text));
    }
}
BENCHMARK(BM_ComposeCalendarText);

void BM_DesktopMonthWithJoinedCells(benchmark::State& state) {
    const DisplaySettings s = DefaultDisplaySettings();
    const char* ownSolar[] = {" 1 1自己的", "FFFF"};
    const char* ownLunar[] = {"12 8粥", "FFFF"};
    char cell[kCellAnnotationMax];
    for (auto _ : state) {
        const DesktopMonth month = BuildDesktopMonth(1900, 1, s, ownSolar, 2, ownLunar, 2);
        for (int day = 1; day <= month.daysInMonth; ++day) {
            benchmark::DoNotOptimize(JoinCellAnnotation(month, day, cell, sizeof cell));
        }
    }
}
BENCHMARK(BM_DesktopMonthWithJoinedCells)->Unit(benchmark::kMicrosecond);

void BM_ConversionMonth(benchmark::State& state) {
    for (auto _ : state) {
        const ConversionMonth month = BuildConversionMonth(2004, 3);
        benchmark::DoNotOptimize(month.labels[0][0]);
    }
}
BENCHMARK(BM_ConversionMonth)->Unit(benchmark::kMicrosecond);

} // namespace
