#!/usr/bin/env bash
# timeout: 300
# A taskbar without a clock window (as on newer Windows): a right click on the notification
# icon opens the clock menu in lunavis itself, at the pointer, with the same items, texts,
# separators and default item as the shell's menu; a second right click while it is open
# opens no other. The taskbar's commands reach Shell_TrayWnd as its own WM_COMMAND, once
# each; "帮助" opens the About box, "显示主窗口" the settings sheet, during which
# "显示主窗口" and "退出" are grey and do nothing; "退出" ends lunavis cleanly.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" tests/tools/winprobe/menureader.dll
bed_init
bed_shell_start --no-clock
check "the taskbar has no clock window" not probe find "$CLOCK_WINDOW"
ALL_SUBCLASSED="desktop=1 view=1 clock=-"
NONE_SUBCLASSED="desktop=0 view=0 clock=-"
lunavis_start_hooked
app_pid=$(probe pid "$MAIN_WINDOW" | cut -d' ' -f1)

# --- the menu itself
read -r left top right bottom <<<"$(open_clock_menu)"
read -r x y <<<"$(probe cursor)"
width=$((right - left))
height=$((bottom - top))
expect_left=$((x + width > SCREEN_WIDTH ? SCREEN_WIDTH - width : x))
expect_top=$((y + height > SCREEN_HEIGHT ? SCREEN_HEIGHT - height : y))
check_eq "the menu opens at the pointer ($x,$y), kept on the screen" \
    "$expect_left $expect_top" "$left $top"
check_eq "the menu belongs to lunavis" "$app_pid" "$(probe pid '#32768' | cut -d' ' -f1)"
check_eq "the same items, texts, separators and default item" \
    "$(expected_clock_menu)" "$(probe menu-items)"
first=$(probe find '#32768')
right_click_icon
check "a second right click while it is open opens no other menu" \
    not wait_until 2 menu_other_than "$first"
probe menu-close >/dev/null
check "Esc closes the menu" probe menu-gone 10
check "lunavis runs on" bed_alive lunavis

# --- the taskbar's own commands
for name in "${TASKBAR_COMMANDS[@]}"; do
    id=${!name}
    choose_from_clock_menu "$id"
    check "item $name arrives at Shell_TrayWnd as WM_COMMAND $id" \
        bed_wait_file_line "$BED_SHELL_LOG" "^taskbar command id=$id code=0\$" 10
done
check_eq "each arrived once and nothing else did" "${#TASKBAR_COMMANDS[@]}" \
    "$(shell_log_count '^taskbar command ')"
check_eq "lunavis shows no window after them" "" "$(visible_windows_of "$app_pid")"

# --- "帮助(&HELP)"
choose_from_clock_menu "$kMenuHelp"
check "the help item opens the About box" probe wait "$ABOUT_BOX" 10
probe click "$ABOUT_BOX/@IDOK" >/dev/null
check "the About box closes" probe wait-gone "$ABOUT_BOX" 10

# --- "显示主窗口(&MainWindow)", and the menu while the sheet is open
choose_from_clock_menu "$kMenuShowMain"
probe wait "$SETTINGS_SHEET" 15 >/dev/null || fail "the main-window item opened no settings sheet"
open_clock_menu >/dev/null
check_eq "with the sheet open, 显示主窗口 and 退出 are grey" "$(expected_clock_menu sheet)" \
    "$(probe menu-items)"
probe menu-choose "$kMenuExit" >/dev/null
check "Enter on the grey exit item ends nothing" not bed_wait_exit lunavis 2
probe menu-gone 0 >/dev/null 2>&1 || probe menu-close >/dev/null
probe menu-gone 10 >/dev/null || fail "the menu did not close"
check "the sheet is still open" probe wait "$SETTINGS_SHEET" 1
probe click "$SETTINGS_SHEET/@IDCANCEL" >/dev/null
check "the sheet closes" probe wait-gone "$SETTINGS_SHEET" 15
open_clock_menu >/dev/null
check_eq "after the sheet has closed, every item is enabled again" "$(expected_clock_menu)" \
    "$(probe menu-items)"
probe menu-close >/dev/null
probe menu-gone 10 >/dev/null || fail "the menu did not close"

# --- "退出(&EXIT)"
choose_from_clock_menu "$kMenuExit"
check_exited_cleanly
check_eq "the taskbar received no program command" 7 "$(shell_log_count '^taskbar command ')"
bed_finish
