#!/usr/bin/env bash
# timeout: 300
# The test bed itself: the stand-in shell builds the window tree of every layout, its
# notification area adds, changes and removes icons sent by Shell_NotifyIcon and calls their
# owners back, screenshots show the desktop, and a run leaves nothing behind, neither when it
# ends normally nor when it is killed.
source "$(dirname "$0")/../lib/bed.sh"

bed_init
bed_shell_start

# ---- the classic layout
windows=$(bed_shell windows)
check "list view under SHELLDLL_DefView under Progman" \
    probe find Progman/SHELLDLL_DefView/SysListView32
check "clock under TrayNotifyWnd under Shell_TrayWnd" \
    probe find Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass
tray=$(probe find Shell_TrayWnd)
check_match "FindWindow(Shell_TrayWnd) finds the stand-in's taskbar, not Wine's" \
    "tray=$tray" "$windows"
check_eq "nothing is subclassed at start" "desktop=0 view=0 clock=0" "$(bed_shell subclassed)"
check_match "the shell's own module counts as loaded" "^loaded=1" "$(bed_shell module lunashell.exe)"
check_eq "lunahook is not loaded" "loaded=0 count=? pinned=0" "$(bed_shell module lunahook.dll)"
desktop_thread=$(probe pid Progman | cut -d' ' -f2)
taskbar_thread=$(probe pid Shell_TrayWnd | cut -d' ' -f2)
check "desktop thread and taskbar thread differ" test "$desktop_thread" != "$taskbar_thread"

# ---- the notification area, driven through Wine's Shell_NotifyIcon
owner_log=$BED_RUN/owner.log
bed_start owner "$BED_PROBE_EXE" notify-owner "$owner_log"
wait_until 30 probe find LunaNotifyOwner || fail "the icon owner did not start"
check_eq "NIM_ADD succeeds" 1 "$(probe copydata-hex LunaNotifyOwner 0 "$(bed_hex '桌面时钟')" 65537)"
check_eq "NIM_ADD of the same icon fails" 0 \
    "$(probe copydata-hex LunaNotifyOwner 0 "$(bed_hex x)" 65537)"
check_eq "the tooltip arrives in full" "桌面时钟" "$(bed_shell tip 65537)"
check_match "the add is logged with id, flags and tooltip" \
    "tray add owner=0x[0-9A-F]+ id=65537 flags=0x7 msg=0x1500 icon=32x32x32 result=1 tip=桌面时钟" \
    "$(cat "$BED_SHELL_LOG")"
tip=$'2004年2月5日\n7:5:03\n甲申年'
check_eq "NIM_MODIFY succeeds" 1 "$(probe copydata-hex LunaNotifyOwner 1 "$(bed_hex "$tip")" 65537)"
check_eq "the new tooltip keeps its line breaks" "$tip" "$(bed_shell tip 65537)"
check_match "tray lists the icon with its callback message" \
    "^owner=0x[0-9A-F]+ id=65537 msg=0x1500 flags=0x7 icon=1 hidden=0 alive=1 tip=2004年2月5日\\\\n7:5:03" \
    "$(bed_shell tray)"
read -r ix iy iw ih <<<"$(bed_shell icon-rect 65537)"
check_eq "tray-callback is accepted" ok "$(bed_shell tray-callback 65537 WM_RBUTTONUP)"
check "the owner hears WM_RBUTTONUP with the pointer on the icon" \
    bed_wait_file_line "$owner_log" \
    "^callback id=65537 event=0x205 cursor=$((ix + iw / 2)),$((iy + ih / 2))$" 10
probe mouse-click $((ix + 8)) $((iy + 8)) right
check "a real right click on the icon reaches the owner too" \
    bed_wait_file_line "$owner_log" "event=0x204" 10
check_eq "NIM_DELETE succeeds" 1 "$(probe copydata-hex LunaNotifyOwner 2 "" 65537)"
check_eq "NIM_DELETE of a removed icon fails" 0 "$(probe copydata-hex LunaNotifyOwner 2 "" 65537)"
check_eq "no icon is left" "" "$(bed_shell tray)"
probe post LunaNotifyOwner WM_CLOSE
check "the icon owner ends on WM_CLOSE" bed_wait_exit owner 10

