// The exports of lunahook.dll, imported by name by lunavis.
#pragma once

#include <windows.h>

extern "C" {

// Hooks the shell's desktop view, icon list view and taskbar clock; the clock menu's
// messages go to mainWindow. 1 when the hooks are in place, 0 otherwise.
int StartHook(HWND mainWindow);

// Restores the shell's windows and removes the hooks. Always 1; harmless when repeated.
int EndHook();

// Writes today's calendar text (at most 103 bytes with terminator) into buffer. Always 1.
int GetDate(char* buffer);
}
