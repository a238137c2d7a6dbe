// A new reminder on a day picked on the desktop's month grid: where the reminder page's date
// lists stand for it. The Gregorian lists show the day; the lunar lists, which 农历 brings
// up, show that day's lunar date, for a reminder that comes back every lunar year.
#pragma once

namespace luna {

struct ReminderStartRows {
    int month;      // row of the Gregorian month list (month - 1)
    int day;        // row of the Gregorian day list (day - 1)
    int lunarMonth; // row of LunarMonthChoices(): the lunar month, or its leap twin
    int lunarDay;   // row of LunarDayChoices() (lunar day - 1)
};

// False for a day that is not a real date in 1900-2099.
bool ReminderStartOn(int year, int month, int day, ReminderStartRows& rows);

} // namespace luna
