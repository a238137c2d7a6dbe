#!/usr/bin/env bash
# The settings sheet on a first start: topmost, centred, four pages in order, no Help, Apply
# disabled; each page shows the defaults; the clock page's boxes follow each other and its
# separator boxes take at most two bytes; the calendar page's tools leave Apply alone;
# Cancel writes nothing.
# timeout: 240
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init
bed_shell_start
sheet_attach

sheet_open
check_eq "caption" "时钟备忘录系统设定" "$(probe text "$SHEET" | tr -d '\r')"
tabs=$(probe children "$SHEET" | grep -c 'class=#32770')
check_eq "only the first page exists at first" 1 "$tabs"
check "no Help button shown" not probe visible "$SHEET/@$IDHELP"
check_eq "Apply disabled at first" 0 "$(sheet_enabled "$SHEET_APPLY")"
read -r left top right bottom <<<"$(probe rect "$SHEET" | tr -d '\r')"
check_eq "centred horizontally" $(((1024 - (right - left)) / 2)) "$left"
check_eq "centred vertically" $(((768 - (bottom - top)) / 2)) "$top"
check_match "topmost" ' exstyle=0x[0-9A-F]*[89A-F]$' "$(probe styles "$SHEET" | tr -d '\r')"

# Clock page.
for id in IDC_CLOCK_YEAR4 IDC_CLOCK_WEEKDAY IDC_CLOCK_DATE IDC_CLOCK_SECONDS IDC_CLOCK_ORDER_YMD \
    IDC_CLOCK_AMPM; do
    check_eq "clock page: $id ticked" 1 "$(sheet_state "$SHEET_CLOCK/@${!id}")"
done
for id in IDC_CLOCK_YEAR2 IDC_CLOCK_HOUR12 IDC_CLOCK_ORDER_MDY IDC_CLOCK_ORDER_DMY \
    IDC_CLOCK_CUSTOM_DATE_SEP IDC_CLOCK_CUSTOM_TIME_SEP; do
    check_eq "clock page: $id unticked" 0 "$(sheet_state "$SHEET_CLOCK/@${!id}")"
done
for id in IDC_CLOCK_AMPM IDC_CLOCK_CUSTOM_DATE_SEP IDC_CLOCK_CUSTOM_TIME_SEP; do
    check_eq "clock page: $id disabled" 0 "$(sheet_enabled "$SHEET_CLOCK/@${!id}")"
done
check_eq "date separator box empty" "" \
    "$(probe text "$SHEET_CLOCK/@$IDC_CLOCK_DATE_SEP" | tr -d '\r')"
check_eq "time separator box empty" "" \
    "$(probe text "$SHEET_CLOCK/@$IDC_CLOCK_TIME_SEP" | tr -d '\r')"

sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_YEAR2" 1
check_eq "two-digit year unticks four digits" 0 "$(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_YEAR4")"
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_YEAR4" 1
check_eq "four-digit year unticks two digits" 0 "$(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_YEAR2")"
check "a changed option enables Apply" sheet_apply_enabled
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 1
check_eq "12-hour clock enables AM/PM" 1 "$(sheet_enabled "$SHEET_CLOCK/@$IDC_CLOCK_AMPM")"
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 0
check_eq "24-hour clock disables AM/PM" 0 "$(sheet_enabled "$SHEET_CLOCK/@$IDC_CLOCK_AMPM")"

sheet_type "$SHEET_CLOCK/@$IDC_CLOCK_DATE_SEP" "/"
check_eq "typing a date separator ticks its box" 1 \
    "$(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_CUSTOM_DATE_SEP")"
check_eq "... and enables it" 1 "$(sheet_enabled "$SHEET_CLOCK/@$IDC_CLOCK_CUSTOM_DATE_SEP")"
sheet_type "$SHEET_CLOCK/@$IDC_CLOCK_DATE_SEP" "-."
check_eq "a third byte cannot be typed" "/-" \
    "$(probe text "$SHEET_CLOCK/@$IDC_CLOCK_DATE_SEP" | tr -d '\r')"
