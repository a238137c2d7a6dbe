#!/usr/bin/env bash
# timeout: 480
# lunavis killed at any moment (before, during and after attaching) leaves the stand-in
# shell alive; lunahook stays pinned in the shell while its subclasses run there; a new
# lunavis attaches afresh (undoing what the dead one left) and exits cleanly.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init
bed_shell_start

# Messages that make the shell run its (possibly subclassed) window procedures.
stir_shell() {
    bed_shell repaint >/dev/null
    probe send Progman/SHELLDLL_DefView/SysListView32 WM_SIZE 0 0 >/dev/null
    probe send Shell_TrayWnd WM_SIZE 0 0 >/dev/null
}

# ---- killed while attached
lunavis_start_hooked victim
bed_kill victim
check "the killed lunavis is gone" bed_wait_exit victim 10
stir_shell
check "the shell survives its subclasses' owner" bed_alive shell
check_eq "lunahook stays pinned in the shell" "loaded=1 count=-1 pinned=1" \
    "$(bed_shell module "$BED_HOOK_DLL")"
check_eq "the subclasses still run in the shell" "$ALL_SUBCLASSED" "$(bed_shell subclassed)"

first_time_before=$(log_count '^第一次替换视图窗口过程$')
subclassed_anew() { (($(log_count '^第一次替换视图窗口过程$') > first_time_before)); }
lunavis_start heir
check "the new lunavis takes the dead one's subclasses down first" \
    wait_until 20 log_has '^恢复视图进程$'
check "and subclasses the shell's windows anew" \
    wait_until 30 subclassed_anew
check "the new lunavis hooks the shell" wait_subclassed "$ALL_SUBCLASSED"
check "its icon is shown" wait_until 20 tray_has_icon
LUNAVIS_WINDOW[heir]=$(probe find "$MAIN_WINDOW")
lunavis_exit heir
check_exited_cleanly heir

# ---- killed at other moments: right after start, while attaching, soon after
for delay in 0 0.5 1.5; do
    lunavis_start "early$delay"
    sleep "$delay" # deliberate: the moment of the crash; no condition to wait for
    bed_kill "early$delay"
    stir_shell
    check "killed after ${delay}s: the shell lives" bed_alive shell
    lunavis_start_hooked "after$delay"
    lunavis_exit "after$delay"
    check_exited_cleanly "after$delay"
done
bed_finish
