#include "shared/notice_dates.h"

#include "calendar/lunar.h"

namespace luna {

int Serial(const NoticeDate& d) {
    return DayNumber(d.year, d.month, d.day);
}

NoticeDate Step(NoticeDate d, int delta) {
    for (; delta > 0; --delta) {
        if (++d.day > DaysInMonth(d.year, d.month)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    for (; delta < 0; ++delta) {
        if (--d.day < 1) {
            if (--d.month < 1) {
                d.month = 12;
                --d.year;
            }
            d.day = DaysInMonth(d.year, d.month);
        }
    }
    return d;
}

bool IsWeekend(const NoticeDate& d) {
    const int weekday = WeekdayOf(d.year, d.month, d.day);
    return weekday == 0 || weekday == 6;
}

int NamedWeekday(const std::u32string& note) {
    const std::u32string names = U"日一二三四五六天";
    for (const std::u32string& lead : {std::u32string(U"星期"), std::u32string(U"周")}) {
        for (std::size_t at = note.find(lead); at != std::u32string::npos;
             at = note.find(lead, at + 1)) {
            const std::size_t next = at + lead.size();
            if (next < note.size() && names.find(note[next]) != std::u32string::npos) {
                const int index = static_cast<int>(names.find(note[next]));
                return index == 7 ? 0 : index;
            }
        }
    }
    return -1;
}

} // namespace luna
