#!/usr/bin/env bash
# The timed shutdown armed from the system page: ticking "定时关机" shows the hour and minute
# lists; an armed shutdown shows ticked, with its time, when the page opens again, and
# looking at the page and pressing OK leaves it armed; armed for a minute, the main window's
# first timer tick in it ends the hook and asks Windows to power off, which under
# Wine ends the session and lunavis with it.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2027-03-10 09:30:02"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init
bed_shell_start
sheet_attach

# Disarmed by a visit without the box: nothing happens in this minute.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN" 1
check_eq "the hours shown" 1 "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS")"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN" 0
check_eq "the hours hidden again" 0 "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS")"
sheet_close OK

# Armed for a time half a day away: the page shows it, and a mere visit keeps it.
far_hour=$((($(bed_now +%-H) + 12) % 24))
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN" 1
probe select "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" "$far_hour" >/dev/null
probe select "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES" 30 >/dev/null
sheet_close OK
for visit in "after arming" "after a visit with OK"; do
    sheet_open
    sheet_page 3 "$SHEET_SYSTEM"
    check_eq "$visit: the box shows the shutdown armed" 1 \
        "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN")"
    check_eq "$visit: with its lists" "1 1" \
        "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS") $(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES")"
    check_eq "$visit: and its time" "$(printf '%d %2d|30 30' "$far_hour" "$far_hour")" \
        "$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" | tr -d '\r')|$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES" | tr -d '\r')"
    [[ $visit == "after arming" ]] && bed_screenshot shutdown-armed-shown >/dev/null
    sheet_close OK
done
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN" 0
sheet_close OK

# Armed for the next minute, into which the faked clock then jumps.
desk_next_minute
armed=$((($(bed_now +%s) / 60 + 1) * 60))
hour=$(date -d "@$armed" +%-H)
minute=$(date -d "@$armed" +%-M)
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN" 1
probe select "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" "$hour" >/dev/null
probe select "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES" "$minute" >/dev/null
check_eq "the hour chosen" "$(printf '%d %2d' "$hour" "$hour")" \
    "$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" | tr -d '\r')"
check_eq "the minute chosen" "$(printf '%d %2d' "$minute" "$minute")" \
    "$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES" | tr -d '\r')"
sheet_close OK
bed_faketime_set "@$armed"
check "lunavis ends at the armed minute" bed_wait_exit lunavis 30
# The end of the session may take the stand-in shell with it; the library's log tells.
check "the hook was ended" bed_debug_log_has '^恢复视图进程$'

bed_finish
