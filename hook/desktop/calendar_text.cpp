#include "hook/desktop/calendar_text.h"

#include <string>

#include "hook/desktop/desktop_holidays.h"
#include "hook/desktop/reminders.h"
#include "shared/desktop_text.h"
#include "hook/desktop/overlay_outline.h"
#include "shared/win32/wide_text.h"

namespace luna {

void DrawCalendarText(Desktop& desktop, const LocalTime& now) {
    if (!desktop.Ready()) {
        return;
    }
    char text[1024];
    const HolidayTable* holidays = DesktopHolidays();
    const std::string holiday =
        holidays == nullptr ? "" : HolidayTextLine(holidays->Find(now.year, now.month, now.day));
    ComposeDesktopCalendarText(now, desktop.settings, userGregorianFestivals, kFestivalSlots,
                               userLunarFestivals, kFestivalSlots, text, sizeof text,
                               holiday.c_str());
    const RECT date = ToRect(desktop.panels.calendarText);
    RestoreBackground(desktop, date);
    RECT area = date;
    DrawOverlayText(desktop.picture.dc, text, -1, &area, DT_WORDBREAK | DT_CENTER);
    ShowOnView(date);
}

} // namespace luna
