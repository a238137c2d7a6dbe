// The update of the holiday data from the internet, in lunavis only (never in the shell):
// a worker thread fetches the due years with WinHTTP, with time-outs, and posts what it got
// to the main window, which stores the years that passed every check (Holidays.txt, then
// the desktop redraws) and logs the outcome. Failure is silent but for the log; the
// "立即更新" button has the outcome told in words.
#pragma once

#include <windows.h>

#include <string>

namespace luna {

// To the main window when a fetch ended; lParam carries the outcome for
// FinishHolidayUpdate, which alone may take it.
constexpr UINT UM_HOLIDAYFETCHED = WM_APP + 0x61;

// The window that gets UM_HOLIDAYFETCHED; set once at start.
void InitHolidayUpdate(HWND mainWindow);

// The daily fetch: starts it when it is on, was not tried today and a year is due. Cheap
// when nothing is to be done; the main window calls it at start and on its timer.
void CheckHolidayUpdate();

// "立即更新": fetches the due years now (both years when none is due). False when a fetch
// is running already.
bool RequestHolidayUpdate();

// On UM_HOLIDAYFETCHED: stores what passed, logs the outcome and returns its report, or ""
// when the fetch was the daily one (which is silent).
std::string FinishHolidayUpdate(LPARAM outcome);

// At exit: cancels a running fetch and waits for it for at most a second.
void StopHolidayUpdate();

// The tick on the calendar page (HolidayUpdate in the registry).
bool HolidayUpdateEnabled();
void SetHolidayUpdateEnabled(bool on);

} // namespace luna
