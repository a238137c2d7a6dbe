# Helpers of the clock menu, notification icon and timed shutdown scenarios. Sourced after
# bed.sh and hook_helpers.bash.

CLOCK_WINDOW='Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass'
SETTINGS_SHEET='#32770[时钟备忘录系统设定]'
SYSTEM_PAGE="$SETTINGS_SHEET/#32770[系统设定]"
ABOUT_BOX='#32770[关于 lunavis]'
LIST_VIEW='Progman/SHELLDLL_DefView/SysListView32'
SCREEN_WIDTH=1024
SCREEN_HEIGHT=768

# The clock menu as `probe menu-items` lists it on the NT family (Wine's GetVersion is an
# NT one); with the argument "sheet" as it stands while the settings sheet is open.
expected_clock_menu() {
    local grey=enabled
    [[ "${1:-}" == sheet ]] && grey=grey
    cat <<MENU
$kTaskbarAdjustTime enabled 调整日期/时间(&ADJUST)
-
$kTaskbarCascade enabled 层叠窗口(&LAYER)
$kTaskbarTileHorizontally enabled 横向平铺窗口(&VERTICAL)
$kTaskbarTileVertically enabled 纵向平铺窗口(H&ORIZON)
-
$kTaskbarMinimizeAll enabled 最小化所有窗口(MI&N)
-
$kTaskbarTaskManager enabled 任务管理器(MANAGE&R)...
-
$kTaskbarProperties enabled 任务栏属性(&TASK)...
-
$kMenuReminder enabled 备忘录(&REMINDER)
-
$kMenuShowMain $grey,default 显示主窗口(&MainWindow)
$kMenuHelp enabled 帮助(&HELP)
$kMenuExit $grey 退出(&EXIT)
MENU
}

# The taskbar's own commands, in the menu's order.
TASKBAR_COMMANDS=(kTaskbarAdjustTime kTaskbarCascade kTaskbarTileHorizontally
    kTaskbarTileVertically kTaskbarMinimizeAll kTaskbarTaskManager kTaskbarProperties)

# The stand-in shell passes a right click on our icon to lunavis, as the user's would.
right_click_icon() { bed_shell tray-callback "$TRAY_ICON_ID" WM_RBUTTONUP >/dev/null; }

# open_clock_menu: right click on the icon; prints the menu's rectangle once it is open.
open_clock_menu() {
    right_click_icon
    probe menu-wait 10 || fail "the clock menu did not open"
}

# choose_from_clock_menu ID: opens the menu from the icon and chooses the item.
choose_from_clock_menu() {
    open_clock_menu >/dev/null
    probe menu-choose "$1" >/dev/null || fail "cannot choose item $1"
    probe menu-gone 10 >/dev/null || fail "the menu stayed open after item $1"
}

# No popup menu opens within the given seconds.
no_menu_opens() { ! probe menu-wait "${1:-2}" >/dev/null 2>&1; }

# shell_log_count EXTENDED-REGEX: lines of the stand-in shell's log that match.
shell_log_count() { grep -cE -- "$1" "$BED_SHELL_LOG"; }

# The windows of a Windows process, visible ones only: "class[text]" per line.
visible_windows_of() {
    probe toplevel | awk -v pid="pid=$1" '$NF == pid && / visible=1 /' |
        sed -E 's/.* class=([^ ]*) visible=1 text=(.*) pid=.*/\1[\2]/'
}

# menu_other_than HANDLE: the open popup menu is another one than HANDLE.
menu_other_than() {
    local now
    now=$(probe find '#32768' 2>/dev/null)
    [[ "$now" != "$1" ]]
}
