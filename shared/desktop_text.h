// The two texts the hook library draws on the desktop: the calendar panel text and the
// clock text. Both follow DisplaySettings.
#pragma once

#include <cstddef>

#include "calendar/local_time.h"
#include "shared/display_settings.h"

namespace luna {

// Date part, weekday, lunar lines, solar-term line and the festival lines (built-in
// solar, own solar, built-in lunar with the hook library's table, own lunar). Each own
// list ends at a null or empty entry, at "FFFF", or after its count. On a marked day the
// holiday line ("国庆节 放假", "调休上班") follows as the last line; null or "" adds
// nothing. The output is always terminated and never longer than outSize bytes; returns
// the length.
std::size_t ComposeDesktopCalendarText(const LocalTime& now, const DisplaySettings& s,
                                       const char* const* ownSolar, std::size_t ownSolarCount,
                                       const char* const* ownLunar, std::size_t ownLunarCount,
                                       char* out, std::size_t outSize,
                                       const char* holidayLine = nullptr);

// Hours, minutes and optionally seconds in the 24-hour or one of the 12-hour forms.
// An empty timeSeparator is set to ":" in the record first.
std::size_t ComposeClockText(const LocalTime& now, DisplaySettings& s, char* out,
                             std::size_t outSize);

} // namespace luna
