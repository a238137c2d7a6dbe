// Lunar reminders ("LunarReminder.rem") turned into ordinary ones for one Gregorian day, so
// that the reminder panel and the minute's check treat both kinds alike: a lunar reminder
// due on that day becomes the entry "%2d/%2d %2d:%2d" of that day and its minute, followed
// by its text, exactly as a "Reminder.rem" entry due that day would read.
#pragma once

#include <cstddef>

#include "shared/rem_files.h"

namespace luna {

using ReminderEntry = char[kReminderRecordSize + 1];

// True when the lunar record falls on the Gregorian day (by the rules of lunar_rules.h in
// the lunar year that day belongs to); then `out` holds the entry for that day. A record
// whose stamp cannot be read, or a day outside 1900-2099, gives false.
bool LunarReminderOnDay(const char* record, int year, int month, int day, ReminderEntry& out);

// The same for a list of records (up to the first null or `count`): fills `out` with the
// entries due on the day, in list order, and returns how many.
std::size_t LunarRemindersOnDay(const char* const* records, std::size_t count, int year, int month,
                                int day, ReminderEntry* out, std::size_t capacity);

} // namespace luna
