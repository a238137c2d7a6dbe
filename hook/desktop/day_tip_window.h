// The tip that shows a day of the month grid under the pointer: a standard tooltip window
// of the shell's process, owned by the list view, made when it is first needed and
// destroyed when the library detaches. It tracks: shown and hidden only when told.
#pragma once

#include <windows.h>

namespace luna {

// Shows the GBK text next to the list view's client point `at`, making the window first.
void ShowDayTip(HWND listView, const char* text, POINT at);

void HideDayTip();

// Destroys the window (on the list view's thread, at detach).
void DestroyDayTip();

} // namespace luna
