// The month grid: a weekday header, then one cell per day with its number and its
// annotations (lunar day or month label or solar term, then the festivals), and the badge
// of an official day off (休) or make-up workday (班) in the cell's top right corner.
#include <windows.h>

#include <cstring>

#include "calendar/lunar.h"
#include "calendar/names.h"
#include "hook/desktop/desktop_holidays.h"
#include "hook/desktop/desktop_state.h"
#include "hook/desktop/overlay.h"
#include "hook/desktop/reminders.h"
#include "hook/subclass_chain.h"
#include "shared/month_annotations.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr COLORREF kHeaderRed = RGB(255, 0, 0);
constexpr COLORREF kTodayBlue = RGB(0, 0, 255);
// A day off's number, and the badges: white characters on a filled square read on every
// background.
constexpr COLORREF kHolidayRed = RGB(214, 48, 49);
constexpr COLORREF kWorkdaySlate = RGB(72, 84, 104);
constexpr COLORREF kBadgeText = RGB(255, 255, 255);

// Draws a text in a colour of its own, then puts the surface's colour back.
void DrawInColor(HDC dc, const char* text, RECT area, UINT format, bool own, COLORREF color) {
    COLORREF previous = 0;
    if (own) {
        previous = SetTextColor(dc, color);
    }
    DrawTextGbk(dc, text, -1, &area, format);
    if (own) {
        SetTextColor(dc, previous);
    }
}

// The 休 or 班 badge in the top right corner of a cell: a square as high as a line of the
// grid's font, never wider than a third of the cell nor taller than the number's band.
void DrawHolidayBadge(HDC dc, HolidayMark mark, const RECT& cell, int band, int fontHeight) {
    if (mark == HolidayMark::None) {
        return;
    }
    int side = fontHeight + 2;
    side = side > (cell.right - cell.left) / 3 ? (cell.right - cell.left) / 3 : side;
    side = side > band ? band : side;
    const RECT badge{cell.right - side - 1, cell.top + 1, cell.right - 1, cell.top + 1 + side};
    HBRUSH brush = CreateSolidBrush(mark == HolidayMark::Off ? kHolidayRed : kWorkdaySlate);
    if (brush != nullptr) {
        FillRect(dc, &badge, brush);
        DeleteObject(brush);
    }
    DrawInColor(dc, mark == HolidayMark::Off ? "休" : "班", badge,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE, true, kBadgeText);
}

// The grid's state while one month is drawn: its annotations live only this long.
DesktopMonth m_MonthGrid;

} // namespace

void RefreshMonthGrid(const LocalTime& now, int force) {
    const DateKey today = FormatDateKey(now.year, now.month, now.day);
    if (!GridNeedsRedraw(today, m_LastDate, force)) {
        return;
    }
    m_LastDate = today;
    const int dayNumber = DayNumber(now.year, now.month, 1);
    const int firstWeekday = dayNumber < 0 ? 1 : (dayNumber + 2) % 7;
    DrawMonthGrid(now.year, now.month, firstWeekday, now.day);
}

void DrawMonthGrid(int year, int month, int firstWeekday, int today) {
    if (!SurfacesReady()) {
        return;
    }
    m_MonthGrid = BuildDesktopMonth(year, month, m_Settings, m_SelfMerrySolar, kFestivalSlots,
                                    m_SelfMerryLunch, kFestivalSlots);
    FillHolidayMarks(DesktopHolidays(), year, month, m_MonthGrid.marks);
    HDC dc = m_CalendarSurface.dc;
    const PixelRect grid = m_Panels.monthGrid;
    const PixelSize work = m_Panels.calendarSurface;
    BitBlt(dc, 0, 0, work.width, work.height, m_BackSurface.dc, grid.left, grid.top, SRCCOPY);

    const int weekday = firstWeekday >= 0 && firstWeekday < 7 ? firstWeekday : 0;
    const int weeks = PlaceDay(weekday, m_MonthGrid.daysInMonth).row + 1;
    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    const GridMetrics cells = ComputeGridMetrics(m_Panels, weeks, font.tmHeight);
    const int cw = cells.cellWidth;
    const int rh = cells.rowHeight;
    const int band = cells.dayNumberBand;

    for (int i = 0; i < 7; ++i) {
        DrawInColor(dc, kWeekdayNames[i], RECT{i * cw, 0, (i + 1) * cw, rh},
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE, true, kHeaderRed);
    }

    for (int day = 1; day <= m_MonthGrid.daysInMonth; ++day) {
        const CellPlace place = PlaceDay(weekday, day);
        const int left = place.column * cw;
        const int top = (place.row + 1) * rh; // row 0 holds the weekday names
        const bool isToday = day == today;
        const HolidayMark mark = m_MonthGrid.marks[day - 1];
        // Today keeps its blue on a marked day; the badge still tells the mark.
        const bool ownColor = isToday || mark == HolidayMark::Off;
        DrawInColor(dc, kSolarDayNames[day - 1], RECT{left, top, left + cw, top + band},
                    DT_CENTER | DT_WORDBREAK, ownColor, isToday ? kTodayBlue : kHolidayRed);
        char annotation[kCellAnnotationMax];
        JoinCellAnnotation(m_MonthGrid, day, annotation, sizeof annotation);
        DrawInColor(dc, annotation, RECT{left, top + band, left + cw, top + rh},
                    DT_CENTER | DT_WORDBREAK, isToday, kTodayBlue);
        DrawHolidayBadge(dc, mark, RECT{left, top, left + cw, top + rh}, band, font.tmHeight);
    }

    BitBlt(m_DeskSurface.dc, grid.left, grid.top, work.width, work.height, dc, 0, 0, SRCCOPY);
    HWND view = AttachedViewWindow();
    if (view != nullptr) {
        const RECT area = ToRect(grid);
        InvalidateRect(view, &area, TRUE);
    }
}

} // namespace luna
