// The notification-area icon of the main window, in the first, smallest form of the
// record that every shell understands, its tooltip and its callback.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace luna {

#if defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 104, "the first form of the icon record, 64-bit");
#else
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form of the icon record is 88 bytes");
#endif

// The record the main window keeps for the whole run: its window, the icon id, message,
// icon and tip flags, UM_TRAYICON, the icon and an empty tip.
NOTIFYICONDATAA MakeTrayIconRecord(HWND owner, HICON icon);

// Adds the icon with the tip "桌面时钟"; the kept record stays without a tip.
void AddTrayIcon(const NOTIFYICONDATAA& kept);

// Removes the icon of owner with a fresh record naming only the window and the id.
void RemoveTrayIcon(HWND owner);

// Puts the date and time of now and today's calendar text into the kept record's tip and
// hands the whole record to the shell again.
void RefreshTip(NOTIFYICONDATAA& kept);

// The callback (UM_TRAYICON) for the mouse message in lParam: a hover refreshes the tip, a
// right click asks the taskbar clock to open the clock menu at the pointer, or, where the
// taskbar has no clock window, shows that menu from here (greyed as `sheetOpen` says).
// Returns the callback's answer.
LRESULT OnTrayIconCallback(NOTIFYICONDATAA& kept, HWND desktopListView, bool sheetOpen,
                           LPARAM lParam);

} // namespace luna
