#include "hook/logic/day_tip.h"

#include <cstring>
#include <string>

#include "calendar/calendar_text.h"
#include "calendar/lunar.h"
#include "calendar/names.h"
#include "calendar/text_buffer.h"
#include "hook/logic/lunar_due.h"
#include "hook/logic/reminder_check.h"

namespace luna {
namespace {

constexpr std::size_t kReminderListMax = 50;

// A reminder entry's line: its time ("hh:mm" as stored, after the "MM/DD " date) and the
// first line of its text.
void AppendReminderLine(TextBuffer& text, const char* entry) {
    const std::size_t length = std::strlen(entry);
    if (length <= 6) {
        return;
    }
    const char* rest = entry + 6;
    text.Append("\n备忘 ");
    text.AppendBytes(rest, std::strcspn(rest, "\r\n"));
}

void AppendFestival(TextBuffer& text, const char* heading, const char* name) {
    if (name != nullptr && name[0] != '\0') {
        text.Append("\n");
        text.Append(heading);
        text.Append(name);
    }
}

} // namespace

std::size_t ComposeDayTip(int day, const DayTipSources& sources, char* out, std::size_t outSize) {
    TextBuffer text(out, outSize);
    const DesktopMonth* month = sources.month;
    if (month == nullptr || day < 1 || day > month->daysInMonth) {
        return 0;
    }
    LunarDate d{};
    d.year = month->year;
    d.month = month->month;
    d.day = day;
    d.hour = -1; // no double hour
    if (ConvertToLunar(d) != 0) {
        return 0;
    }
    text.AppendFormat("%d年%d月%d日 星期%s", d.year, d.month, d.day,
                      kWeekdayNames[WeekdayOf(d.year, d.month, d.day)]);
    AppendLunarText(text, d);
    if (d.solarTerm >= 1 && d.solarTerm <= 24) {
        const unsigned s = d.termSeconds % 86400;
        text.AppendFormat("\n节气 %s %02u:%02u:%02u", kSolarTermNames[d.solarTerm], s / 3600,
                          s % 3600 / 60, s % 60);
    }
    AppendFestival(text, kSolarHeading, month->Slot(day, kSolarFestivalSlot));
    AppendFestival(text, kSolarHeading, month->Slot(day, kOwnSolarSlot));
    AppendFestival(text, kLunarHeading, month->Slot(day, kLunarFestivalSlot));
    AppendFestival(text, kLunarHeading, month->Slot(day, kOwnLunarSlot));
    if (sources.holidays != nullptr) {
        const std::string holiday = HolidayTextLine(sources.holidays->Find(d.year, d.month, d.day));
        if (!holiday.empty()) {
            text.Append("\n");
            text.Append(holiday.c_str());
        }
    }

    char prefix[8];
    const ReminderStamp stamp = FormatReminderStamp(d.month, d.day, 0, 0);
    std::memcpy(prefix, stamp.text, 5); // "MM/DD"
    prefix[5] = '\0';
    for (std::size_t i = 0; i < sources.reminderCount && sources.reminders != nullptr; ++i) {
        const char* entry = sources.reminders[i];
        if (entry == nullptr) {
            break;
        }
        if (std::strncmp(entry, prefix, 5) == 0) {
            AppendReminderLine(text, entry);
        }
    }
    ReminderEntry lunar[kReminderListMax];
    const std::size_t due = LunarRemindersOnDay(sources.lunarReminders, sources.lunarReminderCount,
                                                d.year, d.month, d.day, lunar, kReminderListMax);
    for (std::size_t i = 0; i < due; ++i) {
        AppendReminderLine(text, lunar[i]);
    }
    return text.Length();
}

} // namespace luna
