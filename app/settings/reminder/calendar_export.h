// The reminder page's export: the list as it stands and the user's festivals as an
// iCalendar file, at a place the user picks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace luna {

// Asks where to write (a cancel writes nothing), then writes with the safe save; a failure
// is said in a box with `caption`.
void ExportToCalendarFile(HWND owner, const std::vector<std::string>& pageItems,
                          const char* caption);

} // namespace luna
