#!/usr/bin/env bash
# timeout: 240
# The clock menu: a right click on the notification icon opens it in the shell's process,
# on the taskbar's thread, at the pointer (moved in where it would leave the screen), with
# every item, text, separator and the default item; Esc closes it. UM_CLOCKMENU opens it
# at the point it carries; a second request while it is open leaves the open menu alone.
# The clock answers the taskbar's size question (0x0464) with 0 while subclassed, and a
# right click on the clock itself is left to the clock's own procedure.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" tests/tools/winprobe/menureader.dll
bed_init
bed_shell_start
lunavis_start_hooked

# --- from the icon
read -r left top right bottom <<<"$(open_clock_menu)"
read -r x y <<<"$(probe cursor)"
width=$((right - left))
height=$((bottom - top))
expect_left=$((x + width > SCREEN_WIDTH ? SCREEN_WIDTH - width : x))
expect_top=$((y + height > SCREEN_HEIGHT ? SCREEN_HEIGHT - height : y))
check_eq "the menu opens at the pointer ($x,$y), kept on the screen" \
    "$expect_left $expect_top" "$left $top"
check_eq "the menu belongs to the taskbar's thread in the shell's process" \
    "$(probe pid Shell_TrayWnd)" "$(probe pid '#32768')"
check_eq "the menu's items, texts, separators and default item" \
    "$(expected_clock_menu)" "$(probe menu-items)"
probe menu-close >/dev/null
check "Esc closes the menu" probe menu-gone 10
check "lunavis runs on" bed_alive lunavis

# --- at the point UM_CLOCKMENU carries
clock_menu_at() { probe post "$CLOCK_WINDOW" UM_CLOCKMENU 0 $((($2 << 16) | $1)) >/dev/null; }
clock_menu_at 300 200
read -r left top right bottom <<<"$(probe menu-wait 10)"
check_eq "UM_CLOCKMENU opens the menu at its point" "300 200" "$left $top"
first=$(probe find '#32768')
clock_menu_at 500 100
check "a second request while the menu is open opens no other menu" \
    not wait_until 2 menu_other_than "$first"
check_eq "the open menu is still whole" "$(expected_clock_menu)" "$(probe menu-items)"
probe menu-choose "$kTaskbarMinimizeAll" >/dev/null
check "the open menu still carries out its command" \
    bed_wait_file_line "$BED_SHELL_LOG" "^taskbar command id=$kTaskbarMinimizeAll code=0$" 10
check "and closes" probe menu-gone 10

# --- the taskbar's size question
bed_shell layout >/dev/null
check_eq "the subclassed clock answers 0x0464 with 0" "clock size-answer=0x0" \
    "$(grep '^clock size-answer=' "$BED_SHELL_LOG" | tail -n 1)"

# --- a right click on the clock itself
read -r cl ct cr cb <<<"$(probe rect "$CLOCK_WINDOW")"
probe mouse-click $(((cl + cr) / 2)) $(((ct + cb) / 2)) right >/dev/null
check "a right click on the clock itself opens no clock menu" no_menu_opens 2

lunavis_exit || fail "lunavis did not end"
check_exited_cleanly
bed_shell layout >/dev/null
check_match "after the exit the clock answers 0x0464 itself again" \
    "^clock size-answer=0x[1-9A-F]" "$(grep '^clock size-answer=' "$BED_SHELL_LOG" | tail -n 1)"
bed_finish
