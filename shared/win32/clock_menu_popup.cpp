#include "shared/win32/clock_menu_popup.h"

#include "shared/win32/wide_text.h"

namespace luna {

HMENU CreateClockMenuPopup(const ClockMenu& menu) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < menu.count && i < kClockMenuCapacity; ++i) {
        const ClockMenuEntry& entry = menu.entries[i];
        if (entry.separator) {
            AppendMenuGbk(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuGbk(popup, MF_STRING, entry.id, entry.text);
            EnableMenuItem(popup, entry.id, MF_BYCOMMAND | (entry.grayed ? MF_GRAYED : MF_ENABLED));
        }
    }
    SetMenuDefaultItem(popup, menu.defaultId, FALSE);
    return popup;
}

bool RunningOnNtFamily() {
    return IsNtFamilyVersion(static_cast<std::uint32_t>(GetVersion()));
}

bool PopupMenuOpenOnThisThread() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info)) {
        return false;
    }
    return (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
}

void TrackClockMenu(HMENU menu, HWND owner, int x, int y) {
    if (menu == nullptr || owner == nullptr) {
        return;
    }
    HWND root = GetAncestor(owner, GA_ROOT);
    SetForegroundWindow(root != nullptr ? root : owner);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

} // namespace luna
