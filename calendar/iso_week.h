// ISO 8601 week numbers: weeks start on Monday, and week 1 of a year is the week that
// holds its first Thursday (so 1 to 3 January may belong to the last week of the year
// before, and 29 to 31 December to week 1 of the next).
#pragma once

namespace luna {

// The ISO week number (1-53) of a Gregorian date in 1900-2099; 0 for any other date.
int IsoWeekNumber(int year, int month, int day);

} // namespace luna
