#include "hook/desktop/grid_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "calendar/lunar.h"
#include "hook/debug_log.h"
#include "hook/desktop/day_tip_window.h"
#include "hook/desktop/desktop_state.h"
#include "hook/desktop/overlay.h"
#include "hook/desktop/reminders.h"
#include "hook/logic/day_tip.h"
#include "hook/shared_hook_state.h"
#include "shared/date_param.h"
#include "shared/messages.h"
#include "shared/settings_table.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

GridView theView;

// Draws the month with today's mark when it is today's month.
void ShowMonth(ShownMonth month) {
    const LocalTime now = CurrentLocalTime();
    const bool current = month == ShownMonth{now.year, now.month};
    DrawMonthGrid(month.year, month.month, WeekdayOf(month.year, month.month, 1),
                  current ? now.day : 0);
}

// A point on an icon (or its label) belongs to the icon, whatever lies beneath it.
bool OnIcon(HWND listView, POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    const LRESULT item = SendMessageW(listView, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return item >= 0 && (hit.flags & LVHT_ONITEM) != 0;
}

GridHit HitAt(POINT point) {
    if (!SurfacesReady()) {
        return {GridTarget::kOutside, 0};
    }
    const PixelRect grid = m_Panels.monthGrid;
    return HitTestMonthGrid(theView.layout, theView.away, point.x - grid.left, point.y - grid.top);
}

void StopHover(HWND listView) {
    KillTimer(listView, kDayTipTimerId);
    HideDayTip();
    theView.hoverDay = 0;
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

void StartReminderOn(int day) {
    const ShownMonth m = theView.shown;
    WriteDebugLogf("新提醒 %04d-%02d-%02d", m.year, m.month, day);
    if (HWND main = MainWindow()) {
        PostMessageW(main, UM_NEWREMINDERON, PackDateParam(m.year, m.month, day), 0);
    }
}

bool OnClick(UINT message, const GridHit& hit) {
    theView.lastClick = CurrentLocalTime();
    switch (hit.target) {
    case GridTarget::kPrevious:
        ShowMonth(StepMonth(theView.shown, -1));
        return true;
    case GridTarget::kNext:
        ShowMonth(StepMonth(theView.shown, 1));
        return true;
    case GridTarget::kToday:
        ShowMonth({theView.lastClick.year, theView.lastClick.month});
        return true;
    case GridTarget::kDay:
        if (message == WM_LBUTTONDBLCLK) {
            StartReminderOn(hit.day);
        }
        return false; // the list view still sees it: a rubber band may start here
    case GridTarget::kPlain:
    case GridTarget::kOutside:
        break;
    }
    return false;
}

void OnMove(HWND listView, POINT point, const GridHit& hit) {
    if (hit.target != GridTarget::kDay) {
        if (theView.hoverDay != 0) {
            StopHover(listView);
        }
        return;
    }
    theView.hoverPoint = point;
    if (hit.day != theView.hoverDay) {
        HideDayTip();
        theView.hoverDay = hit.day;
        SetTimer(listView, kDayTipTimerId, kDayTipDelayMs, nullptr);
        TrackLeave(listView);
    }
}

} // namespace

GridView& TheGridView() {
    return theView;
}

const MonthGridLayout& LayOutShownMonth(ShownMonth month, const LocalTime& today, int fontHeight) {
    theView.shown = month;
    theView.away = !(month == ShownMonth{today.year, today.month});
    theView.layout = LayoutMonthGrid(m_Panels, month, fontHeight, theView.weekNumbers);
    WriteDebugLogf("显示月份 %04d-%02d", month.year, month.month);
    return theView.layout;
}

void DrawGridTitle(HDC dc, COLORREF markColor) {
    const MonthGridLayout& layout = theView.layout;
    RECT title = ToRect(layout.TitleRow());
    DrawTextGbk(dc, FormatMonthTitle(theView.shown).text, -1, &title,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const COLORREF previous = SetTextColor(dc, markColor);
    constexpr UINT kMark = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    RECT previousMark = ToRect(layout.TitleColumn(kPreviousMarkColumn));
    DrawTextW(dc, L"\u2039", 1, &previousMark, kMark);
    RECT nextMark = ToRect(layout.TitleColumn(kNextMarkColumn));
    DrawTextW(dc, L"\u203A", 1, &nextMark, kMark);
    if (theView.away) {
        RECT todayMark = ToRect(layout.TitleColumn(kTodayMarkColumn));
        DrawTextGbk(dc, "今天", -1, &todayMark, kMark);
    }
    SetTextColor(dc, previous);
}

void DrawWeekColumn(HDC dc) {
    const MonthGridLayout& layout = theView.layout;
    if (layout.weekColumn <= 0) {
        return;
    }
    for (int row = 0; row < layout.weeks; ++row) {
        const PixelRect cell = layout.WeekCell(row);
        RECT band{cell.left, cell.top, cell.right, cell.top + layout.cells.dayNumberBand};
        wchar_t number[8];
        const int length = wsprintfW(number, L"%d", WeekNumberOfRow(theView.shown, layout, row));
        DrawTextW(dc, number, length, &band, DT_CENTER | DT_SINGLELINE);
    }
}

bool OnGridMouse(HWND listView, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_MOUSELEAVE) {
        StopHover(listView);
        return false;
    }
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (OnIcon(listView, point)) {
        StopHover(listView);
        return false;
    }
    const GridHit hit = HitAt(point);
    if (message == WM_MOUSEMOVE) {
        OnMove(listView, point, hit);
        return false;
    }
    StopHover(listView);
    return hit.target != GridTarget::kOutside && OnClick(message, hit);
}

void OnDayTipTimer(HWND listView) {
    KillTimer(listView, kDayTipTimerId);
    const int day = theView.hoverDay;
    const ShownMonth m = theView.shown;
    if (day == 0 || !SurfacesReady()) {
        return;
    }
    const DesktopMonth month = BuildDesktopMonth(m.year, m.month, m_Settings, m_SelfMerrySolar,
                                                 kFestivalSlots, m_SelfMerryLunch, kFestivalSlots);
    const DayTipSources sources{&month, m_Reminder, kReminderSlots, m_LunarReminder,
                                kReminderSlots};
    char text[kDayTipMax];
    if (ComposeDayTip(day, sources, text, sizeof text) == 0) {
        return;
    }
    WriteDebugLogf("日期提示 %04d-%02d-%02d", m.year, m.month, day);
    ShowDayTip(listView, text, theView.hoverPoint);
}

void CheckGridIdle(const LocalTime& now) {
    if (theView.away && ReturnsToToday(theView.lastClick, now)) {
        ShowMonth({now.year, now.month});
    }
}

void ReadWeekNumbers() {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    theView.weekNumbers = ReadSideSetting(currentUser, kWeekNumbersSetting, RegAccess::Query) != 0;
}

void ReleaseGridView(HWND listView) {
    KillTimer(listView, kDayTipTimerId);
    DestroyDayTip();
    theView = GridView{};
}

} // namespace luna
