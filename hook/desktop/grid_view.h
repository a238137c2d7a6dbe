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

struct Desktop;

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

// Takes the month the grid is about to draw and lays it out (fontHeight: the calendar
// font's). The month is "away" unless it is the month of `now`. Logs the month shown.
const MonthGridLayout& LayOutShownMonth(Desktop& desktop, ShownMonth month, const LocalTime& now,
                                        int fontHeight);

// The title row ("2026年12月", the marks in markColor) and the week column of the month
// just laid out, on the grid's work surface.
void DrawGridTitle(const Desktop& desktop, HDC dc, COLORREF markColor);
void DrawWeekColumn(const Desktop& desktop, HDC dc);

// A mouse message of the list view (WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
// WM_MOUSELEAVE). True when the grid took it: it must not reach the list view then.
bool OnGridMouse(Desktop& desktop, HWND listView, UINT message, LPARAM lParam);

// The tip's timer ran out: the day under the pointer shows its tip.
void OnDayTipTimer(Desktop& desktop, HWND listView);

// From the tick: another month goes back to today's after two idle minutes.
void CheckGridIdle(Desktop& desktop, const LocalTime& now);

// WeekNumbers from the registry (when the settings arrive).
void ReadWeekNumbers(Desktop& desktop);

// At detach: the tip window goes, the state is forgotten.
void ReleaseGridView(Desktop& desktop, HWND listView);

} // namespace luna
