// TrayClockWClass: shows the local time. Answers the taskbar's size question (0x0464) and
// re-arms its one-second timer then, so it keeps ticking whatever happened to the timer.
#include <cstdio>
#include <cstring>

#include "tests/tools/shell/taskbar.h"

namespace luna::tools {

namespace {

// The clock's text is the time it shows ("HH:MM"), so tests can read it.
void UpdateClockText(HWND hwnd) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u", unsigned(now.wHour), unsigned(now.wMinute));
    char shown[16] = "";
    GetWindowTextA(hwnd, shown, sizeof shown);
    if (std::strcmp(text, shown) != 0) {
        SetWindowTextA(hwnd, text);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

} // namespace

void Taskbar::PaintClock(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillSolid(dc, rc, kTaskbarColor);
    char text[16] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT CALLBACK Taskbar::ClockProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kClockSizeQuery:
        SetTimer(hwnd, kClockTimerId, 1000, nullptr);
        return MAKELONG(kClockWidth, kTaskbarHeight - 4);
    case WM_CREATE:
        UpdateClockText(hwnd);
        return 0;
    case WM_TIMER:
        if (wParam == kClockTimerId) {
            UpdateClockText(hwnd);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        PaintClock(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace luna::tools
