#!/usr/bin/env bash
# The month grid as a user works it, the clicks posted to the list view as the mouse would
# send them and the hover done with the pointer itself: › twice shows February 2027 and 今天
# brings December 2026 back (the log and the grid's pixels); resting on 22 December (冬至)
# shows a tip with its term, gone once the pointer leaves the grid; the week numbers come
# with their value; an icon moved onto the grid keeps its clicks; a double-click on a day
# opens the reminder page on that date with its lunar date ready, and another one brings the
# open sheet to the next date.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2026-12-22 10:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "app/$BED_HOOK_DLL"
bed_init
desk_reg_defaults 2 0x404040 "$BED_RUN/none.bmp"
bed_shell_start
desk_attach

# December 2026 on 1024x768: five weeks, rows of 75 under a title row of 25 (y 256-281),
# marks over the day columns: › over the last, 今天 beside it.
NEXT='971 268' TODAY='874 268'
lparam() { echo $((($2 << 16) | $1)); }
press() { probe post "$DESK_VIEW" "$1" 1 "$(lparam "$2" "$3")" >/dev/null; }
release() { probe post "$DESK_VIEW" WM_LBUTTONUP 0 "$(lparam "$1" "$2")" >/dev/null; }
click() { press WM_LBUTTONDOWN "$@" && release "$@"; }
double_click() { click "$@" && press WM_LBUTTONDBLCLK "$@" && release "$@"; }
centre() { awk '{ print $1 + int($3 / 2), $2 + int($4 / 2) }' <<<"$1"; }
shown_is() { [[ "$(bed_debug_log | grep '^显示月份' | tail -n1)" == "显示月份 $1" ]]; }
blue='$3 > 180 && $1 < 60 && $2 < 60'

check "today's month first" wait_until 20 shown_is 2026-12
probe move-cursor 100 500 >/dev/null # the pointer rests off the grid, no tip in the shots
december=$(bed_screenshot december)

# ---- › twice, then 今天
click $NEXT
check "› shows January" wait_until 20 shown_is 2027-01
click $NEXT
check "› again shows February" wait_until 20 shown_is 2027-02
february=$BED_RUN/february.png
february_drawn() { (($(desk_diff "$december" "$(bed_screenshot february)" $DESK_GRID) > 1000)); }
check "the grid shows another month" wait_until 10 february_drawn
check_eq "no today's mark in February" 0 "$(desk_count_where "$february" $DESK_GRID "$blue")"
check "今天 in the title row" test "$(desk_diff "$december" "$february" 826 256 97 25)" -gt 20
click $TODAY
check "今天 shows December" wait_until 20 shown_is 2026-12
december_again() { (($(desk_diff "$december" "$(bed_screenshot december-again)" $DESK_GRID) == 0)); }
check "December drawn as before, 今天 gone" wait_until 10 december_again

# ---- the tip of 22 December
# visible_tip_text: the text of the shell's visible tooltip, when it shows one.
visible_tip_text() {
    local handle
    handle=$(probe toplevel | tr -d '\r' | awk '/class=tooltips_class32 visible=1/ { print $1 }')
    [[ -n $handle ]] && probe text "$handle" | tr -d '\r'
}
tip_has() { visible_tip_text | grep -q "$1"; }
no_tip() { [[ -z "$(visible_tip_text)" ]]; }
probe move-cursor $(centre "$(desk_cell_of 2026-12-22)") >/dev/null
check "resting on 22 December logs its tip" bed_wait_debug_log '^日期提示 2026-12-22$' 20
check "the tip has the date" wait_until 10 tip_has '2026年12月22日 星期二'
check "the tip has the term and its moment" tip_has '节气 冬至 03:02:37'
bed_screenshot tip >/dev/null
probe move-cursor 100 500 >/dev/null
check "off the grid the tip goes" wait_until 10 no_tip

# ---- week numbers: the value beside the settings, read when they arrive
week_column='341 356 45 20' # its first number; without it, the empty first Sunday's
check_eq "no week column yet" 0 "$(desk_count_where "$december" $week_column "$DESK_YELLOW")"
desk_reg_fields showWeekNumbers=1
desk_send_settings >/dev/null
weeks_drawn() {
    (($(desk_count_where "$(bed_screenshot weeks)" $week_column "$DESK_YELLOW") > 20))
}
check "the week numbers are drawn" wait_until 10 weeks_drawn
desk_reg_fields showWeekNumbers=0
desk_send_settings >/dev/null

# ---- an icon on the grid keeps its clicks
probe send "$DESK_VIEW" LVM_SETITEMPOSITION 3 "$(lparam 545 436)" >/dev/null # over 8 December
click 565 456
icon_selected() { bed_shell items | grep -q '^3 1 '; }
check "the icon is selected" wait_until 10 icon_selected
double_click 565 456
check "its double-click is the icon's" not bed_debug_log_has '^新提醒'

# ---- a double-click on 24 December: the reminder page on that date
read -r x y <<<"$(centre "$(desk_cell_of 2026-12-24)")"
double_click "$x" "$y"
check "the reminder page opens" probe wait "$SHEET_REMINDER" 30
page_on() {
    [[ "$(probe selected "$SHEET_REMINDER/@$IDC_REMINDER_MONTH" | tr -d '\r')" == *"$1" &&
        "$(probe selected "$SHEET_REMINDER/@$IDC_REMINDER_DAY" | tr -d '\r')" == *"$2" ]]
}
check "on 24 December" wait_until 20 page_on 12 24
probe press "$SHEET_REMINDER/@$IDC_REMINDER_LUNAR" >/dev/null
check "农历: its lunar date, 11-16" wait_until 20 page_on ' 11' '十六'
read -r x y <<<"$(centre "$(desk_cell_of 2026-12-25)")"
double_click "$x" "$y"
check "the open sheet moves to 25 December" wait_until 20 page_on 12 25
check_eq "农历 unticked for the new date" 0 \
    "$(probe send "$SHEET_REMINDER/@$IDC_REMINDER_LUNAR" BM_GETCHECK | tr -d '\r')"
bed_finish
