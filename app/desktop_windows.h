// The shell windows lunavis addresses, looked up by class.
#pragma once

#include <windows.h>

namespace luna {

// The desktop icon list view: SysListView32 inside SHELLDLL_DefView inside Progman (or,
// where Progman has no SHELLDLL_DefView, inside a top-level WorkerW). Null when missing.
HWND FindDesktopListView();

// The taskbar clock: TrayClockWClass inside TrayNotifyWnd inside Shell_TrayWnd.
HWND FindTaskbarClockWindow();

// True when the desktop view window holds an "Internet Explorer_Server" (Active Desktop).
bool ActiveDesktopIsOn();

} // namespace luna
