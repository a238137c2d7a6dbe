// Storing a year the user imported, or the update fetched, in Holidays.txt of the data
// folder, and telling the desktop and lunavis's own table about it.
#pragma once

#include <windows.h>

#include <string>

#include "calendar/holidays.h"

namespace luna {

// Writes the year's block into the file through a safe save (the rest of the file is kept
// as it was), then has the desktop read the file again (UM_RELOADHOLIDAYS) and reloads
// lunavis's table. False, with `error` (GBK), when there is no data folder, the file is too
// large to be ours or cannot be written; the old file is intact then.
bool StoreHolidayYear(const HolidayYear& year, std::string& error);

// "YYYY-MM-DD" of the local date.
std::string TodayText();

} // namespace luna
