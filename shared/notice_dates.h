// The date arithmetic of the holiday notices: whole days, weekends and the weekday a note
// in brackets names.
#pragma once

#include <string>

namespace luna {

struct NoticeDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The longest run of days off one holiday has ever had is nine; anything beyond a month is
// a misreading.
constexpr int kMaxHolidayRunDays = 31;

// Whole days, consecutive across months and years (DayNumber of calendar/lunar.h).
int Serial(const NoticeDate& date);

// The date `delta` days later (earlier when negative).
NoticeDate Step(NoticeDate date, int delta);

bool IsWeekend(const NoticeDate& date);

// The weekday (0 = Sunday) a note names, as "周四", "星期日" or "农历正月初七、周一"; -1 when
// it names none.
int NamedWeekday(const std::u32string& note);

} // namespace luna
