#!/usr/bin/env bash
# timeout: 200
# The counterpart of menu_noclock: where the taskbar has its clock window, lunavis shows no
# menu of its own. A right click on the icon opens exactly one menu, the shell's, on the
# taskbar's thread, and its commands still come back to lunavis through the clock.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" tests/tools/winprobe/menureader.dll
bed_init
bed_shell_start
lunavis_start_hooked
app_pid=$(probe pid "$MAIN_WINDOW" | cut -d' ' -f1)

open_menus() { probe toplevel | grep -c ' class=#32768 visible=1 '; }

open_clock_menu >/dev/null
check_eq "the menu belongs to the shell" "$(probe pid Shell_TrayWnd | cut -d' ' -f1)" \
    "$(probe pid '#32768' | cut -d' ' -f1)"
more_than_one_menu() { (($(open_menus) > 1)); }
check "lunavis opens no menu beside it" not wait_until 2 more_than_one_menu
check_eq "one menu is open" 1 "$(open_menus)"
check_eq "it is the clock menu" "$(expected_clock_menu)" "$(probe menu-items)"
probe menu-choose "$kMenuHelp" >/dev/null
probe menu-gone 10 >/dev/null || fail "the menu stayed open"
check "its help item reaches lunavis through the clock" probe wait "$ABOUT_BOX" 10
probe click "$ABOUT_BOX/@IDOK" >/dev/null
check "the About box closes" probe wait-gone "$ABOUT_BOX" 10

choose_from_clock_menu "$kMenuExit"
check_exited_cleanly
bed_finish
