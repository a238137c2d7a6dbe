// The tab-separated export of lunacal: one line per day.
#pragma once

#include <string>

namespace luna::lunacal {

// Appends the line of one day (a real date in 1900-2099): date, lunar year, lunar month,
// lunar day, leap flag, month length, stem-branch names of year, month and day, zodiac,
// solar term or "-", term time HH:MM:SS or "-", then a line feed. GBK text.
void AppendExportLine(int year, int month, int day, std::string& out);

} // namespace luna::lunacal
