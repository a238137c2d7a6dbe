#include "app/tray_menu.h"

#include "app/logic/tray_menu.h"
#include "shared/clock_menu.h"
#include "shared/win32/clock_menu_popup.h"

namespace luna {

namespace {

void Carry(const TrayMenuPost& post, HWND mainWindow) {
    switch (post.target) {
    case TrayMenuTarget::Taskbar:
        // A post to a null window would land in our own queue.
        if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
            PostMessageA(taskbar, post.message, static_cast<WPARAM>(post.wParam), 0);
        }
        break;
    case TrayMenuTarget::MainWindow:
        // Posted, as from the shell: the main window handles it once this callback returns.
        PostMessageA(mainWindow, post.message, static_cast<WPARAM>(post.wParam), 0);
        break;
    case TrayMenuTarget::None:
        break;
    }
}

} // namespace

void ShowTrayMenu(HWND mainWindow, bool sheetOpen, int x, int y) {
    // A second right click while the menu is open arrives through the menu's own loop.
    if (mainWindow == nullptr || PopupMenuOpenOnThisThread()) {
        return;
    }
    HMENU menu = CreateClockMenuPopup(ComposeClockMenu(sheetOpen, RunningOnNtFamily()));
    if (menu == nullptr) {
        return;
    }
    // A notification icon's menu: its owner comes to the foreground first, or a click
    // elsewhere would not close the menu; the null message afterwards lets a second
    // menu open properly. The id comes back here rather than as WM_COMMAND, whose ids
    // the main dialog's own controls could share.
    SetForegroundWindow(mainWindow);
    const BOOL chosen = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y,
                                       0, mainWindow, nullptr);
    PostMessageA(mainWindow, WM_NULL, 0, 0);
    DestroyMenu(menu);
    Carry(TrayMenuCommandPost(static_cast<unsigned>(chosen)), mainWindow);
}

} // namespace luna
