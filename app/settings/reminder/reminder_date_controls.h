// The reminder page's date and time lists: filling them with Gregorian numbers or lunar
// months and days, and composing a reminder from them and the text field.
#pragma once

#include <windows.h>

#include <string>

#include "app/logic/reminder_start.h"

namespace luna {

// Fills the month, day, hour and minute lists with Gregorian numbers, each on its first row.
void FillReminderTimeCombos(HWND page);

// Fills the month and day lists for Gregorian or lunar dates, keeping the positions chosen
// where the new list has them. `start` is the day a reminder was started on from the desktop
// (null when none was): while the Gregorian lists still stand on it, the lunar lists show its
// lunar date.
void FillReminderDateCombos(HWND page, bool lunar, const ReminderStartRows* start);

// The page item of a new reminder from the lists and the text field, lunar when the 农历 box
// is ticked; false after telling the user which field was refused (that list takes the focus).
bool ComposeReminderFromControls(HWND page, std::string& item);

} // namespace luna
