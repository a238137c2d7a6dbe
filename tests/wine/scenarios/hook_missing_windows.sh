#!/usr/bin/env bash
# timeout: 300
# A shell without SHELLDLL_DefView or without the list view: StartHook writes its log
# lines, returns 0 and leaves no hook, and lunavis runs on (icon shown) and exits cleanly.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init

restart_shell() {
    if bed_alive shell; then
        bed_shell quit >/dev/null
        bed_wait_exit shell 15 || fail "the stand-in shell did not quit"
    fi
    rm -f "$BED_E_DIR/lunadebug.txt"
    bed_shell_start "$@"
}

# Stirs the shell's threads with sent messages, as a hook, if any were left, would see.
stir_shell() {
    bed_shell repaint >/dev/null
    probe send Progman WM_SIZE 0 0 >/dev/null
    probe send Shell_TrayWnd WM_SIZE 0 0 >/dev/null
    bed_shell repaint >/dev/null
}

hex='[0-9A-F]+'

# ---- no SHELLDLL_DefView
restart_shell --no-defview
lunavis_start nodefview
wait_until 20 tray_has_icon || fail "lunavis did not come up"
check_eq "one log line only" "桌面窗口未能找到" "$(bed_debug_log)"
stir_shell
check_eq "lunahook did not reach the shell" "loaded=0 count=? pinned=0" \
    "$(bed_shell module "$BED_HOOK_DLL")"
check_eq "the clock is not subclassed" "desktop=- view=- clock=0" "$(bed_shell subclassed)"
lunavis_exit nodefview
check "the process has ended" bed_wait_exit nodefview 20
check "the notification icon is removed" wait_until 10 tray_is_empty
check_eq "EndHook had nothing to undo" $'桌面窗口未能找到\n\n开始卸载钩子“' "$(bed_debug_log)"

# ---- no list view
restart_shell --no-listview
lunavis_start nolistview
wait_until 20 tray_has_icon || fail "lunavis did not come up"
expected=("桌面窗口已经找到:$hex" "桌面钩子函数勾连成功,返回钩子:$hex"
    "钩子函数勾连前的桌面句柄:$hex,返回钩子:$hex" "视图窗口未能找到")
log_in_order "StartHook's lines up to the missing list view" "${expected[@]}"
stir_shell
check "no window was subclassed" not log_has "第一次替换"
check_eq "the desktop view keeps its own procedure" "desktop=0 view=- clock=0" \
    "$(bed_shell subclassed)"
lunavis_exit nolistview
check "the process has ended" bed_wait_exit nolistview 20
check "the notification icon is removed" wait_until 10 tray_is_empty
check "no hook was left for EndHook to remove" not log_has "卸载.*钩子函数"
check "the stand-in shell lives on" bed_alive shell
bed_finish
