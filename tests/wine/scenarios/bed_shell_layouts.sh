#!/usr/bin/env bash
# timeout: 420
# The unusual shells the stand-in can build: no SHELLDLL_DefView, no list view, no clock,
# Active Desktop, the WorkerW layout and everything on one thread. Each restart also shows
# that the "quit" request ends the shell.
source "$(dirname "$0")/../lib/bed.sh"

restart_shell() {
    if bed_alive shell; then
        bed_shell quit >/dev/null
        bed_wait_exit shell 20 || fail "the stand-in shell did not quit"
        check "the shell logs its exit" grep -qx exit "$BED_SHELL_LOG"
    fi
    bed_shell_start "$@"
}

bed_init

restart_shell --no-defview
check "--no-defview: Progman is there" probe find Progman
check "--no-defview: no SHELLDLL_DefView under Progman" not probe find Progman/SHELLDLL_DefView
check_eq "--no-defview: the shell reports no view windows" "desktop=- view=- clock=0" \
    "$(bed_shell subclassed)"

restart_shell --no-listview
check "--no-listview: SHELLDLL_DefView is there" probe find Progman/SHELLDLL_DefView
check "--no-listview: no list view" not probe find Progman/SHELLDLL_DefView/SysListView32

restart_shell --no-clock
check "--no-clock: TrayNotifyWnd is there" probe find Shell_TrayWnd/TrayNotifyWnd
check "--no-clock: no clock" not probe find Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass

restart_shell --active-desktop
check "--active-desktop: Internet Explorer_Server under SHELLDLL_DefView" \
    probe find "Progman/SHELLDLL_DefView/Internet Explorer_Server"
check "--active-desktop: the list view is still there" \
    probe find Progman/SHELLDLL_DefView/SysListView32

restart_shell --workerw
check "--workerw: no SHELLDLL_DefView under Progman" not probe find Progman/SHELLDLL_DefView
check "--workerw: the list view under SHELLDLL_DefView under a WorkerW" \
    probe find WorkerW/SHELLDLL_DefView/SysListView32
check_eq "--workerw: the first WorkerW in z-order is an empty one" "" "$(probe children WorkerW)"
check_eq "--workerw: the view windows are the shell's" "desktop=0 view=0 clock=0" \
    "$(bed_shell subclassed)"

restart_shell --one-thread
check_eq "--one-thread: desktop and taskbar share a thread" "$(probe pid Progman)" \
    "$(probe pid Shell_TrayWnd)"

bed_shell quit >/dev/null
bed_wait_exit shell 20
bed_start badopt "$BED_SHELL_EXE" --no-defview --workerw
check "contradicting options end the shell with a message" probe wait '#32770[lunashell]' 20
probe click '#32770[lunashell]/@IDOK'
check "and it ends once the message is closed" bed_wait_exit badopt 20

bed_finish
