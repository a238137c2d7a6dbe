// The holiday marks of the desktop: the shipped years with the user's Holidays.txt from the
// folder of the background picture laid over them, read with the other data files.
#pragma once

#include "calendar/holidays.h"

namespace luna {

// Reads Holidays.txt from the folder (ending in a backslash); each bad line of the file is
// written to the debug log once, here.
void LoadDesktopHolidays(const char* folder);

// The table in use: the shipped years alone until a folder was read; null only when the
// shell is out of memory (the desktop then shows no marks).
const HolidayTable* DesktopHolidays();

// Drops the table at detach.
void FreeDesktopHolidays();

} // namespace luna
