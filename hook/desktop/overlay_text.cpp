// The clock strip, the calendar text and the reminder panel.
#include <windows.h>

#include <string>

#include "hook/desktop/desktop_holidays.h"
#include "hook/desktop/desktop_state.h"
#include "hook/desktop/desktop_surfaces.h"
#include "hook/logic/reminder_panel_text.h"
#include "hook/desktop/overlay.h"
#include "hook/desktop/reminders.h"
#include "hook/subclass_chain.h"
#include "shared/desktop_text.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr COLORREF kReminderRed = RGB(255, 0, 0);

// Puts the clean background back under a rectangle of the composed picture.
void RestoreBackground(const RECT& r) {
    BitBlt(m_DeskSurface.dc, r.left, r.top, r.right - r.left, r.bottom - r.top, m_BackSurface.dc,
           r.left, r.top, SRCCOPY);
}

void InvalidateViewRect(const RECT& r) {
    HWND view = AttachedViewWindow();
    if (view != nullptr) {
        InvalidateRect(view, &r, TRUE);
    }
}

} // namespace

void DrawClockText() {
    if (!SurfacesReady()) {
        return;
    }
    const LocalTime now = CurrentLocalTime();
    char text[64];
    ComposeClockText(now, m_Settings, text, sizeof text);
    RECT strip = ToRect(m_Panels.clock);
    RestoreBackground(strip);
    DrawTextGbk(m_DeskSurface.dc, text, -1, &strip, DT_WORDBREAK | DT_CENTER);
    InvalidateViewRect(ToRect(m_Panels.clock));
}

void DrawCalendarText(const LocalTime& now) {
    if (!SurfacesReady()) {
        return;
    }
    char text[1024];
    const std::string holiday =
        HolidayTextLine(DesktopHolidays().Find(now.year, now.month, now.day));
    ComposeDesktopCalendarText(now, m_Settings, m_SelfMerrySolar, kFestivalSlots, m_SelfMerryLunch,
                               kFestivalSlots, text, sizeof text, holiday.c_str());
    RestoreBackground(m_DateRect);
    RECT area = m_DateRect;
    DrawTextGbk(m_DeskSurface.dc, text, -1, &area, DT_WORDBREAK | DT_CENTER);
    InvalidateViewRect(m_DateRect);
}

void DrawReminderPanel() {
    if (!SurfacesReady()) {
        return;
    }
    struct PanelWork {
        ReminderPanelText text;
        ReminderEntry lunarToday[kReminderSlots];
    };
    auto* panel =
        static_cast<PanelWork*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(PanelWork)));
    if (panel == nullptr) {
        return; // the panel keeps its previous image
    }
    // The reminders of Reminder.rem, then the lunar ones that fall on today.
    const char* entries[2 * kReminderSlots] = {};
    std::size_t count = 0;
    for (std::size_t i = 0; i < kReminderSlots && m_Reminder[i] != nullptr; ++i) {
        entries[count++] = m_Reminder[i];
    }
    const std::size_t lunarDue = LunarRemindersDueOn(CurrentLocalTime(), panel->lunarToday);
    for (std::size_t i = 0; i < lunarDue; ++i) {
        entries[count++] = panel->lunarToday[i];
    }
    ComposeReminderPanelText(entries, count, panel->text);

    SetTextColor(m_ReminderSurface.dc, kReminderRed);
    m_PanelRect = ToRect(m_Panels.reminderLocal);
    const RECT target = ToRect(m_Panels.reminder);
    BitBlt(m_ReminderSurface.dc, 0, 0, m_PanelRect.right, m_PanelRect.bottom, m_BackSurface.dc,
           target.left, target.top, SRCCOPY);
    DrawTextGbk(m_ReminderSurface.dc, panel->text.text, static_cast<int>(kReminderPanelChars),
                &m_PanelRect, DT_WORDBREAK);
    BitBlt(m_DeskSurface.dc, target.left, target.top, m_PanelRect.right, m_PanelRect.bottom,
           m_ReminderSurface.dc, 0, 0, SRCCOPY);
    m_PanelRect = target;
    InvalidateViewRect(m_PanelRect);
    HeapFree(GetProcessHeap(), 0, panel);
}

} // namespace luna
