#!/usr/bin/env bash
# timeout: 360
# Start-up checks: a second lunavis shows "该程序已经有一个实例在运行" and ends while the first
# keeps its icon and hooks; with Active Desktop on, lunavis shows its two-line message and
# hooks nothing.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init
caption='岚溪创作室'

# Dismisses the message box with this caption; prints its text first.
answer_message_box() {
    wait_until 20 probe msgbox "$caption" || return 1
    probe msgbox "$caption" | tr -d '\r'
    probe press "#32770[$caption]/@IDOK" >/dev/null # MB_OK: the one button is IDOK
}

# ---- a second instance
bed_shell_start
lunavis_start_hooked first
# StartHook logs each window it looks up; the first instance's subclasses may still log as
# the shell's windows see their first messages, so only the look-ups are counted.
lookups_before=$(log_count '已经找到')
lunavis_start second
check_eq "the second instance's message" "该程序已经有一个实例在运行" "$(answer_message_box)"
check "the second instance ends" bed_wait_exit second 20
check "the first instance runs on" bed_alive first
check_eq "the first instance keeps its hooks" "$ALL_SUBCLASSED" "$(bed_shell subclassed)"
check "the first instance keeps its icon" tray_has_icon
check_eq "the second instance never ran StartHook" "$lookups_before" "$(log_count '已经找到')"
lunavis_exit first
check_exited_cleanly first

# ---- Active Desktop
bed_shell quit >/dev/null
bed_wait_exit shell 15 || fail "the stand-in shell did not quit"
rm -f "$BED_E_DIR/lunadebug.txt"
bed_shell_start --active-desktop
lunavis_start active
check_eq "the Active Desktop message" $'关闭Desktop选项\nClose The Activate Desktop!' \
    "$(answer_message_box)"
check "lunavis ends" bed_wait_exit active 20
check_eq "nothing is subclassed" "$NONE_SUBCLASSED" "$(bed_shell subclassed)"
check "no icon was added" tray_is_empty
check "StartHook never ran" test ! -s "$BED_E_DIR/lunadebug.txt"
check_eq "lunahook did not reach the shell" "loaded=0 count=? pinned=0" \
    "$(bed_shell module "$BED_HOOK_DLL")"

# A new instance can start once the refused one has gone: the event went with it.
bed_shell quit >/dev/null
bed_wait_exit shell 15 || fail "the stand-in shell did not quit"
bed_shell_start
lunavis_start_hooked again
check "a start after the refusals hooks the shell" subclassed_is "$ALL_SUBCLASSED"
lunavis_exit again
check_exited_cleanly again
bed_finish
