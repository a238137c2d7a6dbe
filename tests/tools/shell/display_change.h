// The stand-in shell follows a change of the screen's size (WM_DISPLAYCHANGE) as the real
// shell does: a new work area above the taskbar, the desktop windows over the new screen,
// the taskbar along its new bottom.
#pragma once

#include "tests/tools/shell/shell_context.h"

namespace luna::tools {

// The work area of a screen: all of it but the taskbar at its bottom. Set at start and after
// every change, in this process (Wine keeps it per process).
void SetWorkAreaAboveTaskbar(const RECT& screen);

// Takes the new screen size (WM_DISPLAYCHANGE's lParam, or the system metrics where that is
// 0), sets the work area and moves and sizes the shell's top-level windows. Logs
// "display WxH". Called on the desktop thread.
void FollowDisplayChange(ShellContext& ctx, LPARAM newSize);

} // namespace luna::tools
