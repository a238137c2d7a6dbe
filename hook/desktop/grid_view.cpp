#include "hook/desktop/grid_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "calendar/lunar.h"
#include "hook/desktop/day_tip_window.h"
#include "hook/desktop/desktop_holidays.h"
#include "hook/desktop/desktop.h"
#include "hook/desktop/month_grid.h"
#include "hook/desktop/overlay_outline.h"
#include "hook/desktop/reminders.h"
#include "hook/logic/day_tip.h"
#include "hook/shared_hook_state.h"
#include "shared/date_param.h"
#include "shared/messages.h"
#include "shared/settings_table.h"
#include "shared/win32/debug_log.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

// Draws the month with today's mark when it is today's month.
void ShowMonth(Desktop& desktop, ShownMonth month) {
    const LocalTime now = CurrentLocalTime();
    const bool current = month == ShownMonth{now.year, now.month};
    DrawMonthGrid(desktop, month.year, month.month, current ? now.day : 0);
}

// A point on an icon (or its label) belongs to the icon, whatever lies beneath it.
bool OnIcon(HWND listView, POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    const LRESULT item = SendMessageW(listView, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return item >= 0 && (hit.flags & LVHT_ONITEM) != 0;
}

GridHit HitAt(const Desktop& desktop, POINT point) {
    if (!desktop.Ready()) {
        return {GridTarget::kOutside, 0};
    }
    const PixelRect grid = desktop.panels.monthGrid;
    return HitTestMonthGrid(desktop.grid.layout, desktop.grid.away, point.x - grid.left,
                            point.y - grid.top);
}

void StopHover(GridView& grid, HWND listView) {
    KillTimer(listView, kDayTipTimerId);
    HideDayTip();
    grid.hoverDay = 0;
}

// Asks for WM_MOUSELEAVE, so the tip goes when the pointer leaves the list view. The
// list view's own tracking of the same window stays as it was.
void TrackLeave(HWND listView) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, listView, 0};
    TrackMouseEvent(&track);
}

// lunavis's main window, as the shared record names it: a window of another process.
HWND MainWindow() {
    HWND main = SharedState().m_hMainWnd;
    DWORD process = 0;
    if (main == nullptr || IsWindow(main) == FALSE ||
        GetWindowThreadProcessId(main, &process) == 0 || process == GetCurrentProcessId()) {
        return nullptr;
    }
    return main;
}

void StartReminderOn(ShownMonth m, int day) {
    WriteDebugLogf("新提醒 %04d-%02d-%02d", m.year, m.month, day);
    if (HWND main = MainWindow()) {
        PostMessageW(main, UM_NEWREMINDERON, PackDateParam(m.year, m.month, day), 0);
    }
}

bool OnClick(Desktop& desktop, UINT message, const GridHit& hit) {
    GridView& grid = desktop.grid;
    grid.lastClick = CurrentLocalTime();
    switch (hit.target) {
    case GridTarget::kPrevious:
        ShowMonth(desktop, StepMonth(grid.shown, -1));
        return true;
    case GridTarget::kNext:
        ShowMonth(desktop, StepMonth(grid.shown, 1));
        return true;
    case GridTarget::kToday:
        ShowMonth(desktop, {grid.lastClick.year, grid.lastClick.month});
        return true;
    case GridTarget::kDay:
        if (message == WM_LBUTTONDBLCLK) {
            StartReminderOn(grid.shown, hit.day);
        }
        return false; // the list view still sees it: a rubber band may start here
    case GridTarget::kPlain:
    case GridTarget::kOutside:
        break;
    }
    return false;
}

void OnMove(GridView& grid, HWND listView, POINT point, const GridHit& hit) {
    if (hit.target != GridTarget::kDay) {
        if (grid.hoverDay != 0) {
            StopHover(grid, listView);
        }
        return;
    }
    grid.hoverPoint = point;
    if (hit.day != grid.hoverDay) {
        HideDayTip();
        grid.hoverDay = hit.day;
        SetTimer(listView, kDayTipTimerId, kDayTipDelayMs, nullptr);
        TrackLeave(listView);
    }
}

// The arrows are thin strokes in the grid's font: bold and as tall as the title row lets
// them be, they read as marks to click. Null when the font cannot be made.
HFONT MarkFont(HDC dc, int titleHeight) {
    LOGFONTW font{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font) == 0) {
        return nullptr;
    }
    const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    font.lfHeight = -std::max(std::min(height * 2, titleHeight), 1);
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

} // namespace

