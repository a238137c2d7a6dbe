#!/usr/bin/env bash
# "清除注册内容" on the system page removes the product keys and the Run values at once;
# Apply and OK of that same sheet write nothing from any page; the next sheet writes again,
# and so it does after a clearing left with Cancel, even when it never visits the system
# page (the clearing ends with the sheet that made it).
# timeout: 300
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init
bed_shell_start
sheet_attach

# Something to clear: autostart on, a display value.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART" 1
sheet_close OK
check_eq "DeskTop set" "\"$(bed_winpath "$BED_WIN64/app/lunavis.exe")\"" \
    "$(sheet_reg "$KEY_USER_RUN" DeskTop)"
check_eq "DisPlayYear set" 0x4 "$(sheet_reg "$KEY_DISPLAY" DisPlayYear)"

sheet_open
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 1
sheet_page 2 "$SHEET_CALENDAR"
sheet_press "$SHEET_CALENDAR/@$IDC_CALENDAR_OWN_SOLAR" 1
sheet_page 3 "$SHEET_SYSTEM"
probe click "$SHEET_SYSTEM/@$IDC_SYSTEM_CLEAR" >/dev/null
check "the product key goes at once" wait_until 10 not sheet_reg_key_exists 'HKCU\software\wendrix'
check_eq "DeskTop removed" "<absent>" "$(sheet_reg "$KEY_USER_RUN" DeskTop)"
check_eq "the page keeps its controls" 1 "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART")"
sheet_page 0 "$SHEET_CLOCK"
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 0
sheet_apply
check "Apply after clearing writes nothing" not sheet_reg_key_exists 'HKCU\software\wendrix'
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 1
sheet_close OK
check "nor does OK of the same sheet" not sheet_reg_key_exists 'HKCU\software\wendrix'
check_eq "nor the Run value" "<absent>" "$(sheet_reg "$KEY_USER_RUN" DeskTop)"

sheet_open
check_eq "the settings in memory are unchanged: 24-hour clock" 0 \
    "$(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12")"
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 1
sheet_close OK
check_eq "the next sheet writes again" 0x1 "$(sheet_reg "$KEY_DISPLAY" DisPlayTime12)"

# Cleared, then Cancel: the next two sheets write without ever visiting the system page.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
probe click "$SHEET_SYSTEM/@$IDC_SYSTEM_CLEAR" >/dev/null
check "cleared again" wait_until 10 not sheet_reg_key_exists 'HKCU\software\wendrix'
sheet_close CANCEL
for state in 0 1; do
    sheet_open
    sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" "$state"
    sheet_close OK
    check_eq "after Cancel a later sheet writes ($state)" "0x$state" \
        "$(sheet_reg "$KEY_DISPLAY" DisPlayTime12)"
done

bed_finish
