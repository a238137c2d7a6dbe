#!/usr/bin/env bash
# "开机运行" on the system page, for a program installed in a folder with a blank in its
# name: the page opens ticked when an older version's unquoted machine entry starts this
# copy, and OK rewrites that entry quoted; unticking removes it; ticking writes the user's
# own Run value, quoted, and AutoStart 1. (A folder name GBK cannot hold is refused with a
# message; that needs a non-ASCII program path on Wine's command line, which the bed
# cannot pass unmangled, so it is left to the unit tests.)
# timeout: 300
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init
bed_shell_start

program=$(sheet_install "$BED_RUN/My Apps/lunavis")
exe=$(bed_winpath "$program")
bed_reg_add "$KEY_RUN" DeskTop REG_SZ "$exe"
check_eq "an older version's entry, unquoted" "$exe" "$(sheet_reg "$KEY_RUN" DeskTop)"
sheet_attach "$program"

sheet_open
sheet_page 3 "$SHEET_SYSTEM"
check_eq "the page opens ticked: the machine entry starts this copy" 1 \
    "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART")"
sheet_close OK
check_eq "OK rewrites it quoted" "\"$exe\"" "$(sheet_reg "$KEY_RUN" DeskTop)"
check_eq "and adds no second entry" "<absent>" "$(sheet_reg "$KEY_USER_RUN" DeskTop)"

sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART" 0
sheet_close OK
check_eq "unticked: the machine entry is gone" "<absent>" "$(sheet_reg "$KEY_RUN" DeskTop)"
check_eq "AutoStart off" 0x0 "$(sheet_reg "$KEY_CLOCK" AutoStart)"

sheet_open
sheet_page 3 "$SHEET_SYSTEM"
check_eq "the page opens unticked" 0 "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART")"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART" 1
sheet_apply
check_eq "ticked: the user's own Run value, quoted" "\"$exe\"" \
    "$(sheet_reg "$KEY_USER_RUN" DeskTop)"
check_eq "nothing under the machine's key" "<absent>" "$(sheet_reg "$KEY_RUN" DeskTop)"
check_eq "AutoStart on" 0x1 "$(sheet_reg "$KEY_CLOCK" AutoStart)"
check_eq "the box stays ticked" 1 "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART")"
sheet_close OK
bed_finish
