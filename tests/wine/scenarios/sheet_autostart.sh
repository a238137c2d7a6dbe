#!/usr/bin/env bash
# "开机运行" on the system page: ticked and OK writes AutoStart 1 and the Run key's DeskTop
# with the program's path; the page then opens ticked; unticked and OK writes AutoStart 0
# and removes DeskTop.
# timeout: 240
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init
bed_shell_start
sheet_attach

exe=$(bed_winpath "$BED_WIN64/app/lunavis.exe")

sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@1096" 1
check "ticking autostart enables Apply" sheet_apply_enabled
sheet_close OK
check_eq "AutoStart on" 0x1 "$(sheet_reg "$KEY_CLOCK" AutoStart)"
check_eq "DeskTop names the program" "$exe" "$(sheet_reg "$KEY_RUN" DeskTop)"

sheet_open
sheet_page 3 "$SHEET_SYSTEM"
check_eq "the page opens ticked" 1 "$(sheet_state "$SHEET_SYSTEM/@1096")"
sheet_press "$SHEET_SYSTEM/@1096" 0
sheet_apply
check_eq "AutoStart off after Apply" 0x0 "$(sheet_reg "$KEY_CLOCK" AutoStart)"
check_eq "DeskTop removed" "<absent>" "$(sheet_reg "$KEY_RUN" DeskTop)"
check "the sheet stays open after Apply" probe find "$SHEET_SYSTEM"
sheet_close OK
check_eq "still off after OK" 0x0 "$(sheet_reg "$KEY_CLOCK" AutoStart)"

bed_finish
