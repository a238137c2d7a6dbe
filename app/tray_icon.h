// The notification-area icon of the main window, in the first, smallest form of the
// record that every shell understands, its tooltip and its callback.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace luna {

// The wide form of the record: its tip is the same 64-character field.
#if defined(_WIN64)
static_assert(NOTIFYICONDATAW_V1_SIZE == 168, "the first form of the icon record, 64-bit");
#else
static_assert(NOTIFYICONDATAW_V1_SIZE == 152, "the first form of the icon record is 152 bytes");
#endif

// The record the main window keeps for the whole run: its window, the icon id, message,
// icon and tip flags, UM_TRAYICON, the icon and an empty tip.
NOTIFYICONDATAW MakeTrayIconRecord(HWND owner, HICON icon);

// Adds the icon with the tip "桌面时钟"; the kept record stays without a tip. Tips are
// composed as GBK (63 bytes at most) and converted for the wide record.
void AddTrayIcon(const NOTIFYICONDATAW& kept);

// Removes the icon of owner with a fresh record naming only the window and the id.
void RemoveTrayIcon(HWND owner);

// Puts the date and time of now and today's calendar text into the kept record's tip and
// hands the whole record to the shell again.
void RefreshTip(NOTIFYICONDATAW& kept);

// The callback (UM_TRAYICON) for the mouse message in lParam: a hover refreshes the tip, a
// right click asks the taskbar clock to open the clock menu at the pointer, or, where the
// taskbar has no clock window, shows that menu from here (greyed as `sheetOpen` says).
// Returns the callback's answer.
LRESULT OnTrayIconCallback(NOTIFYICONDATAW& kept, HWND desktopListView, bool sheetOpen,
                           LPARAM lParam);

} // namespace luna
