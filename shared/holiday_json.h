// Reading one year of holidays from the JSON that public holiday data sets publish per
// year:
//
//   {"year":2027,"papers":["…"],"days":[{"name":"元旦","date":"2027-01-01","isOffDay":true},…]}
//
// Strictly: well-formed JSON (UTF-8, no trailing garbage, no key twice in an object), the
// three fields of each day and nothing less; other fields are ignored. Sizes are bounded
// so a hostile answer costs little. Whether the year may be stored is CheckHolidayYear's
// to say (shared/holiday_check.h).
#pragma once

#include <cstddef>
#include <string>

#include "calendar/holidays.h"

namespace luna {

// The largest JSON year taken; the published ones are a few kilobytes.
constexpr std::size_t kMaxHolidayJsonBytes = 64 * 1024;

// What of the "papers" is kept as the year's notice (bytes of GBK).
constexpr std::size_t kMaxHolidayNoticeBytes = 300;

// Fills `out` (year, days in date order, notice from "papers"; source left Shipped) and
// returns true, or returns false with `reason` (GBK).
bool ReadHolidayJson(const std::string& bytes, HolidayYear& out, std::string& reason);

} // namespace luna
