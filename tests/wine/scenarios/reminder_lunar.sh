#!/usr/bin/env bash
# timeout: 300
# A lunar reminder from the page to the desktop, at a faked moment (libfaketime): on 3
# August 2025, the 10th of the leap 6th month, the page's 农历 choice offers the lunar months
# with their 闰 months and the days 初一 to 三十; a reminder on 闰6月初十 at 08:00 is listed
# with its lunar date after a Gregorian one and saved alone to res\LunarReminder.rem
# (checked byte for byte) and exported by 导出日历... as dated iCalendar events; lunavis
# restarted at 07:59 shows it on the desktop's reminder panel and pops its box up at 08:00,
# once.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/reminder_editors.bash"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" app/res/back.png
export BED_FAKETIME="2025-08-03 07:57:00"
bed_init
bed_shell_start
editors_install
editors_start
lunar_rem=$EDITORS_APP/res/LunarReminder.rem
list() { items "$REMINDER_PAGE/@$IDC_REMINDER_LIST" | paste -sd'|'; }
list_is() { [[ "$(list)" == "$1" ]]; }
page_shown() { [[ "$(probe visible "$REMINDER_PAGE" 2>/dev/null | tr -d '\r')" == 1 ]]; }

# ---- the page in lunar mode
probe post "$MAIN_WINDOW" UM_REMINDER >/dev/null
probe wait "$SHEET" 20 >/dev/null || fail "UM_REMINDER did not open the settings sheet"
wait_until 10 page_shown || fail "the reminder page is not shown"
probe press "$REMINDER_PAGE/@$IDC_REMINDER_LUNAR" >/dev/null || fail "cannot tick 农历"
months_lunar() { items "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" | paste -sd'|' | grep -q '闰 6'; }
check "农历 turns the month list into lunar months" wait_until 10 months_lunar
check_eq "lunar months with their leap twins" \
    " 1| 2|闰 2| 3|闰 3| 4|闰 4| 5|闰 5| 6|闰 6| 7|闰 7| 8|闰 8| 9|闰 9|10|闰10|11|12" \
    "$(items "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" | paste -sd'|')"
check_eq "lunar days 初一 to 三十" "30 初一 初十 三十" \
    "$(items "$REMINDER_PAGE/@$IDC_REMINDER_DAY" | awk '{ d[NR] = $0 } END { print NR, d[1], d[10], d[30] }')"

# A Gregorian reminder too, to see the lunar one listed after it.
probe press "$REMINDER_PAGE/@$IDC_REMINDER_LUNAR" >/dev/null
months_plain() { [[ "$(items "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" | wc -l)" == 12 ]]; }
check "unticking brings the Gregorian months back" wait_until 10 months_plain
probe select "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" 11 >/dev/null
probe select "$REMINDER_PAGE/@$IDC_REMINDER_DAY" 30 >/dev/null
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT" 年末 >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_ADD" >/dev/null
wait_until 10 list_is "12/31  0: 0年末" || bed_failed "the Gregorian reminder was not added"

probe press "$REMINDER_PAGE/@$IDC_REMINDER_LUNAR" >/dev/null
wait_until 10 months_lunar || fail "no lunar months"
probe select "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" 10 >/dev/null # 闰 6
probe select "$REMINDER_PAGE/@$IDC_REMINDER_DAY" 9 >/dev/null  # 初十
probe select "$REMINDER_PAGE/@$IDC_REMINDER_HOUR" 8 >/dev/null
probe select "$REMINDER_PAGE/@$IDC_REMINDER_MINUTE" 0 >/dev/null
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT" 外婆生日 >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_ADD" >/dev/null
check "the lunar reminder is listed with its lunar date, after the Gregorian one" \
    wait_until 10 list_is "12/31  0: 0年末|农历闰6月初十  8: 0外婆生日"
bed_screenshot lunar-page >/dev/null
# Only the lunar one is saved, so that any red on the desktop's panel later is its own.
probe select "$REMINDER_PAGE/@$IDC_REMINDER_LIST" 0 >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_DELETE" >/dev/null
wait_until 10 list_is "农历闰6月初十  8: 0外婆生日" || bed_failed "the Gregorian one was not deleted"

probe click "$REMINDER_PAGE/@$IDC_REMINDER_SAVE" >/dev/null
check "LunarReminder.rem is written" wait_until 10 test -s "$lunar_rem"
expected=$BED_RUN/expected.rem
{ printf ' 6L10  8: 0外婆生日' | iconv -f UTF-8 -t GBK; head -c 81 /dev/zero; } >"$expected"
check "its bytes: the stamp with the leap mark, the GBK text, zeros to 100 bytes" \
    cmp "$expected" "$lunar_rem"
check_eq "Reminder.rem holds no lunar record" 0 "$(stat -c %s "$EDITORS_APP/res/Reminder.rem")"

# ---- 导出日历...: the iCalendar file, read back with python3-icalendar
ics=$BED_RUN/reminders.ics
probe click "$REMINDER_PAGE/@$IDC_REMINDER_EXPORT" >/dev/null
owned=$(probe wait-owned "$SHEET" 20) || fail "no file dialog"
dialog=${owned%% *}
probe set-text "$dialog/@$cmb13/ComboBox/Edit" "$(bed_winpath "$ics")" >/dev/null ||
    fail "no file name box"
probe press "$dialog/@IDOK" >/dev/null
check "the calendar file is written" wait_until 20 test -s "$ics"
first_events() {
    /usr/bin/python3 -c '
import sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
ev = [e for e in cal.walk("VEVENT") if str(e.get("SUMMARY")) == "外婆生日"]
print(len(ev) >= 10, all(len(list(e.walk("VALARM"))) == 1 for e in ev),
      " ".join(sorted(e.decoded("DTSTART").isoformat() for e in ev)[:2]))' "$1"
}
check_eq "dated events from today on, each with its alarm" \
    "True True 2025-08-03T08:00:00 2026-07-23T08:00:00" "$(first_events "$ics")"
close_sheet
editors_stop

# ---- lunavis again, a minute before the reminder on that lunar date
bed_faketime_set "2025-08-03 07:59:00"
editors_start lunavis2
red='$1 > 180 && $2 < 60 && $3 < 60'
panel_red() {
    local shot
    shot=$(bed_screenshot panel) && (($(desk_count_where "$shot" $DESK_REMINDER "$red") > 100))
}
check "the reminder panel shows the lunar reminder in red" wait_until 20 panel_red
panel=$(bed_screenshot panel-lunar)
check "no box before 08:00" not probe msgbox Reminder
# However long the start took on a busy machine, the due minute is a few seconds away now.
bed_faketime_set "2025-08-03 07:59:55"
box_shows() { [[ "$(probe msgbox Reminder 2>/dev/null | tr -d '\r')" == "$1" ]]; }
check "at 08:00 the box shows the reminder with today's date" \
    wait_until 60 box_shows " 8/ 3  8: 0外婆生日"
bed_screenshot lunar-box >/dev/null
probe click '#32770[Reminder]/@IDOK' >/dev/null || fail "cannot close the box"
no_box() { ! probe msgbox Reminder >/dev/null 2>&1; }
check "the box closes" wait_until 10 no_box
# The rest of the minute and the start of the next one bring no second box.
bed_faketime_set "2025-08-03 08:00:57"
clock_past() { [[ "$(probe text Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass 2>/dev/null | tr -d '\r')" == 08:01 ]]; }
check "the clock runs on into 08:01" wait_until 20 clock_past
desk_tick # a tick in 08:01 has run (one with a box would not return)
check "no second box" no_box
editors_stop lunavis2
bed_finish
