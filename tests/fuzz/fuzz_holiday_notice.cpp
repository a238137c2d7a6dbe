// Any bytes as a pasted holiday notice (seeded with our notices, so the mutations are
// truncated and garbled notices): the reader either refuses with a reason and no days,
// or gives days that keep the rules every year keeps.
#include <cstdint>
#include <set>
#include <string>

#include "calendar/lunar.h"
#include "fuzz_check.h"
#include "shared/holiday_notice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const luna::NoticeReading reading = luna::ReadHolidayNotice(bytes);
    if (!reading.ok) {
        FUZZ_CHECK(!reading.reason.empty());
        FUZZ_CHECK(reading.days.empty() && reading.extensions.empty());
        FUZZ_CHECK(reading.stoppedAt.size() <= 240);
        return 0;
    }
    FUZZ_CHECK(!reading.days.empty() || !reading.extensions.empty());
    int previous = 0;
    for (const luna::HolidayEntry& e : reading.days) {
        FUZZ_CHECK(e.year == reading.year || e.year == reading.year - 1);
        FUZZ_CHECK(luna::IsSupportedDate(e.year, e.month, e.day));
        const int serial = luna::DayNumber(e.year, e.month, e.day);
        FUZZ_CHECK(serial > previous); // date order, no day twice
        previous = serial;
        FUZZ_CHECK(!e.name.empty());
        if (e.mark == luna::HolidayMark::Work) {
            const int weekday = luna::WeekdayOf(e.year, e.month, e.day);
            FUZZ_CHECK(weekday == 0 || weekday == 6);
        } else {
            FUZZ_CHECK(e.mark == luna::HolidayMark::Off);
        }
    }
    return 0;
}
