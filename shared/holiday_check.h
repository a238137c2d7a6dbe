// Whether a year of holidays read from outside (downloaded, opened, pasted) may be stored
// in the user's file, and what storing it would change. A year that fails any rule is
// never stored, so a bad download never replaces good data.
#pragma once

#include <string>

#include "calendar/holidays.h"

namespace luna {

// The most days one year has (2008: 30) with room to spare.
constexpr std::size_t kMaxHolidayDays = 64;

enum class HolidayCheck {
    Refused,   // breaks a rule; `reason` says which
    Unchanged, // the same days as stored: nothing to store
    Added,     // a year without data so far
    Revised,   // other days than stored: a later notice changed the year
};

// The rules: the year is `expectedYear` (0: any year 1901-2099); 1 to kMaxHolidayDays
// days, each a real date in that year or in the December before it, none twice (so none
// both 休 and 班), every 班 on a weekend; names of 1 to 40 bytes with no character lost to
// GBK, a notice of at most 400; no control characters in either. Against `stored` (the
// year as it is now, or null) only the days are compared.
HolidayCheck CheckHolidayYear(const HolidayYear& candidate, int expectedYear,
                              const HolidayYear* stored, std::string& reason);

} // namespace luna
