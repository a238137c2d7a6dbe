#!/usr/bin/env bash
# timeout: 240
# The taskbar's own commands of the clock menu (adjust date and time, cascade, the two
# tilings, minimise all, task manager, taskbar properties) reach Shell_TrayWnd as its own
# WM_COMMAND, each once, chosen with the keyboard in the menu opened from the icon; lunavis
# takes no part in them.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" tests/tools/winprobe/menureader.dll
bed_init
bed_shell_start
lunavis_start_hooked
app_pid=$(probe pid "$MAIN_WINDOW" | cut -d' ' -f1)

for name in "${TASKBAR_COMMANDS[@]}"; do
    id=${!name}
    choose_from_clock_menu "$id"
    check "item $name arrives at Shell_TrayWnd as WM_COMMAND $id" \
        bed_wait_file_line "$BED_SHELL_LOG" "^taskbar command id=$id code=0\$" 10
done
for name in "${TASKBAR_COMMANDS[@]}"; do
    check_eq "item $name arrived once" 1 "$(shell_log_count "^taskbar command id=${!name} ")"
done
check_eq "no other command reached the taskbar" "${#TASKBAR_COMMANDS[@]}" \
    "$(shell_log_count '^taskbar command ')"
check "lunavis runs on" bed_alive lunavis
check_eq "lunavis shows no window" "" "$(visible_windows_of "$app_pid")"
check_eq "the shell stays hooked" "$ALL_SUBCLASSED" "$(bed_shell subclassed)"
bed_finish
