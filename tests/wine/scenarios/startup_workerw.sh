#!/usr/bin/env bash
# timeout: 300
# A shell that keeps SHELLDLL_DefView under a top-level WorkerW instead of Progman:
# StartHook and lunavis's own lookup find the desktop view and the list view there, the
# shell is hooked and the exit restores it; an Active Desktop in that layout is refused.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" app/lunahook.dll
bed_init
bed_shell_start --workerw
check "the desktop view is not under Progman" not probe find Progman/SHELLDLL_DefView

lunavis_start_hooked
windows=$(bed_shell windows)
defview=$(grep '^defview=' <<<"$windows" | cut -d= -f2)
listview=$(grep '^listview=' <<<"$windows" | cut -d= -f2)
check "StartHook found the desktop view under WorkerW" log_has "^桌面窗口已经找到:${defview#0x}$"
check "StartHook found the list view" log_has "^视图窗口已经找到:${listview#0x}$"
check_eq "all three windows are subclassed" "$ALL_SUBCLASSED" "$(bed_shell subclassed)"
desktop_is_plain() { [[ "$(bed_pixel "$(bed_screenshot workerw)" 600 400)" == "58 110 165" ]]; }
check "lunahook's picture is on the desktop" wait_until 15 not desktop_is_plain
lunavis_exit
check_exited_cleanly

bed_shell quit >/dev/null
bed_wait_exit shell 15 || fail "the stand-in shell did not quit"
rm -f "$BED_E_DIR/lunadebug.txt"
bed_shell_start --workerw --active-desktop
lunavis_start active
check "Active Desktop under WorkerW is refused" wait_until 20 probe msgbox '岚溪创作室'
probe press '#32770[岚溪创作室]/@1' >/dev/null
check "lunavis ends" bed_wait_exit active 20
check_eq "nothing is subclassed" "$NONE_SUBCLASSED" "$(bed_shell subclassed)"
bed_finish
