// Gregorian day counting and the conversion of a Gregorian date to its lunar date.
#include "calendar/lunar.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "calendar/lunar_tables.h"

namespace luna {
namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr const char* kDoubleHourNames[12] = {"子时", "丑时", "寅时", "卯时", "辰时", "巳时",
                                              "午时", "未时", "申时", "酉时", "戌时", "亥时"};

// Leap years in 1..year (year >= 0).
constexpr std::int64_t LeapYearsThrough(std::int64_t year) {
    return year / 4 - year / 100 + year / 400;
}

constexpr int FloorMod(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}

int ClampToInt(std::int64_t value) {
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

} // namespace

int IsLeapYear(int year) {
    if (year % 400 == 0) {
        return 1;
    }
    if (year % 100 == 0) {
        return 0;
    }
    return year % 4 == 0 ? 1 : 0;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return kMonthLengths[month - 1] + (month == 2 ? IsLeapYear(year) : 0);
}

int DayNumber(int year, int month, int day) {
    std::int64_t days = 0;
    if (year > kFirstYear) {
        const std::int64_t whole = static_cast<std::int64_t>(year) - kFirstYear;
        days = whole * 365 + LeapYearsThrough(year - 1) - LeapYearsThrough(kFirstYear - 1);
    }
    const int m = month < 1 ? 1 : (month > 12 ? 12 : month);
    days += kDaysBeforeMonth[m - 1] + (m > 2 ? IsLeapYear(year) : 0);
    days += static_cast<std::int64_t>(day) - 30;
    return ClampToInt(days);
}

int WeekdayOf(int year, int month, int day) {
    const std::int64_t n = DayNumber(year, month, day);
    return static_cast<int>(((n + 2) % 7 + 7) % 7);
}

bool IsSupportedDate(int year, int month, int day) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

const char* DoubleHourName(int hour) {
    if (hour < 0 || hour > 23) {
        return "";
    }
    return kDoubleHourNames[((hour + 1) / 2) % 12];
}

LunarDate LunarOf(int year, int month, int day, int hour) {
    LunarDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.hour = hour;
    ConvertToLunar(date);
    return date;
}

int ConvertToLunar(LunarDate& date) {
    date.dayStem = date.dayBranch = 0;
    date.yearStem = date.yearBranch = 0;
    date.monthStem = date.monthBranch = 0;
    date.solarTerm = 0;
    date.monthDays = 0;
    date.termSeconds = 0;
    date.hourName[0] = '\0';
    if (!IsSupportedDate(date.year, date.month, date.day)) {
        return 1;
    }

    const int n = DayNumber(date.year, date.month, date.day);
    if (n < 1) {
        // 1 to 30 January 1900 lie in the 30-day last month of lunar 1899.
        date.lunarYear = kFirstYear - 1;
        date.lunarMonth = 12;
        date.lunarDay = date.day;
        date.monthDays = 30;
        date.isLeapMonth = 0;
    } else {
        int k = date.year - (kFirstYear + 1);
        if (k < 0) {
            k = 0;
        }
        int g = n - (kLunarYearStarts.day[k] - 1);
        const int yearLength = kLunarYearStarts.day[k + 1] - kLunarYearStarts.day[k];
        if (g > yearLength) {
            ++k;
            g -= yearLength;
        }

        const int leapMonth = LeapMonthOf(k);
        int month = 1;
        bool inLeap = false;
        int length = LunarMonthLength(k, 1);
        while (g > length) {
            g -= length;
            if (!inLeap && month == leapMonth) {
                inLeap = true;
                length = LeapMonthLength(k);
            } else {
                inLeap = false;
                ++month;
                length = LunarMonthLength(k, month);
            }
        }
        date.lunarYear = kFirstYear + k;
        date.lunarMonth = month;
        date.lunarDay = g;
        date.monthDays = length;
        date.isLeapMonth = inLeap ? 1 : 0;
    }

    const int y = date.lunarYear - kFirstYear;
    date.yearStem = FloorMod(y, 10);
    date.yearBranch = FloorMod(y, 12);
    date.zodiac = date.yearBranch;
    date.monthStem = FloorMod(date.lunarMonth + 12 * y, 10);
    date.monthBranch = FloorMod(date.lunarMonth + 12 * y, 12);
    date.dayStem = FloorMod(n, 10);
    date.dayBranch = FloorMod(n, 12);

    date.solarTerm = SolarTermOfDay(date.year, date.month, date.day, date.termSeconds);

    const char* hourName = DoubleHourName(date.hour);
    std::memcpy(date.hourName, hourName, std::strlen(hourName) + 1);
    return 0;
}

} // namespace luna
