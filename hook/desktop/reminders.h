// The shell's copies of the reminders and the user's festivals, read from Reminder.rem,
// LunarReminder.rem, Solar.rem and Lunch.rem beside the background picture when the library
// attaches to the desktop; and the alert that shows a reminder in the minute it falls due.
#pragma once

#include <cstddef>

#include "calendar/local_time.h"
#include "hook/logic/lunar_due.h"

namespace luna {

constexpr std::size_t kReminderSlots = 50;
constexpr std::size_t kFestivalSlots = 355;

// The user's reminders (Reminder.rem) and own Gregorian and lunar festivals (Solar.rem,
// Lunch.rem): blocks on the process heap, filled from index 0; a null entry ends each list.
// The festival lists keep the files' end record "FFFF" as their last entry.
extern char* userReminders[kReminderSlots];
extern char* userGregorianFestivals[kFestivalSlots];
extern char* userLunarFestivals[kFestivalSlots];
// The records of LunarReminder.rem, with the same limits as userReminders.
extern char* userLunarReminders[kReminderSlots];

// The lunar reminders due on a day, as Reminder.rem entries of that day (lunar_due.h),
// copied into `out`; returns how many.
std::size_t LunarRemindersDueOn(const LocalTime& day, ReminderEntry (&out)[kReminderSlots]);

// Reads the four files from the folder of BackImage. Returns 1 when that folder was
// found, whether or not any file opened, and 0 otherwise.
int LoadReminderFiles();

// Shows, one after another, every reminder due in the given minute (its date, hour and
// minute; the second is not looked at): those of Reminder.rem, then the lunar ones due that
// day, with the taskbar disabled while a box is open. The tick calls it once for every
// minute that begins, late ticks and sleep included.
void CheckReminders(const LocalTime& minute);

// Frees every copy at detach, writing a log line per freed entry.
void FreeReminderCopies();

// Empties both festival lists without log lines (surface creation starts them afresh).
void ClearFestivalCopies();

} // namespace luna
