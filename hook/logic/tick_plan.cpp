#include "hook/logic/tick_plan.h"

#include <cstdio>
#include <cstring>

#include "calendar/lunar.h"

namespace luna {

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

bool SameKey(const DateKey& a, const DateKey& b) {
    return std::strncmp(a.text, b.text, sizeof a.text) == 0;
}

std::int64_t DayIndex(const LocalTime& t) {
    return DayNumber(t.year, t.month, t.day);
}

// The calendar text changes with the date and with the double hour (23-1, 1-3, ... 21-23),
// the only part of the clock it shows.
std::int64_t CalendarKey(const LocalTime& t) {
    const int doubleHour = ((t.hour + 1) / 2) % 12;
    return DayIndex(t) * 12 + doubleHour;
}

// The minute in progress counts as handled unless this sample is its second 0.
std::int64_t StartingPoint(const LocalTime& now) {
    return MinuteIndex(now) - (now.second == 0 ? 1 : 0);
}

} // namespace

DateKey FormatDateKey(int year, int month, int day) {
    DateKey key{};
    std::snprintf(key.text, sizeof key.text, "%4d/%2d%2d", year, month, day);
    return key;
}

void ResetDateKey(DateKey& key) {
    std::memset(key.text, 0, sizeof key.text);
    std::memcpy(key.text, kNoDateDrawn, sizeof kNoDateDrawn);
}

bool GridNeedsRedraw(const DateKey& today, const DateKey& lastDrawn, int force) {
    return force != 0 && !SameKey(today, lastDrawn);
}

std::int64_t MinuteIndex(const LocalTime& t) {
    return DayIndex(t) * kMinutesPerDay + t.hour * 60 + t.minute;
}

void ResetTickState(TickState& state) {
    state = TickState{};
}

void ForgetDrawnTexts(TickState& state) {
    state.clockDrawn = false;
    state.calendarDrawn = false;
}

TickPlan PlanTick(const LocalTime& now, bool showSeconds, const DateKey& lastDrawn,
                  TickState& state) {
    TickPlan plan{};
    const std::int64_t minute = MinuteIndex(now);
    const std::int64_t calendar = CalendarKey(now);
    plan.dateChanged = !SameKey(FormatDateKey(now.year, now.month, now.day), lastDrawn);
    if (!plan.dateChanged) {
        plan.drawClock = showSeconds || !state.clockDrawn || state.clockMinute != minute;
        plan.drawCalendarText = !state.calendarDrawn || state.calendarKey != calendar;
    }
    state.clockDrawn = true;
    state.clockMinute = minute;
    state.calendarDrawn = true;
    state.calendarKey = calendar;
    return plan;
}

bool NextDueMinute(TickState& state, const LocalTime& now, LocalTime& minute) {
    const std::int64_t current = MinuteIndex(now);
    const std::int64_t midnight = current - (now.hour * 60 + now.minute);
    if (!state.started) {
        state.started = true;
        state.minuteDone = StartingPoint(now);
    } else if (state.minuteDone >= midnight + kMinutesPerDay) {
        state.minuteDone = StartingPoint(now); // back to an earlier day
    }
    if (state.minuteDone < midnight - 1) {
        state.minuteDone = midnight - 1; // nothing of earlier days is replayed
    }
    if (state.minuteDone >= current) {
        return false;
    }
    ++state.minuteDone;
    const int ofDay = static_cast<int>(state.minuteDone - midnight);
    minute = LocalTime{now.year, now.month, now.day, now.weekday, ofDay / 60, ofDay % 60, 0};
    return true;
}

} // namespace luna
