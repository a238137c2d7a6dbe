// The tip that shows the whole of a day when the pointer rests on its cell of the month
// grid: the date with its weekday, the lunar date with the stem-branch names, the solar
// term with its moment, the festivals as the grid shows them, and the user's reminders of
// that day, Gregorian and lunar; on a marked day the holiday line ("国庆节 放假") after the
// festivals. GBK, lines separated by "\n".
#pragma once

#include <cstddef>

#include "calendar/holidays.h"
#include "shared/month_annotations.h"

namespace luna {

// Longest tip, terminator included.
constexpr std::size_t kDayTipMax = 2048;

struct DayTipSources {
    const DesktopMonth* month;    // the grid's month: its festival slots
    const char* const* reminders; // Reminder.rem entries, to the first null or count
    std::size_t reminderCount;
    const char* const* lunarReminders; // LunarReminder.rem records, likewise
    std::size_t lunarReminderCount;
    const HolidayTable* holidays; // null: no holiday line
};

// The tip of a day of the sources' month; the empty text for a day it does not have.
// Returns the length.
std::size_t ComposeDayTip(int day, const DayTipSources& sources, char* out, std::size_t outSize);

} // namespace luna
