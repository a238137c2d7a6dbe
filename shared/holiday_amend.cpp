#include "shared/holiday_amend.h"

#include <algorithm>
#include <map>

#include "calendar/lunar.h"
#include "shared/notice_dates.h"

namespace luna {

bool ApplyNotice(const NoticeReading& reading, const HolidayYear* base, HolidayYear& out,
                 std::string& reason) {
    if (!reading.ok) {
        reason = reading.reason;
        return false;
    }
    if (!reading.amendment) {
        out = HolidayYear{};
        out.year = reading.year;
        out.days = reading.days;
        out.notice = reading.notice;
        return true;
    }
    if (base == nullptr || base->year != reading.year) {
        reason = "这份通知调整的是已有的安排，但该年还没有数据";
        return false;
    }
    HolidayYear year = *base;
    std::map<int, HolidayEntry> days;
    const auto serial = [&](const HolidayEntry& e) {
        return DayNumber(e.year != 0 ? e.year : year.year, e.month, e.day);
    };
    for (const HolidayEntry& e : year.days) {
        const bool replaced = std::any_of(reading.days.begin(), reading.days.end(),
                                          [&](const HolidayEntry& r) { return r.name == e.name; });
        if (!replaced) {
            days[serial(e)] = e;
        }
    }
    for (const HolidayEntry& e : reading.days) {
        days[serial(e)] = e;
    }
    for (const NoticeExtension& x : reading.extensions) {
        int first = 0;
        for (const auto& d : days) {
            if (d.second.name == x.name && d.second.mark == HolidayMark::Off) {
                first = d.first;
                break;
            }
        }
        const int last = DayNumber(year.year, x.month, x.day);
        if (first == 0 || last < first || last - first >= kMaxHolidayRunDays) {
            reason = "要延长的假期在该年的数据中找不到";
            return false;
        }
        for (NoticeDate d{year.year - 1, 12, 1}; Serial(d) <= last; d = Step(d, 1)) {
            if (Serial(d) >= first) {
                days[Serial(d)] = HolidayEntry{d.month, d.day, HolidayMark::Off, x.name, d.year};
            }
        }
    }
    year.days.clear();
    for (const auto& d : days) {
        year.days.push_back(d.second);
    }
    year.notice = base->notice.empty() ? reading.notice : base->notice + "；" + reading.notice;
    out = year;
    return true;
}

} // namespace luna
