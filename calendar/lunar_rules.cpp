// Lunar dates back to Gregorian days, and the rules for yearly lunar dates.
#include "calendar/lunar_rules.h"

#include "calendar/lunar.h"
#include "calendar/lunar_tables.h"

namespace luna {
namespace {

bool InTable(int lunarYear) {
    return lunarYear >= kFirstYear && lunarYear < kFirstYear + kLunarYearCount;
}

} // namespace

bool GregorianOfDayNumber(int n, GregorianDay& out) {
    if (n < DayNumber(kFirstYear, 1, 1) || n > DayNumber(kLastYear, 12, 31)) {
        return false;
    }
    int year = kFirstYear + (n + 29) / 366;
    while (DayNumber(year + 1, 1, 1) <= n) {
        ++year;
    }
    int month = 12;
    while (DayNumber(year, month, 1) > n) {
        --month;
    }
    out = GregorianDay{year, month, n - DayNumber(year, month, 1) + 1};
    return true;
}

int LunarLeapMonthOf(int lunarYear) {
    return InTable(lunarYear) ? LeapMonthOf(lunarYear - kFirstYear) : 0;
}

int LunarMonthDays(int lunarYear, int month, bool leap) {
    if (!InTable(lunarYear) || month < 1 || month > 12) {
        return 0;
    }
    const int k = lunarYear - kFirstYear;
    if (leap) {
        return LeapMonthOf(k) == month ? LeapMonthLength(k) : 0;
    }
    return LunarMonthLength(k, month);
}

bool LeapMonthOccurs(int month) {
    for (int k = 0; k < kLunarYearCount; ++k) {
        if (month >= 1 && LeapMonthOf(k) == month) {
            return true;
        }
    }
    return false;
}

bool LunarToGregorian(int lunarYear, int month, bool leap, int day, GregorianDay& out) {
    const int length = LunarMonthDays(lunarYear, month, leap);
    if (length == 0 || day < 1 || day > length) {
        return false;
    }
    const int k = lunarYear - kFirstYear;
    const int leapMonth = LeapMonthOf(k);
    int n = kLunarYearStarts.day[k];
    for (int m = 1; m < month; ++m) {
        n += LunarMonthLength(k, m);
        if (m == leapMonth) {
            n += LeapMonthLength(k);
        }
    }
    if (leap) {
        n += LunarMonthLength(k, month);
    }
    return GregorianOfDayNumber(n + day - 1, out);
}

bool LunarAnniversaryIn(int lunarYear, int month, bool leap, int day, GregorianDay& out) {
    if (month < 1 || month > 12 || day < 1 || day > 30) {
        return false;
    }
    const bool inLeap = leap && LunarLeapMonthOf(lunarYear) == month;
    const int length = LunarMonthDays(lunarYear, month, inLeap);
    if (length == 0) {
        return false;
    }
    return LunarToGregorian(lunarYear, month, inLeap, day < length ? day : length, out);
}

} // namespace luna
