// The notification-area icon of the main window, in the first, smallest form of the
// record that every shell understands.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace luna {

#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form of the icon record is 88 bytes");
#endif

// The record the main window keeps for the whole run: its window, the icon id, message,
// icon and tip flags, UM_TRAYICON, the icon and an empty tip.
NOTIFYICONDATAA MakeTrayIconRecord(HWND owner, HICON icon);

// Adds the icon with the tip "桌面时钟"; the kept record stays without a tip.
void AddTrayIcon(const NOTIFYICONDATAA& kept);

// Removes the icon of owner with a fresh record naming only the window and the id.
void RemoveTrayIcon(HWND owner);

} // namespace luna
