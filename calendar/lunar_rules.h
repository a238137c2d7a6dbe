// Which Gregorian day a lunar date stands for, and where a yearly lunar date (a birthday,
// an anniversary) falls in a given lunar year. Plain computation on the year table; the
// lunar years 1900 to 2099 are supported, and results outside the Gregorian years 1900 to
// 2099 are refused so that every result converts back with ConvertToLunar.
#pragma once

namespace luna {

struct GregorianDay {
    int year;
    int month;
    int day;
};

// The Gregorian day of a day number (31 January 1900 = 1, as DayNumber counts); false
// outside 1900-2099.
bool GregorianOfDayNumber(int dayNumber, GregorianDay& out);

// The leap month of a lunar year (0 when it has none or the year is out of range).
int LunarLeapMonthOf(int lunarYear);

// Days of month 1-12 (its leap twin when `leap`) in a lunar year: 29 or 30, or 0 when the
// year lacks that month or is out of range.
int LunarMonthDays(int lunarYear, int month, bool leap);

// True when some lunar year of the table has a leap month with this number.
bool LeapMonthOccurs(int month);

// The Gregorian day of an existing lunar date. False when the date does not exist or lies
// outside the Gregorian years 1900-2099.
bool LunarToGregorian(int lunarYear, int month, bool leap, int day, GregorianDay& out);

// Where a yearly lunar date falls in a lunar year, by the customary rules:
// - day 30 falls on day 29 in a month of only 29 days;
// - a leap-month date falls in that leap month where the year has it, and in the ordinary
//   month of the same number where it does not;
// - an ordinary-month date never falls in the leap month that follows that month.
// False for a month outside 1-12, a day outside 1-30, or a result out of range.
bool LunarAnniversaryIn(int lunarYear, int month, bool leap, int day, GregorianDay& out);

} // namespace luna
