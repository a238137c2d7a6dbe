// The clock menu as a Win32 popup menu, and showing it: the one piece of Win32 that the
// shell's copy of lunahook and lunavis share for it.
#pragma once

#include <windows.h>

#include "shared/clock_menu.h"

namespace luna {

// A new popup menu with the entries, greying and default item of `menu`; null when
// Windows cannot make one. The caller destroys it.
HMENU CreateClockMenuPopup(const ClockMenu& menu);

// GetVersion's test for the NT family, made afresh on each call.
bool RunningOnNtFamily();

// True while a popup menu of the calling thread is open: a second menu must not replace
// the one being tracked.
bool PopupMenuOpenOnThisThread();

// Shows the popup at a screen point with `owner` receiving the chosen command as a posted
// WM_COMMAND. The owner's top-level window is brought to the foreground first and a null
// message follows, so that a click elsewhere or Esc closes the menu as it should.
void TrackClockMenu(HMENU menu, HWND owner, int x, int y);

} // namespace luna
