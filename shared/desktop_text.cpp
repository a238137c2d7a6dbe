// The desktop calendar panel text and the desktop clock text.
#include "shared/desktop_text.h"

#include "calendar/calendar_text.h"
#include "calendar/lunar.h"
#include "calendar/names.h"
#include "calendar/text_buffer.h"

namespace luna {
namespace {

int TwoDigitYear(int year) {
    const int y = year - 2000;
    return y < 0 ? y + 100 : y;
}

// The year after month and day (orders 2 and 3).
void AppendTrailingYear(TextBuffer& t, int year, bool twoDigits, bool units) {
    if (units) {
        t.AppendFormat(twoDigits ? "%02d年" : "%d年", year);
    } else {
        t.AppendFormat(twoDigits ? "%02d" : "%d", year);
    }
}

void AppendDatePart(TextBuffer& t, const LocalTime& now, const DisplaySettings& s) {
    const SeparatorText separator = ReadSeparator(s.dateSeparator);
    const char* sep = separator.text;
    const bool units = sep[0] == '\0';
    const bool twoDigits = s.yearDigits == 2;
    const int year = twoDigits ? TwoDigitYear(now.year) : now.year;
    const int month = now.month;
    const int day = now.day;

    switch (s.dateOrder) {
    case 1:
        if (units) {
            t.AppendFormat(twoDigits ? "%02d%s%d月" : "%d%s%d月", year, "年", month);
        } else {
            t.AppendFormat(twoDigits ? "%02d%s%d" : "%d%s%d", year, sep, month);
        }
        if (s.showDate) {
            if (units) {
                t.AppendFormat("%d日", day);
            } else {
                t.AppendFormat("%s%d", sep, day);
            }
        }
        break;
    case 2:
        if (units) {
            t.AppendFormat("%d月", month);
        } else {
            t.AppendFormat("%d%s", month, sep);
        }
        if (s.showDate) {
            if (units) {
                t.AppendFormat("%d日", day);
            } else {
                t.AppendFormat("%d%s", day, sep);
            }
        }
        AppendTrailingYear(t, year, twoDigits, units);
        break;
    case 3:
        if (s.showDate) {
            t.AppendFormat("%d", day);
            if (units) {
                t.AppendFormat("日%d月", month);
            } else {
                t.AppendFormat("%s%d%s", sep, month, sep);
            }
        } else if (units) {
            t.AppendFormat("%d月", month);
        } else {
            t.AppendFormat("%d%s", month, sep);
        }
        AppendTrailingYear(t, year, twoDigits, units);
        break;
    default:
        break;
    }
}

void AppendWeekday(TextBuffer& t, const LocalTime& now) {
    int weekday = now.weekday;
    if (weekday < 0 || weekday > 6) {
        weekday = WeekdayOf(now.year, now.month, now.day);
    }
    t.AppendFormat("星期%s", kWeekdayNames[weekday]);
}

} // namespace

std::size_t ComposeDesktopCalendarText(const LocalTime& now, const DisplaySettings& s,
                                       const char* const* ownSolar, std::size_t ownSolarCount,
                                       const char* const* ownLunar, std::size_t ownLunarCount,
                                       char* out, std::size_t outSize, const char* holidayLine) {
    TextBuffer t(out, outSize);
    AppendDatePart(t, now, s);
    if (s.showWeekday) {
        AppendWeekday(t, now);
    }

    if (!IsSupportedDate(now.year, now.month, now.day)) {
        return t.Length();
    }
    const LunarDate d = LunarOf(now.year, now.month, now.day, now.hour);
    AppendLunarText(t, d);
    AppendSolarTermLine(t, d);

    char key[5];
    FormatDayKey(now.month, now.day, key);
    AppendFestivalLines(t, kSolarHeading, ListOf(kSolarFestivals), key);
    if (ownSolar != nullptr) {
        AppendFestivalLines(t, kSolarHeading, FestivalList{ownSolar, ownSolarCount}, key);
    }
    FormatDayKey(d.lunarMonth, d.lunarDay, key);
    AppendFestivalLines(t, kLunarHeading, ListOf(kLunarFestivalsHook), key);
    if (ownLunar != nullptr) {
        AppendFestivalLines(t, kLunarHeading, FestivalList{ownLunar, ownLunarCount}, key);
    }
    if (holidayLine != nullptr && holidayLine[0] != '\0') {
        t.Append("\n");
        t.Append(holidayLine);
    }
    return t.Length();
}

std::size_t ComposeClockText(const LocalTime& now, DisplaySettings& s, char* out,
                             std::size_t outSize) {
    if (ReadSeparator(s.timeSeparator).text[0] == '\0') {
        WriteSeparator(s.timeSeparator, ":");
    }
    const SeparatorText separator = ReadSeparator(s.timeSeparator);
    const char* sep = separator.text;
    const int h = now.hour;
    const int m = now.minute;

    TextBuffer t(out, outSize);
    if (!s.hour12) {
        t.AppendFormat("%d%s%d", h, sep, m);
    } else if (s.amPm) {
        if (h <= 12) {
            t.AppendFormat("AM%d%s%d", h, sep, m);
        } else {
            t.AppendFormat("PM%d%s%d", h - 12, sep, m);
        }
    } else if (h <= 12) {
        t.AppendFormat("上午%d%s%d", h, sep, m);
    } else {
        t.AppendFormat("下午%d%s%d", h - 12, sep, m);
    }
    if (s.showSeconds) {
        t.AppendFormat("%s%d", sep, now.second);
    }
    return t.Length();
}

} // namespace luna