const MonthGridLayout& LayOutShownMonth(Desktop& desktop, ShownMonth month, const LocalTime& now,
                                        int fontHeight) {
    GridView& grid = desktop.grid;
    grid.hoverDay = 0; // a tip of the month drawn before would name the wrong day
    HideDayTip();
    grid.shown = month;
    grid.away = !(month == ShownMonth{now.year, now.month});
    grid.layout = LayoutMonthGrid(desktop.panels, month, fontHeight, grid.weekNumbers);
    WriteDebugLogf("显示月份 %04d-%02d", month.year, month.month);
    return grid.layout;
}

void DrawGridTitle(const Desktop& desktop, HDC dc, COLORREF markColor) {
    const GridView& grid = desktop.grid;
    RECT title = ToRect(grid.layout.TitleRow());
    DrawOverlayText(dc, FormatMonthTitle(grid.shown).text, -1, &title,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const COLORREF previous = SetTextColor(dc, markColor);
    constexpr UINT kMark = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    HFONT arrows = MarkFont(dc, grid.layout.cells.titleHeight);
    HGDIOBJ font = arrows != nullptr ? SelectObject(dc, arrows) : nullptr;
    RECT previousMark = ToRect(grid.layout.TitleColumn(kPreviousMarkColumn));
    DrawTextW(dc, L"\u2039", 1, &previousMark, kMark);
    RECT nextMark = ToRect(grid.layout.TitleColumn(kNextMarkColumn));
    DrawTextW(dc, L"\u203A", 1, &nextMark, kMark);
    if (arrows != nullptr) {
        SelectObject(dc, font);
        DeleteObject(arrows);
    }
    if (grid.away) {
        RECT todayMark = ToRect(grid.layout.TitleColumn(kTodayMarkColumn));
        DrawOverlayText(dc, "今天", -1, &todayMark, kMark);
    }
    SetTextColor(dc, previous);
}

void DrawWeekColumn(const Desktop& desktop, HDC dc) {
    const GridView& grid = desktop.grid;
    const MonthGridLayout& layout = grid.layout;
    if (layout.cells.weekColumn <= 0) {
        return;
    }
    for (int row = 0; row < layout.weeks; ++row) {
        const PixelRect cell = layout.WeekCell(row);
        RECT band{cell.left, cell.top, cell.right, cell.top + layout.cells.dayNumberBand};
        wchar_t number[8];
        const int length = wsprintfW(number, L"%d", WeekNumberOfRow(grid.shown, layout, row));
        DrawTextW(dc, number, length, &band, DT_CENTER | DT_SINGLELINE);
    }
}

bool OnGridMouse(Desktop& desktop, HWND listView, UINT message, LPARAM lParam) {
    GridView& grid = desktop.grid;
    if (message == WM_MOUSELEAVE) {
        StopHover(grid, listView);
        return false;
    }
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (OnIcon(listView, point)) {
        StopHover(grid, listView);
        return false;
    }
    const GridHit hit = HitAt(desktop, point);
    if (message == WM_MOUSEMOVE) {
        OnMove(grid, listView, point, hit);
        return false;
    }
    StopHover(grid, listView);
    return hit.target != GridTarget::kOutside && OnClick(desktop, message, hit);
}

void OnDayTipTimer(Desktop& desktop, HWND listView) {
    KillTimer(listView, kDayTipTimerId);
    const GridView& grid = desktop.grid;
    const int day = grid.hoverDay;
    if (day == 0 || !desktop.Ready()) {
        return;
    }
    const DayTipSources sources{&desktop.month,     userReminders,  kReminderSlots,
                                userLunarReminders, kReminderSlots, DesktopHolidays()};
    char text[kDayTipMax];
    if (ComposeDayTip(day, sources, text, sizeof text) == 0) {
        return;
    }
    WriteDebugLogf("日期提示 %04d-%02d-%02d", grid.shown.year, grid.shown.month, day);
    ShowDayTip(listView, text, grid.hoverPoint);
}

void CheckGridIdle(Desktop& desktop, const LocalTime& now) {
    if (desktop.grid.away && ReturnsToToday(desktop.grid.lastClick, now)) {
        ShowMonth(desktop, {now.year, now.month});
    }
}

void ReadWeekNumbers(Desktop& desktop) {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    desktop.grid.weekNumbers =
        ReadSideSetting(currentUser, kWeekNumbersSetting, RegAccess::Query) != 0;
}

void ReleaseGridView(Desktop& desktop, HWND listView) {
    KillTimer(listView, kDayTipTimerId);
    DestroyDayTip();
    desktop.grid = GridView{};
}

} // namespace luna
