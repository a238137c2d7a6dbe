// Clock changes and wake-ups reach only top-level windows (WM_TIMECHANGE, WM_POWERBROADCAST
// are broadcast). The stand-in shell's desktop and taskbar pass them on to every window
// inside them, so that whatever replaced a child window's procedure hears of them too.
#pragma once

#include "tests/tools/shell/shell_context.h"

namespace luna::tools {

// True for the broadcasts that are passed on.
bool IsTimeBroadcast(UINT msg);

// Sends the message to every descendant of `top` and logs it once:
// "time-broadcast msg=0x1E wparam=0x0 from=0x... children=3".
void ForwardTimeBroadcast(ShellContext* ctx, HWND top, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace luna::tools
