#include "hook/clock/clock_menu.h"

#include "hook/desktop/desktop.h"
#include "shared/clock_menu.h"
#include "shared/win32/clock_menu_popup.h"

namespace luna {

HMENU BuildClockMenu() {
    return CreateClockMenuPopup(
        ComposeClockMenu(ViewDesktop().sheetOpen != 0, RunningOnNtFamily()));
}

} // namespace luna
