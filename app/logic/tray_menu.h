// What lunavis does with a command chosen from the clock menu it shows itself, where the
// taskbar has no clock window to show it: exactly what the clock's procedure in the shell
// does with the same command.
#pragma once

#include <cstdint>

namespace luna {

enum class TrayMenuTarget {
    None,       // the menu was dismissed, or the id is not one of the menu's
    Taskbar,    // Shell_TrayWnd carries out its own command number
    MainWindow, // lunavis's main window, as if the shell's menu had posted it
};

struct TrayMenuPost {
    TrayMenuTarget target;
    unsigned message;      // WM_COMMAND for the taskbar, else the private message
    std::uintptr_t wParam; // a menu's WM_COMMAND: the id, notification code 0
};

// The message to post for the id that tracking the menu returned (0 when it was dismissed).
TrayMenuPost TrayMenuCommandPost(unsigned chosenId);

} // namespace luna
