// The holiday lines and events of lunacal.
#include "tools/lunacal/holiday_view.h"

#include <cstdio>

#include "calendar/lunar.h"

namespace luna::lunacal {
namespace {

const char* MarkName(HolidayMark mark) {
    return mark == HolidayMark::Off ? "休" : "班";
}

} // namespace

std::string RenderHolidayYear(const HolidayYear& year) {
    std::string out;
    for (const HolidayEntry& e : year.days) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", e.year, e.month, e.day);
        out += std::string(date) + "\t" + MarkName(e.mark) + "\t" + e.name + "\n";
    }
    return out;
}

std::vector<IcsEvent> PlanHolidayEvents(const HolidayTable& table, const ExportRange& range,
                                        GbkToUtf8Function toUtf8) {
    std::vector<IcsEvent> events;
    const int first = DayNumber(range.first.year, range.first.month, range.first.day);
    const int last = DayNumber(range.last.year, range.last.month, range.last.day);
    for (const int notice : table.Years()) {
        for (const HolidayEntry& e : table.Year(notice)->days) {
            const int serial = DayNumber(e.year, e.month, e.day);
            if (serial < first || serial > last) {
                continue;
            }
            IcsEvent event;
            char uid[48];
            std::snprintf(uid, sizeof uid, "lunavis-holiday-%04d%02d%02d@lunavis", e.year, e.month,
                          e.day);
            event.uid = uid;
            event.summary = toUtf8(e.name + " " + MarkName(e.mark));
            event.year = e.year;
            event.month = e.month;
            event.day = e.day;
            event.allDay = true;
            events.push_back(event);
        }
    }
    return events;
}

} // namespace luna::lunacal
