// Any bytes as a downloaded holiday year: the JSON reader and the storing rules survive,
// and a year they let through keeps the rules of the user's file.
#include <cstdint>
#include <string>

#include "calendar/lunar.h"
#include "fuzz_check.h"
#include "shared/holiday_check.h"
#include "shared/holiday_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    luna::HolidayYear year;
    std::string reason;
    if (!luna::ReadHolidayJson(bytes, year, reason)) {
        FUZZ_CHECK(!reason.empty());
        return 0;
    }
    if (luna::CheckHolidayYear(year, 0, nullptr, reason) == luna::HolidayCheck::Refused) {
        return 0;
    }
    FUZZ_CHECK(!year.days.empty() && year.days.size() <= luna::kMaxHolidayDays);
    int previous = 0;
    for (const luna::HolidayEntry& e : year.days) {
        const int serial = luna::DayNumber(e.year, e.month, e.day);
        FUZZ_CHECK(serial > previous);
        previous = serial;
        FUZZ_CHECK(e.name.find('\n') == std::string::npos && e.name.size() <= 40);
    }
    return 0;
}
