// The taskbar clock's menu: its items, texts and separators, what greys them, and where
// each of its commands goes. Portable, so that the shell's copy of lunahook and lunavis
// build the very same menu and carry out the very same commands.
#pragma once

#include <cstddef>
#include <cstdint>

namespace luna {

// Command ids of the program's own items.
constexpr unsigned kMenuReminder = 100; // "备忘录(&REMINDER)"
constexpr unsigned kMenuShowMain = 101; // "显示主窗口(&MainWindow)", the default item
constexpr unsigned kMenuHelp = 102;     // "帮助(&HELP)"
constexpr unsigned kMenuExit = 103;     // "退出(&EXIT)"

// The taskbar's own command numbers: Shell_TrayWnd carries each out as a WM_COMMAND.
constexpr unsigned kTaskbarAdjustTime = 408;
constexpr unsigned kTaskbarCascade = 403;
constexpr unsigned kTaskbarTileHorizontally = 404;
constexpr unsigned kTaskbarTileVertically = 405;
constexpr unsigned kTaskbarMinimizeAll = 415;
constexpr unsigned kTaskbarTaskManager = 420;
constexpr unsigned kTaskbarProperties = 413;

struct ClockMenuEntry {
    bool separator; // a separator carries neither id nor text
    unsigned id;
    const char* text; // GBK
    bool grayed;
};

// Eleven items and six separators at most.
constexpr std::size_t kClockMenuCapacity = 17;

struct ClockMenu {
    ClockMenuEntry entries[kClockMenuCapacity];
    std::size_t count;
    unsigned defaultId; // the item shown in bold, chosen by a double click
};

// The menu, top to bottom. The task-manager item and the separator after it only on the NT
// family; 101 and 103 grey while the settings sheet is open, so that neither the sheet
// nor the exit can be entered a second time from the menu.
ClockMenu ComposeClockMenu(bool sheetOpen, bool ntFamily);

// GetVersion's answer names the NT family when its high-order bit is clear.
constexpr bool IsNtFamilyVersion(std::uint32_t version) {
    return (version & 0x80000000u) == 0;
}

enum class ClockCommandRoute {
    Taskbar,    // WM_COMMAND with the same parameters to Shell_TrayWnd
    MainWindow, // the private message `message` to lunavis's main window
    NotOurs,    // not one of the menu's commands: the window's own procedure decides
};

struct ClockCommand {
    ClockCommandRoute route;
    unsigned message; // for MainWindow: UM_REMINDER, UM_SHOWMAIN, UM_HELP or UM_EXIT
};

// Where a chosen command goes.
ClockCommand RouteClockCommand(unsigned id);

} // namespace luna
