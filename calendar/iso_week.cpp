#include "calendar/iso_week.h"

#include "calendar/lunar.h"

namespace luna {
namespace {

// Monday 1 ... Sunday 7.
int IsoWeekday(int year, int month, int day) {
    const int weekday = WeekdayOf(year, month, day);
    return weekday == 0 ? 7 : weekday;
}

// 53 when the year starts on a Thursday, or on a Wednesday in a leap year; else 52.
int WeeksInYear(int year) {
    const int first = IsoWeekday(year, 1, 1);
    return first == 4 || (first == 3 && IsLeapYear(year) != 0) ? 53 : 52;
}

} // namespace

int IsoWeekNumber(int year, int month, int day) {
    if (!IsSupportedDate(year, month, day)) {
        return 0;
    }
    const int ordinal = DayNumber(year, month, day) - DayNumber(year, 1, 1) + 1;
    const int week = (ordinal - IsoWeekday(year, month, day) + 10) / 7;
    if (week < 1) {
        // 1 January 1900 is a Monday, so the year before is never needed for 1900.
        return WeeksInYear(year - 1);
    }
    return week > WeeksInYear(year) ? 1 : week;
}

} // namespace luna