# ---- what the screen shows
shot=$(bed_screenshot classic)
check "a screenshot is written" test -s "$shot"
check_eq "the desktop shows the plain desktop colour" "58 110 165" "$(bed_pixel "$shot" 600 400)"
check_eq "the taskbar strip is at the bottom" "212 208 200" "$(bed_pixel "$shot" 500 760)"

# ---- the other layouts; each start also proves the "quit" request ends the shell
restart_shell() {
    bed_shell quit >/dev/null
    bed_wait_exit shell 15 || fail "the stand-in shell did not quit"
    bed_shell_start "$@"
}

restart_shell --no-defview
check "--no-defview: Progman is there" probe find Progman
check "--no-defview: no SHELLDLL_DefView under Progman" \
    not probe find Progman/SHELLDLL_DefView
check_eq "--no-defview: the shell reports no view windows" "desktop=- view=- clock=0" \
    "$(bed_shell subclassed)"

restart_shell --no-listview
check "--no-listview: SHELLDLL_DefView is there" probe find Progman/SHELLDLL_DefView
check "--no-listview: no list view" \
    not probe find Progman/SHELLDLL_DefView/SysListView32

restart_shell --no-clock
check "--no-clock: TrayNotifyWnd is there" probe find Shell_TrayWnd/TrayNotifyWnd
check "--no-clock: no clock" not probe find Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass

restart_shell --active-desktop
check "--active-desktop: Internet Explorer_Server under SHELLDLL_DefView" \
    probe find "Progman/SHELLDLL_DefView/Internet Explorer_Server"
check "--active-desktop: the list view is still there" \
    probe find Progman/SHELLDLL_DefView/SysListView32

restart_shell --workerw
check "--workerw: no SHELLDLL_DefView under Progman" \
    not probe find Progman/SHELLDLL_DefView
check "--workerw: the list view under SHELLDLL_DefView under a WorkerW" \
    probe find WorkerW/SHELLDLL_DefView/SysListView32
check_eq "--workerw: the first WorkerW in z-order is an empty one" "" "$(probe children WorkerW)"

restart_shell --one-thread
check_eq "--one-thread: desktop and taskbar share a thread" "$(probe pid Progman)" \
    "$(probe pid Shell_TrayWnd)"

# ---- a run leaves nothing behind
inner=$BED_RUN/inner.sh
cat >"$inner" <<EOF
source "$BED_LIB_DIR/bed.sh"
bed_init
bed_shell_start
echo "inner xvfb=\$BED_XVFB_PID display=\$BED_DISPLAY prefix=\$BED_PREFIX"
# "hang": wait to be killed (short sleeps, so none outlives the run for long)
while [[ "\${1:-}" == hang ]]; do sleep 1; done
bed_finish
EOF

# inner_gone XVFB_PID DISPLAY PREFIX: nothing of that run is alive.
inner_gone() {
    [[ -n "$(bed_prefix_pids "$3")" ]] && return 1
    bed_pid_alive "$1" && return 1
    [[ ! -e "/tmp/.X${2#:}-lock" ]]
}

inner_work=$(dirname "$BED_RUN")/${BED_NAME}-inner
LUNA_WINE_WORK=$inner_work LUNA_WINE_TIMEOUT=120 bash "$inner" >"$BED_RUN/inner.out" 2>&1
check_eq "an inner run passes" 0 "$?"
read -r _ xvfb display prefix <<<"$(grep '^inner ' "$BED_RUN/inner.out" | tr '=' ' ' |
    awk '{ print $1, $3, $5, $7 }')"
check "the inner run recorded its Xvfb and prefix" test -n "$prefix"
check "after a normal end nothing of the inner run is alive" inner_gone "$xvfb" "$display" "$prefix"
check "the prefix of a passing run is removed" test ! -e "$prefix"

LUNA_WINE_WORK=$inner_work LUNA_WINE_TIMEOUT=120 bash "$inner" hang >"$BED_RUN/inner-killed.out" 2>&1 &
inner_pid=$!
wait_until 60 grep -q '^inner ' "$BED_RUN/inner-killed.out" || fail "the inner run did not start"
read -r _ xvfb display prefix <<<"$(grep '^inner ' "$BED_RUN/inner-killed.out" | tr '=' ' ' |
    awk '{ print $1, $3, $5, $7 }')"
kill -KILL "$inner_pid"
check "after the run is killed its guard stops what it started" \
    wait_until 40 inner_gone "$xvfb" "$display" "$prefix"
rm -rf "$inner_work"

bed_finish
