// Gregorian to Chinese lunar conversion for the years 1900 to 2099.
#pragma once

#include <cstdint>

namespace luna {

// The record in and out of ConvertToLunar: the caller fills year, month, day and hour,
// the conversion fills everything else.
struct LunarDate {
    std::int32_t year;  // Gregorian year (input)
    std::int32_t month; // Gregorian month 1-12 (input)
    std::int32_t day;   // Gregorian day of month (input)
    std::int32_t hour;  // clock hour 0-23 (input), only picks hourName

    std::int32_t lunarYear;   // Gregorian year in which the lunar year begins
    std::int32_t lunarMonth;  // 1-12; a leap month carries the number it repeats
    std::int32_t lunarDay;    // 1-30
    std::int32_t monthDays;   // 29 or 30
    std::uint8_t isLeapMonth; // 1 inside the leap month of the year
    std::int32_t dayStem;     // indices into the tables of names.h
    std::int32_t dayBranch;
    std::int32_t yearStem;
    std::int32_t yearBranch;
    std::int32_t monthStem;
    std::int32_t monthBranch;
    std::int32_t zodiac;
    std::int32_t solarTerm;    // 0 = none, else 1-24 (kSolarTermNames)
    char hourName[5];          // double-hour name, 4 GBK bytes and terminator, or empty
    std::uint32_t termSeconds; // moment of the term, seconds after midnight (0-86399)
};

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;

// 1 for a Gregorian leap year, else 0.
int IsLeapYear(int year);

// Length of a Gregorian month (0 for a month outside 1-12).
int DaysInMonth(int year, int month);

// Day count in which 31 January 1900 is 1 (1 January 1900 is -29). Years before 1900
// contribute nothing; a month outside 1-12 is clamped into that range.
int DayNumber(int year, int month, int day);

// 0 = Sunday. 1 January 1900 is a Monday.
int WeekdayOf(int year, int month, int day);

// True for a real Gregorian date in 1900-2099.
bool IsSupportedDate(int year, int month, int day);

// Fills every output field of the record. Returns 0 on success and 1 when the date is
// not a real Gregorian date in 1900-2099; then the cycle indices, term, month length and
// hour name are cleared and the lunar year, month, day and leap flag keep their values.
int ConvertToLunar(LunarDate& date);

// The record of a Gregorian day at an hour (which picks only hourName), as ConvertToLunar
// fills it. For a day it refuses (IsSupportedDate is false) every lunar field is zero.
LunarDate LunarOf(int year, int month, int day, int hour = 0);

// 0 when no solar term falls on the date, else the term number 1-24; on a hit
// termSeconds receives the moment of the term as seconds after midnight.
int SolarTermOfDay(int year, int month, int day, std::uint32_t& termSeconds);

// Name of the double hour that covers a clock hour ("子时" for 23 and 0), or "" for an
// hour outside 0-23.
const char* DoubleHourName(int hour);

} // namespace luna
