// The timed shutdown: on each tick of the main window's timer, the test against the armed
// time and, once, the power-off sequence.
#pragma once

#include <windows.h>

#include "app/logic/shutdown.h"
#include "shared/display_settings.h"

namespace luna {

// Runs the power-off sequence when the armed time has come and it has not run before in
// this run: the main window's timer stops, the shell is unhooked, the shutdown privilege
// is enabled and Windows is asked to power off. When Windows refuses, lunavis runs on
// without its timer and unhooked, does not try again, and sets *refused so that the
// system page can say so when the user arms the shutdown again.
void CheckShutdown(ShutdownTrigger& trigger, const DisplaySettings& settings, HWND mainWindow,
                   const SYSTEMTIME& now, bool* refused);

} // namespace luna
