// The month grid as the user works it: "‹" and "›" in its title row show the month before
// and after, "今天" (and midnight, and two minutes without a click on the grid) today's
// month again; a day under the pointer shows its tip; a double-clicked day starts a reminder
// on it in lunavis. Only the list view's subclass feeds it the mouse, and only what the
// list view's own hit test leaves: a point on an icon is the icon's.
#pragma once

#include <windows.h>

#include "calendar/local_time.h"
#include "hook/logic/month_view.h"

namespace luna {

// The tip's delay, and the timer on the list view that counts it.
constexpr UINT kDayTipDelayMs = 500;
constexpr UINT_PTR kDayTipTimerId = 1001;

struct GridView {
    ShownMonth shown = {};       // the month drawn
    bool away = false;           // `shown` is not today's month
    LocalTime lastClick = {};    // the last click on the grid
    bool weekNumbers = false;    // WeekNumbers, read whenever the settings arrive
    MonthGridLayout layout = {}; // of the month drawn, in the grid's own coordinates
    int hoverDay = 0;            // the day under the pointer, 0 for none
    POINT hoverPoint = {};       // where the pointer rests, in the list view
};

// This process's grid, touched only on the list view's thread.
GridView& TheGridView();

// Takes the month the grid is about to draw and lays it out (fontHeight: the calendar
// font's). `today` is today's date; the month is "away" unless it is today's.
const MonthGridLayout& LayOutShownMonth(ShownMonth month, const LocalTime& today, int fontHeight);

// The title row ("2026年12月", the marks) and the week column of the month just laid out,
// on the grid's work surface.
void DrawGridTitle(HDC dc, COLORREF markColor);
void DrawWeekColumn(HDC dc);

// A mouse message of the list view (WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
// WM_MOUSELEAVE). True when the grid took it: it must not reach the list view then.
bool OnGridMouse(HWND listView, UINT message, WPARAM wParam, LPARAM lParam);

// The tip's timer ran out: the day under the pointer shows its tip.
void OnDayTipTimer(HWND listView);

// From the tick: another month goes back to today's after two idle minutes.
void CheckGridIdle(const LocalTime& now);

// WeekNumbers from the registry (when the settings arrive).
void ReadWeekNumbers();

// At detach: the tip window goes, the state is forgotten.
void ReleaseGridView(HWND listView);

} // namespace luna
