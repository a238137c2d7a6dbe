// One export line per day.
#include "tools/lunacal/export_lines.h"

#include <cstdio>

#include "calendar/lunar.h"
#include "calendar/names.h"

namespace luna::lunacal {

void AppendExportLine(int year, int month, int day, std::string& out) {
    if (!IsSupportedDate(year, month, day)) {
        return;
    }
    const LunarDate d = LunarOf(year, month, day);
    char termTime[16] = "-";
    if (d.solarTerm != 0) {
        const unsigned s = d.termSeconds % 86400;
        std::snprintf(termTime, sizeof termTime, "%02u:%02u:%02u", s / 3600, s % 3600 / 60, s % 60);
    }
    char line[128];
    const int length = std::snprintf(
        line, sizeof line, "%04d-%02d-%02d\t%d\t%d\t%d\t%d\t%d\t%s%s\t%s%s\t%s%s\t%s\t%s\t%s\n",
        year, month, day, d.lunarYear, d.lunarMonth, d.lunarDay, d.isLeapMonth, d.monthDays,
        kYearStems[d.yearStem], kYearBranches[d.yearBranch], kMonthStems[d.monthStem],
        kMonthBranches[d.monthBranch], kDayStems[d.dayStem], kDayBranches[d.dayBranch],
        kZodiac[d.zodiac], d.solarTerm != 0 ? kSolarTermNames[d.solarTerm] : "-", termTime);
    if (length > 0) {
        out.append(line, static_cast<std::size_t>(length) < sizeof line
                             ? static_cast<std::size_t>(length)
                             : sizeof line - 1);
    }
}

} // namespace luna::lunacal