sheet_type "$SHEET_CLOCK/@$IDC_CLOCK_TIME_SEP" "时x"
check_eq "one GBK character fills a separator box" "时" \
    "$(probe text "$SHEET_CLOCK/@$IDC_CLOCK_TIME_SEP" | tr -d '\r')"
check_eq "typing a time separator ticks its box" 1 \
    "$(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_CUSTOM_TIME_SEP")"

# Reminder page: present, second.
sheet_page 1 "$SHEET_REMINDER"

# Calendar page.
sheet_page 2 "$SHEET_CALENDAR"
for id in IDC_CALENDAR_SOLAR IDC_CALENDAR_LUNAR IDC_CALENDAR_TERMS; do
    check_eq "calendar page: $id ticked" 1 "$(sheet_state "$SHEET_CALENDAR/@${!id}")"
done
for id in IDC_CALENDAR_OWN_SOLAR IDC_CALENDAR_OWN_LUNAR; do
    check_eq "calendar page: $id unticked" 0 "$(sheet_state "$SHEET_CALENDAR/@${!id}")"
done

# System page.
# The alarm and the icon options: shown, but never enabled.
INERT_SYSTEM_BUTTONS=(IDC_SYSTEM_ALARM IDC_SYSTEM_ICON_UNDERLINE IDC_SYSTEM_ICON_NOINVERT
    IDC_SYSTEM_SINGLE_CLICK)
sheet_page 3 "$SHEET_SYSTEM"
check_eq "autostart unticked" 0 "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_AUTOSTART")"
check_eq "timed shutdown unticked" 0 "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN")"
check_eq "hour list hidden" 0 "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS")"
check_eq "minute list hidden" 0 "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES")"
check_eq "picture background ticked" 1 "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_PICTURE")"
for id in "${INERT_SYSTEM_BUTTONS[@]}"; do
    check_eq "system page: $id disabled" 0 "$(sheet_enabled "$SHEET_SYSTEM/@${!id}")"
    sheet_mouse_click "$SHEET_SYSTEM/@${!id}"
done
for id in IDC_SYSTEM_UNUSED_RADIO IDC_SYSTEM_UNUSED_BUTTON; do
    check_eq "system page: $id hidden" 0 "$(sheet_visible "$SHEET_SYSTEM/@${!id}")"
done
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_SHUTDOWN" 1
check_eq "ticking the shutdown shows the hours" 1 \
    "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS")"
check_eq "... and the minutes" 1 "$(sheet_visible "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES")"
check_eq "hour 0 selected" "0  0" \
    "$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" | tr -d '\r')"
check_eq "minute 0 selected" "0  0" \
    "$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_MINUTES" | tr -d '\r')"
probe select "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" 23 >/dev/null
check_eq "the 24th hour is 23" "23 23" \
    "$(probe selected "$SHEET_SYSTEM/@$IDC_SYSTEM_HOURS" | tr -d '\r')"
for id in "${INERT_SYSTEM_BUTTONS[@]}"; do
    check_eq "system page: $id could not be clicked" 0 "$(sheet_state "$SHEET_SYSTEM/@${!id}")"
done

# The calendar page's tools change nothing on it: Apply once, then open and close both.
sheet_page 2 "$SHEET_CALENDAR"
sheet_apply
for tool in IDC_CALENDAR_FESTIVALS IDC_CALENDAR_CONVERT; do
    probe click "$SHEET_CALENDAR/@${!tool}" >/dev/null
    dialog=$(sheet_dialog)
    probe post "$dialog" WM_CLOSE >/dev/null
    sheet_dialog_done "$dialog"
    check "tool $tool leaves Apply disabled" not sheet_apply_enabled
done

# A second opening starts afresh; Cancel writes nothing.
sheet_close CANCEL
bed_wine reg delete "$KEY_DISPLAY" /f >/dev/null 2>&1
sheet_open
check_eq "a new opening starts from the settings: four digits" 1 \
    "$(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_YEAR4")"
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 1
sheet_close CANCEL
check "Cancel wrote no display value" not sheet_reg_key_exists "$KEY_DISPLAY"

bed_finish
