// The calendar text of a day, as GetDate returns it.
#include "calendar/calendar_text.h"

#include "calendar/names.h"

namespace luna {

void AppendLunarText(TextBuffer& text, const LunarDate& d) {
    const char* format;
    if (d.isLeapMonth) {
        format = d.monthDays == 30 ? "\n农历:%s%s[%s]年\n闰%d月（大）%d日\n%s%s月%s%s日%s"
                                   : "\n农历:%s%s[%s]年\n闰%d月%d日\n%s%s月%s%s日%s";
    } else {
        format = d.monthDays == 30 ? "\n农历:%s%s[%s]年\n%d月（大）%d日\n%s%s月%s%s日%s"
                                   : "\n农历:%s%s[%s]年\n%d月%d日\n%s%s月%s%s日%s";
    }
    text.AppendFormat(format, kYearStems[d.yearStem], kYearBranches[d.yearBranch],
                      kZodiac[d.zodiac], d.lunarMonth, d.lunarDay, kMonthStems[d.monthStem],
                      kMonthBranches[d.monthBranch], kDayStems[d.dayStem],
                      kDayBranches[d.dayBranch], d.hourName);
}

void AppendSolarTermLine(TextBuffer& text, const LunarDate& d) {
    if (d.solarTerm < 1 || d.solarTerm > 24) {
        return;
    }
    const unsigned s = d.termSeconds % 86400;
    text.AppendFormat("\n今日:%2d:%2d:%2d%s", static_cast<int>(s / 3600),
                      static_cast<int>(s % 3600 / 60), static_cast<int>(s % 60),
                      kSolarTermNames[d.solarTerm]);
}

void AppendFestivalLines(TextBuffer& text, const char* heading, FestivalList list,
                         const char* key4) {
    ForEachFestivalMatch(list, key4, [&](const char* name) {
        text.Append("\n");
        text.Append(heading);
        text.Append(name);
    });
}

int ComposeCalendarText(int year, int month, int day, int hour, char* out) {
    TextBuffer text(out, kCalendarTextMax);
    if (!IsSupportedDate(year, month, day)) {
        return 0;
    }
    const LunarDate d = LunarOf(year, month, day, hour);
    AppendLunarText(text, d);
    AppendSolarTermLine(text, d);

    char key[5];
    FormatDayKey(month, day, key);
    AppendFestivalLines(text, kSolarHeading, ListOf(kSolarFestivals), key);
    FormatDayKey(d.lunarMonth, d.lunarDay, key);
    AppendFestivalLines(text, kLunarHeading, ListOf(kLunarFestivalsHook), key);
    return static_cast<int>(text.Length());
}

} // namespace luna
