// The calendar text of the desktop picture, (2W/3, H/18)-(W, H/3): the date, the lunar
// date and the festivals of the day.
#pragma once

#include "calendar/local_time.h"
#include "hook/desktop/desktop.h"

namespace luna {

// The desktop calendar text of `now`, drawn over the clean background.
void DrawCalendarText(Desktop& desktop, const LocalTime& now);

} // namespace luna
