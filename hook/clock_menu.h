// The shell's copy of the taskbar clock's menu.
#pragma once

namespace luna {

// Builds the clock menu afresh into m_hClockMenu, destroying the previous one: greyed as
// the settings sheet stands now, with the task-manager item as the Windows family has it.
void BuildClockMenu();

} // namespace luna
