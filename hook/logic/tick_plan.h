// What the list view's one-second tick redraws, and the date text that tells it when the
// day has changed.
#pragma once

#include "calendar/local_time.h"

namespace luna {

// m_LastDate: "%4d/%2d%2d" of year, month and day, in a 50-byte buffer.
constexpr int kLastDateSize = 50;
struct DateKey {
    char text[kLastDateSize];
};

DateKey FormatDateKey(int year, int month, int day);

// The value that forces the next comparison to differ: no date formats to it.
inline constexpr const char kNoDateDrawn[] = "1800/01/01";

// Set the key to kNoDateDrawn.
void ResetDateKey(DateKey& key);

// RefreshMonthGrid's test: redraw only when forced and today's text differs.
bool GridNeedsRedraw(const DateKey& today, const DateKey& lastDrawn, int force);

// The steps of one tick, in the order they run.
struct TickPlan {
    bool drawClock;        // clock strip: every tick with seconds shown, else at second 0
    bool drawCalendarText; // calendar text at hh:00:00 (with the clock)
    bool dateChanged;      // clock, calendar text and month grid again for a new date
    bool checkReminders;   // at second 0
};

TickPlan PlanTick(const LocalTime& now, bool showSeconds, const DateKey& lastDrawn);

} // namespace luna
