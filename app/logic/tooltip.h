// The notification icon's tooltip: the moment of the last hover and the calendar text of
// the day, cut to what the first form of the icon record holds.
#pragma once

#include <cstddef>

#include "calendar/local_time.h"

namespace luna {

// The tip field of the first form of the icon record: 63 bytes of text and a terminator.
constexpr std::size_t kTrayTipSize = 64;

// The tip field of the later forms of the icon record: 127 characters and a terminator.
constexpr std::size_t kTrayLongTipSize = 128;

// The bytes GetDate is handed, cleared to zeros before the call.
constexpr std::size_t kTrayCalendarBufferSize = 200;

// "%d年%d月%d日\n%d:%d:%02d" of the moment followed by the calendar text (read up to
// its terminator or kTrayCalendarBufferSize bytes, whichever comes first; null counts as
// empty), cut to 63 bytes on a character boundary, the rest of `tip` zeros.
void ComposeTrayTip(const LocalTime& now, const char* calendarText, char (&tip)[kTrayTipSize]);

// On an official day off or make-up workday the tip goes on past the first form: the tip,
// "\n" and the holiday line ("国庆节 放假"), cut to 127 bytes on a character boundary.
// False, with `out` equal to the tip, when the line is null or empty.
bool AppendTipLine(const char (&tip)[kTrayTipSize], const char* line,
                   char (&out)[kTrayLongTipSize]);

} // namespace luna
