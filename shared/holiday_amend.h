// Applying a read notice to a year: a full notice gives the year; a notice that changes a
// holiday of a year published before replaces, or lengthens, that holiday's days.
#pragma once

#include <string>

#include "calendar/holidays.h"
#include "shared/holiday_notice.h"

namespace luna {

// The year as it stands after the notice. A full notice gives its own days; an amendment
// takes `base` (the year's data so far) and replaces the days of the holidays it sets, or
// lengthens them. False, with `reason` (GBK), when an amendment has no base or its
// holiday is not in it.
bool ApplyNotice(const NoticeReading& reading, const HolidayYear* base, HolidayYear& out,
                 std::string& reason);

} // namespace luna
