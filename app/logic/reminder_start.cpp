#include "app/logic/reminder_start.h"

#include <vector>

#include "app/logic/lunar_reminder_item.h"
#include "calendar/lunar.h"

namespace luna {

bool ReminderStartOn(int year, int month, int day, ReminderStartRows& rows) {
    LunarDate d{};
    d.year = year;
    d.month = month;
    d.day = day;
    if (!IsSupportedDate(year, month, day) || ConvertToLunar(d) != 0) {
        return false;
    }
    rows.month = month - 1;
    rows.day = day - 1;
    rows.lunarDay = d.lunarDay - 1;
    rows.lunarMonth = 0;
    const std::vector<LunarMonthChoice> choices = LunarMonthChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].month == d.lunarMonth && choices[i].leap == (d.isLeapMonth != 0)) {
            rows.lunarMonth = static_cast<int>(i);
        }
    }
    return true;
}

} // namespace luna
