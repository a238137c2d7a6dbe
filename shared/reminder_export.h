// The reminders as iCalendar events for a phone or web calendar: from a first day on, for
// a number of years. A reminder of "Reminder.rem" becomes one yearly event; a lunar one
// ("LunarReminder.rem"), which iCalendar cannot repeat, one dated event per lunar year,
// placed by the rules of calendar/lunar_rules.h. Every event carries its text as summary
// and an alarm at its minute. The user's festivals ("Solar.rem", "Lunch.rem") become
// all-day events without alarms in the same way. Records whose stamp cannot be read, and
// dates that never occur in the window (a 31 February), give no event.
#pragma once

#include <string>
#include <vector>

#include "calendar/lunar_rules.h"
#include "shared/ics_writer.h"

namespace luna {

// GBK text to UTF-8; supplied by the caller (the conversion is the platform's).
using GbkToUtf8Function = std::string (*)(const std::string& gbk);

constexpr int kDefaultExportYears = 10;
constexpr int kMaxExportYears = 200;

struct ExportRange {
    GregorianDay first; // included
    GregorianDay last;  // included
};

// From `first` for `years` years: up to the day before the same date `years` later, cut
// at 31 December 2099. False for a first day outside 1900-2099 or years outside 1-200.
bool ExportRangeFrom(const GregorianDay& first, int years, ExportRange& out);

// The records, as their readers in rem_files.h give them.
struct ExportSources {
    std::vector<std::string> reminders;      // Reminder.rem
    std::vector<std::string> lunarReminders; // LunarReminder.rem
    std::vector<std::string> solarFestivals; // Solar.rem, without its end record
    std::vector<std::string> lunarFestivals; // Lunch.rem, without its end record
};

std::vector<IcsEvent> PlanReminderEvents(const ExportSources& sources, const ExportRange& range,
                                         GbkToUtf8Function toUtf8);

} // namespace luna
