// What the list view's one-second tick redraws, and which minutes' reminders it still owes.
//
// A 1000 ms timer drifts: now and then a wall-clock second gets no tick, now and then two
// ticks fall into one second, and after sleep or a clock change the next tick lands
// anywhere. So the tick never asks "is this second 0?". It compares what the desktop shows
// with what it should show (clock minute, calendar text, date) and redraws what differs, and
// it remembers the last minute whose reminders were checked and checks every later minute
// whose start has passed, once each.
#pragma once

#include <cstdint>

#include "calendar/local_time.h"

namespace luna {

// The date key: "%4d/%2d%2d" of year, month and day, in a 50-byte buffer.
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

// Minutes counted from the calendar engine's day 0: one number per local minute.
std::int64_t MinuteIndex(const LocalTime& t);

// What the tick remembers between ticks. All zero (Reset) means: nothing drawn, no minute
// handled yet; the first tick takes the minute in progress as handled unless it samples
// that minute's second 0.
struct TickState {
    bool started;             // minuteDone is valid
    std::int64_t minuteDone;  // last minute whose reminders were checked
    bool clockDrawn;          // clockMinute is valid
    std::int64_t clockMinute; // minute the clock strip shows (seconds hidden)
    bool calendarDrawn;       // calendarKey is valid
    std::int64_t calendarKey; // day and double hour the calendar text shows
};

void ResetTickState(TickState& state);

// After a clock change or a resume: the next plan redraws the clock and the calendar text
// whatever they show. (The caller resets the grid's date key.) Reminder bookkeeping stays.
void ForgetDrawnTexts(TickState& state);

// The redraws of one tick. dateChanged stands for the clock, the calendar text and the
// month grid together; drawCalendarText and drawClock are then false.
struct TickPlan {
    bool drawClock;        // every tick with seconds shown, else when the minute shown differs
    bool drawCalendarText; // when the date or the double hour shown differs
    bool dateChanged;      // today differs from the date the grid was drawn for
};

// Plans the redraws and records in state what they will show.
TickPlan PlanTick(const LocalTime& now, bool showSeconds, const DateKey& lastDrawn,
                  TickState& state);

// The next minute whose reminders are owed at `now`, in order; marks it handled before it
// returns, so a tick that runs inside a reminder box never checks the same minute again.
// Owed are the minutes after the last one handled whose start has passed, but none before
// today's midnight (after sleep or a jump forward, earlier days are not replayed). When the
// clock went back within the same day the minutes already handled are not handled again;
// when it went back to an earlier day the bookkeeping starts afresh at now.
// Call with a fresh `now` each time. The minute comes back with now's date and second 0.
bool NextDueMinute(TickState& state, const LocalTime& now, LocalTime& minute);

} // namespace luna
