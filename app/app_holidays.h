// lunavis's holiday table: the shipped years with the user's Holidays.txt from the data
// folder laid over them, for the notification tip, the calendar page and the conversion
// dialog. The desktop reads the same file itself.
#pragma once

#include <windows.h>

#include "calendar/holidays.h"

namespace luna {

// Reads the file once per start; a file with bad lines is told in one message box, each
// bad line named (at most the first ten).
void LoadAppHolidays(HWND owner);

// The table in use (the shipped years alone before LoadAppHolidays).
const HolidayTable& AppHolidays();

} // namespace luna
