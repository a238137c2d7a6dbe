#include "hook/desktop/month_grid.h"

#include <windows.h>

#include "calendar/names.h"
#include "hook/desktop/desktop_holidays.h"
#include "hook/desktop/grid_view.h"
#include "hook/desktop/reminders.h"
#include "hook/desktop/overlay_outline.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr COLORREF kHeaderRed = RGB(255, 0, 0);
constexpr COLORREF kTodayBlue = RGB(0, 0, 255);
// A day off's number, and the badges: white characters on a filled square read on every
// background.
constexpr COLORREF kBadgeText = RGB(255, 255, 255);

// Draws a text in a colour of its own, then puts the surface's colour back.
void DrawInColor(HDC dc, const char* text, const PixelRect& where, UINT format, bool own,
                 COLORREF color) {
    COLORREF previous = 0;
    if (own) {
        previous = SetTextColor(dc, color);
    }
    RECT area = ToRect(where);
    DrawOverlayText(dc, text, -1, &area, format);
    if (own) {
        SetTextColor(dc, previous);
    }
}

// The 休 or 班 badge in the top right corner of a cell: a square as high as a line of the
// grid's font, never wider than a third of the cell nor taller than the number's band.
void DrawHolidayBadge(HDC dc, HolidayMark mark, const DayCellRects& cell, int fontHeight) {
    if (mark == HolidayMark::None) {
        return;
    }
    const int cellWidth = cell.number.right - cell.number.left;
    const int band = cell.number.bottom - cell.number.top;
    int side = fontHeight + 2;
    side = side > cellWidth / 3 ? cellWidth / 3 : side;
    side = side > band ? band : side;
    const RECT badge{cell.number.right - side - 1, cell.number.top + 1, cell.number.right - 1,
                     cell.number.top + 1 + side};
    HBRUSH brush =
        CreateSolidBrush(mark == HolidayMark::Off ? kHolidayOffColor : kHolidayWorkColor);
    if (brush != nullptr) {
        FillRect(dc, &badge, brush);
        DeleteObject(brush);
    }
    const PixelRect where{badge.left, badge.top, badge.right, badge.bottom};
    DrawInColor(dc, mark == HolidayMark::Off ? "休" : "班", where,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE, true, kBadgeText);
}

// One day's cell: its number (in the holiday colour on a day off), then its annotations,
// both blue on today, and the day's holiday badge. Today keeps its blue on a marked day.
void DrawDayCell(HDC dc, const DesktopMonth& month, int day, const DayCellRects& cell, bool isToday,
                 int fontHeight) {
    const HolidayMark mark = month.marks[day - 1];
    const bool ownColor = isToday || mark == HolidayMark::Off;
    DrawInColor(dc, kSolarDayNames[day - 1], cell.number, DT_CENTER | DT_WORDBREAK, ownColor,
                isToday ? kTodayBlue : kHolidayOffColor);
    char annotation[kCellAnnotationMax];
    JoinCellAnnotation(month, day, annotation, sizeof annotation);
    DrawInColor(dc, annotation, cell.annotation, DT_CENTER | DT_WORDBREAK, isToday, kTodayBlue);
    DrawHolidayBadge(dc, mark, cell, fontHeight);
}

} // namespace

void RefreshMonthGrid(Desktop& desktop, const LocalTime& now, int force) {
    const DateKey today = FormatDateKey(now.year, now.month, now.day);
    if (!GridNeedsRedraw(today, desktop.gridDate, force)) {
        return;
    }
    desktop.gridDate = today;
    DrawMonthGrid(desktop, now.year, now.month, now.day);
}

void DrawMonthGrid(Desktop& desktop, int year, int month, int today) {
    if (!desktop.Ready()) {
        return;
    }
    DesktopMonth& shown = desktop.month;
    shown = BuildDesktopMonth(year, month, desktop.settings, userGregorianFestivals, kFestivalSlots,
                              userLunarFestivals, kFestivalSlots);
    if (const HolidayTable* holidays = DesktopHolidays()) {
        FillHolidayMarks(*holidays, year, month, shown.marks);
    }
    HDC dc = desktop.gridWork.dc;
    const PixelRect grid = desktop.panels.monthGrid;
    const PixelSize work = desktop.panels.calendarSurface;
    BitBlt(dc, 0, 0, work.width, work.height, desktop.background.dc, grid.left, grid.top, SRCCOPY);

    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    const MonthGridLayout& layout =
        LayOutShownMonth(desktop, {year, month}, CurrentLocalTime(), font.tmHeight);
    const GridMetrics& cells = layout.cells;
    DrawGridTitle(desktop, dc, kHeaderRed);
    DrawWeekColumn(desktop, dc);

    for (int column = 0; column < 7; ++column) {
        DrawInColor(dc, kWeekdayNames[column], GridHeaderCell(cells, column),
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE, true, kHeaderRed);
    }
    for (int day = 1; day <= shown.daysInMonth; ++day) {
        const CellPlace place = PlaceDay(shown.firstWeekday, day);
        DrawDayCell(dc, shown, day, GridDayCell(cells, place.column, place.row), day == today,
                    font.tmHeight);
    }

    BitBlt(desktop.picture.dc, grid.left, grid.top, work.width, work.height, dc, 0, 0, SRCCOPY);
    ShowOnView(ToRect(grid));
}

} // namespace luna
