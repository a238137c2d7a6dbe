#!/usr/bin/env bash
# Time as it really passes, on a faked clock: at midnight on 31 December the grid shows the
# new January and at midnight on the eve of Spring Festival the text and today's mark move,
# both within two seconds; a reminder due at the next minute is shown once; a reminder whose
# second 0 no tick ever samples is still shown, once; after the clock is set forward within
# the day the new double hour shows at once; after a resume on a later day the new date
# shows and today's reminders that fell due during the sleep are shown once each, in order,
# while yesterday's are not.
# timeout: 540
BED_FAKETIME="2026-12-31 12:00:00"
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe "app/$BED_HOOK_DLL"
bed_init

blue='$3 > 180 && $1 < 60 && $2 < 60'
yellow=$DESK_YELLOW
data=$BED_RUN/data
mkdir -p "$data"

# reminder TEXT: appends a 100-byte record to Reminder.rem (GBK, padded with NULs).
reminder() {
    local tmp=$BED_RUN/.record
    printf '%s' "$1" | iconv -f UTF-8 -t GBK >"$tmp" || fail "cannot encode $1"
    head -c $((100 - $(stat -c %s "$tmp"))) /dev/zero >>"$tmp"
    cat "$tmp" >>"$data/Reminder.rem"
}
reminder ' 2/ 6  0: 0 春节零点'   # due at the midnight after the eve
reminder ' 2/ 6  9: 0 跳过零秒'   # its second 0 is jumped over
reminder ' 2/ 6 15: 0 昨天的提醒' # slept through on the day before the resume: never shown
reminder ' 2/ 7  8: 0 睡眠中一'   # slept through on the day of the resume: shown first
reminder ' 2/ 7 12:59 睡眠中二'   # and second
reminder ' 2/ 7 13:30 以后的提醒' # still ahead after the resume

desk_reg_defaults 2 0x404040 "$data/back.bmp"
bed_shell_start
desk_attach

# ---------------------------------------------------------------- the faked clock
# jump_to "YYYY-MM-DD hh:mm:ss": every Wine process's clock jumps there and runs on.
jump_to() { bed_faketime_set "$1"; }
# fake_now: the faked clock in seconds since the epoch (real time plus the bed's offset).
fake_now() { awk -v n="$(date +%s.%N)" -v o="$(cat "$BED_FAKETIME_FILE")" 'BEGIN { printf "%.3f", n + o }'; }
fake_before() { awk -v a="$(fake_now)" -v b="$(date -d "$1" +%s)" 'BEGIN { exit !(a < b) }'; }
# wait_fake "YYYY-MM-DD hh:mm:ss": until the faked clock has passed that moment.
wait_fake() { wait_until 30 not fake_before "$1" || fail "the faked clock never reached $1"; }

blue_in() { desk_count_where "$1" $(desk_cell_of "$2") "$blue"; }
marked() {
    local shot
    shot=$(bed_screenshot .mark-probe) && (($(blue_in "$shot" "$1") > 20))
}
# today_marked SHOT DATE: the date's cell is blue and no other cell is.
today_marked() {
    local inside
    inside=$(blue_in "$1" "$2")
    ((inside > 20)) && ((inside == $(desk_count_where "$1" $DESK_GRID "$blue")))
}

# ---------------------------------------------------------------- reminder boxes
box_text() { probe msgbox Reminder 2>/dev/null | tr -d '\r'; }
# next_box TEXT: the next box shows this reminder; it is closed and gone.
next_box() {
    check "box: $1" wait_until 20 box_is "$1"
    probe click '#32770[Reminder]/@IDOK' >/dev/null || fail "cannot close the box (it shows \"$(box_text)\")"
    wait_until 10 box_other_than "$1" || bed_failed "the box for \"$1\" closes"
}
box_is() { [[ "$(box_text)" == "$1" ]]; }
# box_other_than TEXT: no box (no text), or one with another text.
box_other_than() { [[ "$(box_text)" != "$1" ]]; }

# midnight_check NAME DAY NEXT-DAY: jumps to six seconds before the midnight after DAY and
# shows the text, the grid and today's mark before and two seconds after it.
midnight_check() {
    jump_to "$2 23:59:54"
    wait_until 10 marked "$2" || bed_failed "$1: today's mark on $2 before midnight"
    local before after
    before=$(bed_screenshot "$1-before")
    fake_before "$3 00:00:00" || bed_note "$1: the screenshot before midnight came late"
    wait_fake "$3 00:00:02"
    after=$(bed_screenshot "$1-after")
    check "$1: today's mark moved to $3 within 2 s" today_marked "$after" "$3"
    check "$1: the calendar text changed within 2 s" \
        test "$(desk_diff "$before" "$after" $DESK_CALTEXT)" -gt 100
    MIDNIGHT_BEFORE=$before
    MIDNIGHT_AFTER=$after
}

# ---------------------------------------------------------------- 31 December
midnight_check new-year 2026-12-31 2027-01-01
# December 2026 starts on a Tuesday and fills five rows; January 2027 starts on a Friday
# and needs a sixth, whose first cell holds the 31st.
sixth_row='341 706 97 30'
check_eq "December: no sixth row" 0 "$(desk_count_where "$MIDNIGHT_BEFORE" $sixth_row "$yellow")"
check "January: the 31st in the sixth row" \
    test "$(desk_count_where "$MIDNIGHT_AFTER" $(desk_cell_of 2027-01-31) "$yellow")" -gt 10

# ---------------------------------------------------------------- the eve of Spring Festival
midnight_check spring-festival 2027-02-05 2027-02-06
next_box ' 2/ 6  0: 0 春节零点'

# ---------------------------------------------------------------- second 0 never sampled
# The shell's clock goes from 08:59:57 to 09:00:01 at once: no tick can see 09:00:00.
jump_to "2027-02-06 08:59:57"
wait_fake "2027-02-06 08:59:58"
jump_to "2027-02-06 09:00:01"
next_box ' 2/ 6  9: 0 跳过零秒'

# ---------------------------------------------------------------- set forward within the day
before=$(bed_screenshot double-hour-before)
jump_to "2027-02-06 11:20:00"
probe post Progman 0x1E >/dev/null # WM_TIMECHANGE, as Windows broadcasts it
# caltext_changed: a new screenshot shows another calendar text.
caltext_changed() {
    (($(desk_diff "$before" "$(bed_screenshot double-hour-after)" $DESK_CALTEXT) > 50))
}
check "the new double hour shows within 3 s" wait_until 3 caltext_changed
after=$BED_RUN/double-hour-after.png
check "the date mark stayed" today_marked "$after" 2027-02-06
check "the shell passed the time change on" \
    bed_wait_file_line "$BED_SHELL_LOG" '^time-broadcast msg=0x1[eE] ' 10
check "the list view heard of it" bed_wait_debug_log '^time change: redrawn for 2027-02-06 11:20' 10

# ---------------------------------------------------------------- resume on the next day
jump_to "2027-02-07 13:05:00"
probe post Progman 0x218 0x12 >/dev/null # WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC
wait_fake "2027-02-07 13:05:02"
after=$(bed_screenshot resume)
check "after the resume today's mark is on 7 February within 2 s" today_marked "$after" 2027-02-07
next_box ' 2/ 7  8: 0 睡眠中一'
next_box ' 2/ 7 12:59 睡眠中二'
check "the resume was handled" bed_wait_debug_log '^resume: redrawn for 2027-02-07 13:0' 10
check "no further box: yesterday's stays unshown, the later one is still ahead" \
    not wait_until 3 probe msgbox Reminder
check "the shell is still running" bed_alive shell
bed_finish
