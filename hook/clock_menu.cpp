#include "hook/clock_menu.h"

#include "hook/desktop_state.h"
#include "shared/clock_menu.h"
#include "shared/win32/clock_menu_popup.h"

namespace luna {

void BuildClockMenu() {
    if (m_hClockMenu != nullptr) {
        DestroyMenu(m_hClockMenu);
        m_hClockMenu = nullptr;
    }
    m_hClockMenu = CreateClockMenuPopup(ComposeClockMenu(m_SheetOpen != 0, RunningOnNtFamily()));
}

} // namespace luna
