// The window procedures that replace the shell's own while the library is attached. Each
// restores its window on UM_EXIT and passes every message it does not handle to the saved
// previous procedure.
#pragma once

#include <windows.h>

LRESULT CALLBACK FolderViewSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ViewSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ClockSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
