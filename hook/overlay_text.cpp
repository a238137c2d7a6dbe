// The clock strip, the calendar text and the reminder panel.
#include <windows.h>

#include "calendar/desktop_text.h"
#include "hook/desktop_state.h"
#include "hook/desktop_surfaces.h"
#include "hook/logic/reminder_panel_text.h"
#include "hook/overlay.h"
#include "hook/reminders.h"
#include "hook/subclass_chain.h"

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
    DrawTextA(m_DeskSurface.dc, text, -1, &strip, DT_WORDBREAK | DT_CENTER);
    InvalidateViewRect(ToRect(m_Panels.clock));
}

void DrawCalendarText(const LocalTime& now) {
    if (!SurfacesReady()) {
        return;
    }
    char text[1024];
    ComposeDesktopCalendarText(now, m_Settings, m_SelfMerrySolar, kFestivalSlots, m_SelfMerryLunch,
                               kFestivalSlots, text, sizeof text);
    RestoreBackground(m_DateRect);
    RECT area = m_DateRect;
    DrawTextA(m_DeskSurface.dc, text, -1, &area, DT_WORDBREAK | DT_CENTER);
    InvalidateViewRect(m_DateRect);
}

void DrawReminderPanel() {
    if (!SurfacesReady()) {
        return;
    }
    auto* panel = static_cast<ReminderPanelText*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ReminderPanelText)));
    if (panel == nullptr) {
        return; // the panel keeps its previous image
    }
    ComposeReminderPanelText(m_Reminder, kReminderSlots, *panel);

    SetTextColor(m_ReminderSurface.dc, kReminderRed);
    m_PanelRect = ToRect(m_Panels.reminderLocal);
    const RECT target = ToRect(m_Panels.reminder);
    BitBlt(m_ReminderSurface.dc, 0, 0, m_PanelRect.right, m_PanelRect.bottom, m_BackSurface.dc,
           target.left, target.top, SRCCOPY);
    DrawTextA(m_ReminderSurface.dc, panel->text, static_cast<int>(kReminderPanelChars),
              &m_PanelRect, DT_WORDBREAK);
    BitBlt(m_DeskSurface.dc, target.left, target.top, m_PanelRect.right, m_PanelRect.bottom,
           m_ReminderSurface.dc, 0, 0, SRCCOPY);
    m_PanelRect = target;
    InvalidateViewRect(m_PanelRect);
    HeapFree(GetProcessHeap(), 0, panel);
}

} // namespace luna
