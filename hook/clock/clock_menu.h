// The shell's copy of the taskbar clock's menu.
#pragma once

#include <windows.h>

namespace luna {

// A new clock menu, greyed as the settings sheet stands now, with the task-manager item
// as the Windows family has it. The caller shows and destroys it on its own thread.
HMENU BuildClockMenu();

} // namespace luna
