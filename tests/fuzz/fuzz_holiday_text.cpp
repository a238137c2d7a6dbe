// Any bytes as the user's Holidays.txt: the reader survives, every day it keeps is a real
// date of its year or the year before, marked 休 or 班, with a name, and never twice; the
// table built over the shipped years answers for every kept day.
#include <cstdint>
#include <set>
#include <string_view>

#include "calendar/holidays.h"
#include "calendar/lunar.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const luna::HolidayParse parse = luna::ParseHolidayText(text, luna::HolidaySource::Imported);
    luna::HolidayTable table;
    table.Apply(parse.years);
    for (const luna::HolidayYear& year : parse.years) {
        std::set<int> seen;
        for (const luna::HolidayEntry& e : year.days) {
            FUZZ_CHECK(luna::IsSupportedDate(e.year, e.month, e.day));
            FUZZ_CHECK(e.year == year.year || e.year == year.year - 1);
            FUZZ_CHECK(e.mark == luna::HolidayMark::Off || e.mark == luna::HolidayMark::Work);
            FUZZ_CHECK(!e.name.empty());
            FUZZ_CHECK(seen.insert(luna::DayNumber(e.year, e.month, e.day)).second);
        }
    }
    for (const luna::HolidayProblem& problem : parse.problems) {
        FUZZ_CHECK(problem.line >= 1 && !problem.reason.empty());
    }
    return 0;
}
