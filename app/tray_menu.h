// The clock menu shown by lunavis itself, for a taskbar that has no clock window (the shell
// side then has nowhere to show it). Same items, texts, separators, greying and default
// item as the shell's menu, built by the same code.
#pragma once

#include <windows.h>

namespace luna {

// Shows the menu at a screen point, owned by the main window, and carries out the chosen
// command: the taskbar's own commands go to Shell_TrayWnd as WM_COMMAND, the program's
// commands to the main window as the private messages the shell's menu posts. `sheetOpen`
// greys "显示主窗口" and "退出". Does nothing while a menu of this thread is open.
void ShowTrayMenu(HWND mainWindow, bool sheetOpen, int x, int y);

} // namespace luna
