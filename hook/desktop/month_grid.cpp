#include "hook/desktop/month_grid.h"

#include <windows.h>

#include "calendar/names.h"
#include "hook/desktop/reminders.h"
#include "hook/desktop/overlay_outline.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr COLORREF kHeaderRed = RGB(255, 0, 0);
constexpr COLORREF kTodayBlue = RGB(0, 0, 255);

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

// One day's cell: its number, then its annotations, both blue on today.
void DrawDayCell(HDC dc, const DesktopMonth& month, int day, const DayCellRects& cell,
                 bool isToday) {
    DrawInColor(dc, kSolarDayNames[day - 1], cell.number, DT_CENTER | DT_WORDBREAK, isToday,
                kTodayBlue);
    char annotation[kCellAnnotationMax];
    JoinCellAnnotation(month, day, annotation, sizeof annotation);
    DrawInColor(dc, annotation, cell.annotation, DT_CENTER | DT_WORDBREAK, isToday, kTodayBlue);
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
    shown = BuildDesktopMonth(year, month, desktop.settings, m_SelfMerrySolar, kFestivalSlots,
                              m_SelfMerryLunch, kFestivalSlots);
    HDC dc = desktop.gridWork.dc;
    const PixelRect grid = desktop.panels.monthGrid;
    const PixelSize work = desktop.panels.calendarSurface;
    BitBlt(dc, 0, 0, work.width, work.height, desktop.background.dc, grid.left, grid.top, SRCCOPY);

    const int weeks = PlaceDay(shown.firstWeekday, shown.daysInMonth).row + 1;
    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    const GridMetrics cells = ComputeGridMetrics(desktop.panels, weeks, font.tmHeight);

    for (int column = 0; column < 7; ++column) {
        DrawInColor(dc, kWeekdayNames[column], GridHeaderCell(cells, column),
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE, true, kHeaderRed);
    }
    for (int day = 1; day <= shown.daysInMonth; ++day) {
        const CellPlace place = PlaceDay(shown.firstWeekday, day);
        DrawDayCell(dc, shown, day, GridDayCell(cells, place.column, place.row), day == today);
    }

    BitBlt(desktop.picture.dc, grid.left, grid.top, work.width, work.height, dc, 0, 0, SRCCOPY);
    ShowOnView(ToRect(grid));
}

} // namespace luna
