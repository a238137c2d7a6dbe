#!/usr/bin/env bash
# timeout: 300
# EndHook called twice (as after a timed shutdown, when the end of the log-on then runs
# ExitPath): the first call restores the shell's windows and removes the hooks, the second
# writes only its opening line, and lunavis's own exit afterwards is harmless too.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init
bed_shell_start
lunavis_start_hooked

# Another process maps the same library file, and with it the same shared record.
hook_dll=$(bed_winpath "$BED_WIN64/app/$BED_HOOK_DLL")
end_hook() { bed_wine rundll32.exe "$hook_dll,EndHook" >/dev/null 2>&1; }

end_hook
check_eq "the first EndHook restores the shell's windows" "$NONE_SUBCLASSED" \
    "$(bed_shell subclassed)"
check "the first EndHook removed the clock hook" log_has '^卸载时钟钩子函数:'
lines=$(bed_debug_log | wc -l)

end_hook
check_eq "the second EndHook writes only its opening line" $'\n开始卸载钩子“\n' \
    "$(bed_debug_log | tail -n +$((lines + 1)))"$'\n'
bed_shell repaint >/dev/null
check_eq "nothing was subclassed again" "$NONE_SUBCLASSED" "$(bed_shell subclassed)"
check "lunavis runs on" bed_alive lunavis

lines=$(bed_debug_log | wc -l)
lunavis_exit
check_exited_cleanly
check_eq "ExitPath's EndHook found nothing left either" $'\n开始卸载钩子“\n' \
    "$(bed_debug_log | tail -n +$((lines + 1)))"$'\n'
bed_finish
