// The notification icon's tooltip: the moment of the last hover and the calendar text of
// the day, cut to what the first form of the icon record holds.
#pragma once

#include <cstddef>

#include "calendar/local_time.h"

namespace luna {

// The tip field of the first form of the icon record: 63 bytes of text and a terminator.
constexpr std::size_t kTrayTipSize = 64;

// The bytes GetDate is handed, cleared to zeros before the call.
constexpr std::size_t kTrayCalendarBufferSize = 200;

// "%d年%d月%d日\n%d:%d:%02d" of the moment followed by the calendar text (read up to
// its terminator or kTrayCalendarBufferSize bytes, whichever comes first; null counts as
// empty), cut to 63 bytes on a character boundary, the rest of `tip` zeros.
void ComposeTrayTip(const LocalTime& now, const char* calendarText, char (&tip)[kTrayTipSize]);

} // namespace luna
