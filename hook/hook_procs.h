// The WH_CALLWNDPROC procedures that run in the shell before each message sent to a
// window of the hooked thread. The first message that reaches a target window subclasses
// it; every call ends with CallNextHookEx.
#pragma once

#include <windows.h>

LRESULT CALLBACK DeskHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ViewHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ClockHookProc(int code, WPARAM wParam, LPARAM lParam);
