#!/usr/bin/env bash
# timeout: 480
# Every way out runs ExitPath: the "退出" button, UM_EXIT from the clock menu, WM_ENDSESSION
# (also with wParam FALSE), and the cancel command (Esc, close box, WM_CLOSE), which must
# not leave the shell hooked. Each time the icon goes, the shell's procedures come back,
# the process ends, and a new start right after hooks the shell again. Requests that come
# while the exit is under way do no harm.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init
bed_shell_start

run=0
exit_by() {
    local what=$1
    shift
    run=$((run + 1))
    local name="run$run"
    local restores_before unhooks_before
    restores_before=$(log_count '^恢复视图进程$')
    unhooks_before=$(log_count '^卸载时钟钩子函数:')
    lunavis_start_hooked "$name"
    "$@"
    check_exited_cleanly "$name ($what)"
    check_eq "$name ($what): the list view was restored by its subclass" \
        $((restores_before + 1)) "$(log_count '^恢复视图进程$')"
    check_eq "$name ($what): EndHook removed the clock hook" $((unhooks_before + 1)) \
        "$(log_count '^卸载时钟钩子函数:')"
}

exit_button() { probe press "$MAIN_WINDOW/@$IDC_MAIN_EXIT" >/dev/null; }
exit_message() { probe post "$MAIN_WINDOW" UM_EXIT >/dev/null; }
end_session() { probe send "$MAIN_WINDOW" WM_ENDSESSION 1 0 >/dev/null; }
end_session_cancelled() { probe send "$MAIN_WINDOW" WM_ENDSESSION 0 0 >/dev/null; }
close_window() { probe post "$MAIN_WINDOW" WM_CLOSE >/dev/null; }
escape_command() { probe post "$MAIN_WINDOW" WM_COMMAND IDCANCEL 0 >/dev/null; }
exit_twice() {
    probe post "$MAIN_WINDOW" UM_EXIT >/dev/null
    # The window may be gone before the later ones are posted.
    probe post "$MAIN_WINDOW" WM_ENDSESSION 0 0 >/dev/null 2>&1
    probe post "$MAIN_WINDOW" WM_COMMAND "$IDC_MAIN_EXIT" 0 >/dev/null 2>&1
}

exit_by "退出 button" exit_button
exit_by "UM_EXIT" exit_message
exit_by "WM_ENDSESSION" end_session
exit_by "WM_ENDSESSION FALSE" end_session_cancelled
exit_by "WM_CLOSE" close_window
exit_by "IDCANCEL" escape_command
exit_by "three requests at once" exit_twice

# One more start: the event of every earlier run was closed.
lunavis_start_hooked last
plain_desktop="58 110 165"
desktop_pixel() { bed_pixel "$(bed_screenshot desktop)" 600 400; }
desktop_is_plain() { [[ "$(desktop_pixel)" == "$plain_desktop" ]]; }
check "while hooked the desktop shows lunahook's picture" wait_until 15 not desktop_is_plain
lunavis_exit last
check_exited_cleanly last
# ExitPath redraws the whole desktop, but under Wine a redraw asked by one process does not
# repaint another process's windows: the stand-in shell repaints itself here.
bed_shell repaint >/dev/null
check "after the exit the shell paints its own desktop again" wait_until 15 desktop_is_plain
bed_finish
