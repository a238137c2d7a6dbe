// The official days off and make-up workdays on the command line: the lines of a year and
// the all-day events of a span.
#pragma once

#include <string>
#include <vector>

#include "shared/reminder_export.h"
#include "calendar/holidays.h"
#include "shared/ics_writer.h"

namespace luna::lunacal {

// One line per marked day of the year's notice, in date order: "YYYY-MM-DD\t休\t春节".
std::string RenderHolidayYear(const HolidayYear& year);

// One all-day event per marked day of the span ("春节 休", "春节 班"), in date order.
std::vector<IcsEvent> PlanHolidayEvents(const HolidayTable& table, const ExportRange& range,
                                        GbkToUtf8Function toUtf8);

} // namespace luna::lunacal
