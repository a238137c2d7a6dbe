// The twenty-four solar terms. Each term's moment is a fixed offset into a tropical year
// counted from a fixed epoch; for 1900-2099 the moments are computed once, at compile
// time, in plain double precision, so every build gives the same days and seconds.
#include <cstdint>

#include "calendar/lunar.h"
#include "calendar/names.h"

namespace luna {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Seconds from the start of the day count to term index k (0 = 小寒) of a Gregorian year.
constexpr std::int64_t TermMoment(int year, int k) {
    const double yearStart = static_cast<double>(year - kFirstYear) * kTropicalYearSeconds;
    const double moment = static_cast<double>(kSolarTermMinutes[k]) * 60.0 + yearStart;
    return static_cast<std::int64_t>(moment) + kSolarTermEpochSeconds;
}

struct TermTable {
    // Day (1 January 1900 = 1) and second of each term of each year 1900-2099.
    std::int32_t day[kLastYear - kFirstYear + 1][24];
    std::int32_t second[kLastYear - kFirstYear + 1][24];
};

constexpr TermTable MakeTermTable() {
    TermTable table{};
    for (int y = 0; y <= kLastYear - kFirstYear; ++y) {
        for (int k = 0; k < 24; ++k) {
            const std::int64_t moment = TermMoment(kFirstYear + y, k);
            const std::int64_t day = FloorDiv(moment, kSecondsPerDay);
            table.day[y][k] = static_cast<std::int32_t>(day);
            table.second[y][k] = static_cast<std::int32_t>(moment - day * kSecondsPerDay);
        }
    }
    return table;
}

constexpr TermTable kTermTable = MakeTermTable();

constexpr bool TermDaysRise(const TermTable& table) {
    for (const auto& year : table.day) {
        for (int k = 0; k + 1 < 24; ++k) {
            if (year[k] >= year[k + 1]) {
                return false;
            }
        }
    }
    return true;
}

static_assert(TermDaysRise(kTermTable), "at most one term falls on a day");
static_assert(kTermTable.day[0][0] == 6 && kTermTable.second[0][0] == 7205,
              "小寒 of 1900 falls on 6 January at 02:00:05");

} // namespace

int SolarTermOfDay(int year, int month, int day, std::uint32_t& termSeconds) {
    const std::int64_t t = static_cast<std::int64_t>(DayNumber(year, month, day)) + 30;
    if (year >= kFirstYear && year <= kLastYear) {
        const std::int32_t* days = kTermTable.day[year - kFirstYear];
        const std::int32_t* seconds = kTermTable.second[year - kFirstYear];
        // Term days rise strictly through the year and month m holds terms 2m-1 and 2m,
        // so a date between that pair's days has no term; other dates (a day number
        // outside its month) fall back to the full scan.
        if (month >= 1 && month <= 12) {
            const int k = 2 * (month - 1);
            if (days[k] <= t && t <= days[k + 1]) {
                const int hit = days[k] == t ? k : (days[k + 1] == t ? k + 1 : -1);
                if (hit >= 0) {
                    termSeconds = static_cast<std::uint32_t>(seconds[hit]);
                }
                return hit + 1;
            }
        }
        for (int k = 0; k < 24; ++k) {
            if (days[k] == t) {
                termSeconds = static_cast<std::uint32_t>(seconds[k]);
                return k + 1;
            }
        }
        return 0;
    }
    for (int k = 0; k < 24; ++k) {
        const std::int64_t moment = TermMoment(year, k);
        const std::int64_t termDay = FloorDiv(moment, kSecondsPerDay);
        if (termDay == t) {
            termSeconds = static_cast<std::uint32_t>(moment - termDay * kSecondsPerDay);
            return k + 1;
        }
    }
    return 0;
}

} // namespace luna
