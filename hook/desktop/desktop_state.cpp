#include "hook/desktop/desktop_state.h"

namespace luna {

Surface m_DeskSurface;
Surface m_BackSurface;
Surface m_CalendarSurface;
Surface m_ReminderSurface;

int m_ScreenWidth = 0;
int m_ScreenHeight = 0;
PanelGeometry m_Panels = {};

std::uint32_t m_DeskTopStyle = 0;
COLORREF m_DeskTopBackColor = 0;

RECT m_PanelRect = {};
RECT m_DateRect = {};

DisplaySettings m_Settings = {};
DateKey m_LastDate = {};
TickState m_Tick = {};

HFONT m_CalendarFont = nullptr;
HFONT m_ClockFont = nullptr;
HFONT m_ReminderFont = nullptr;

std::atomic<std::uint8_t> m_SheetOpen{0};

bool SurfacesReady() {
    return m_DeskSurface.dc != nullptr && m_BackSurface.dc != nullptr &&
           m_CalendarSurface.dc != nullptr && m_ReminderSurface.dc != nullptr;
}

LocalTime CurrentLocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond};
}

RECT ToRect(const PixelRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace luna
