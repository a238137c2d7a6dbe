#!/usr/bin/env bash
# Reminders and user festivals inside the shell: Reminder.rem beside the background
# picture fills the red reminder panel and raises a topmost box for each reminder due in
# their minute, one after another, with the taskbar disabled while a box is open;
# Solar.rem and Lunch.rem add lines to the calendar text and, while their switches are on,
# to today's cell of the grid; detaching frees every copy with its log line; a BackImage
# folder too long for the file names loads nothing and breaks nothing.
# timeout: 360
BED_FAKETIME=${BED_FAKETIME:-"2027-03-10 09:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

bg='64 64 64'
red='$1 > 180 && $2 < 60 && $3 < 60'
data=$BED_RUN/data
mkdir -p "$data"

# record FILE SIZE TEXT: appends one record: the text in GBK, padded with NULs.
record() {
    local tmp=$BED_RUN/.record
    printf '%s' "$3" | iconv -f UTF-8 -t GBK >"$tmp" || fail "cannot encode $3"
    head -c $(($2 - $(stat -c %s "$tmp"))) /dev/zero >>"$tmp"
    cat "$tmp" >>"$1"
}

# count_log EXTENDED-REGEX: lines of the debug log that match.
count_log() { bed_debug_log | grep -cE -- "$1"; }

# The reminders fall due half an hour after the start; the faked clock jumps to just before
# once the library has attached, however long that took.
due=$(($(date -d "$BED_FAKETIME" +%s) / 60 * 60 + 1800))
stamp=$(printf '%2d/%2d %2d:%2d' $(date -d "@$due" '+%-m %-d %-H %-M'))
other=$(printf '%2d/%2d %2d:%2d' $(date -d "@$((due + 3 * 86400))" '+%-m %-d %-H %-M'))
record "$data/Reminder.rem" 100 "$stamp 第一个提醒"
record "$data/Reminder.rem" 100 "$stamp 第二个提醒"
record "$data/Reminder.rem" 100 "$other 以后的提醒"

desk_reg_defaults 2 0x404040 "$data/back.bmp" showOwnSolarFestivals=1 showOwnLunarFestivals=1
bed_shell_start

# ---------------------------------------------------------------- reminders
desk_attach
check_eq "Reminder.rem opened" 0 "$(count_log '^Open Reminder File fail!!$')"
shot=$(bed_screenshot reminders)
check "reminder panel in red" test "$(desk_count_where "$shot" $DESK_REMINDER "$red")" -gt 100
check_eq "no red outside the panel's column above the grid" 0 \
    "$(desk_count_where "$shot" 682 0 342 256 "$red")"
read -r _ _ _ caltext_bottom_before <<<"$(desk_bbox "$shot" $DESK_CALTEXT "$bg")"
# crop_cell SHOT NAME: today's cell of a screenshot as its own picture; prints its path.
crop_cell() {
    convert "$1" -crop "$(awk '{ print $3 "x" $4 "+" $1 "+" $2 }' <<<"$(desk_today_cell)")" \
        +repage "$BED_RUN/$2.png" && echo "$BED_RUN/$2.png"
}
cell_plain=$(crop_cell "$shot" cell-plain)

taskbar_enabled() { probe enabled Shell_TrayWnd | tr -d '\r'; }
check_eq "taskbar enabled before" 1 "$(taskbar_enabled)"
bed_faketime_set "@$((due - 3))"
wait_until 20 probe msgbox Reminder || fail "no reminder box"
check_eq "first box: the first reminder, prefix included" "$stamp 第一个提醒" \
    "$(probe msgbox Reminder | tr -d '\r')"
check_eq "taskbar disabled while the box is open" 0 "$(taskbar_enabled)"
bed_screenshot reminder-box >/dev/null
probe click '#32770[Reminder]/@IDOK' >/dev/null || fail "cannot close the box"
box_shows() { [[ "$(probe msgbox Reminder 2>/dev/null | tr -d '\r')" == "$1" ]]; }
wait_until 10 box_shows "$stamp 第二个提醒" || bed_failed "the second reminder of the minute follows"
check_eq "taskbar still disabled for the second box" 0 "$(taskbar_enabled)"
probe click '#32770[Reminder]/@IDOK' >/dev/null || fail "cannot close the second box"
no_box() { ! probe msgbox Reminder >/dev/null 2>&1; }
wait_until 10 no_box || bed_failed "no third box"
taskbar_is() { [[ "$(taskbar_enabled)" == "$1" ]]; }
wait_until 5 taskbar_is 1 || bed_failed "taskbar enabled again after the boxes"

lines=$(bed_debug_log | wc -l)
desk_detach
freed=$(bed_debug_log | tail -n +"$((lines + 1))")
check_eq "three reminders freed, each logged" 3 "$(grep -cE '^ [0-9]+,free self merry m_Reminder\[[0-9]+\]:[0-9a-f]+$' <<<"$freed")"
check_eq "no festival lines without festival files" 0 "$(grep -c 'm_SelfMerrySolar' <<<"$freed")"

# ---------------------------------------------------------------- user festivals
# The lunar date of today comes from the native lunacal of the tree CTest runs in.
lunacal=${LUNA_LUNACAL:-}
for candidate in "$PWD/../../tools/lunacal/lunacal" "$BED_SOURCE_DIR/build/native/tools/lunacal/lunacal"; do
    [[ -z "$lunacal" && -x "$candidate" ]] && lunacal=$candidate
done
solar_key=$(printf '%2d%2d' $(bed_now '+%-m %-d'))
record "$data/Solar.rem" 30 "${solar_key}自定阳历"
record "$data/Solar.rem" 30 "FFFF"
if [[ -x "$lunacal" ]]; then
    read -r _ _ lunar_month lunar_day _ <<<"$("$lunacal" export "$(bed_now +%F)" "$(bed_now +%F)")"
    record "$data/Lunch.rem" 30 "$(printf '%2d%2d' "$lunar_month" "$lunar_day")自定农历"
    lunar_entries=2
else
    bed_note "no lunacal at $lunacal: the lunar file holds only its end record"
    lunar_entries=1
fi
record "$data/Lunch.rem" 30 "FFFF"

desk_attach
shot=$(bed_screenshot festivals)
read -r _ _ _ caltext_bottom <<<"$(desk_bbox "$shot" $DESK_CALTEXT "$bg")"
check "calendar text longer by the festival lines ($caltext_bottom_before, then $caltext_bottom)" \
    test "$caltext_bottom" -gt $((caltext_bottom_before + 20))
cell_festive=$(crop_cell "$shot" cell-festive)
check "today's cell carries the festivals" \
    test "$(desk_diff "$cell_plain" "$cell_festive" 0 0 $DESK_CELL_W $DESK_ROW_H)" -gt 50

check_eq "switches off" 1 "$(desk_send_settings showOwnSolarFestivals=0 showOwnLunarFestivals=0)"
# The answer comes before the list view repaints: wait for the cell to lose its festivals.
cell_plain_again() {
    shot=$(bed_screenshot festivals-off)
    cell_off=$(crop_cell "$shot" cell-off)
    (($(desk_diff "$cell_plain" "$cell_off" 0 0 $DESK_CELL_W $DESK_ROW_H) == 0))
}
check "switches off: today's cell as without the files" wait_until 5 cell_plain_again
read -r _ _ _ caltext_bottom_off <<<"$(desk_bbox "$shot" $DESK_CALTEXT "$bg")"
check_eq "the calendar text keeps its festival lines" "$caltext_bottom" "$caltext_bottom_off"

lines=$(bed_debug_log | wc -l)
desk_detach
freed=$(bed_debug_log | tail -n +"$((lines + 1))")
longest=$((lunar_entries > 2 ? lunar_entries : 2))
check_eq "festival entries freed, one line per index" "$longest" \
    "$(grep -cE '^ [0-9]+,free self merry m_SelfMerrySolar\[[0-9]+\]:[0-9a-f]+,m_SelfMerryLunch\[[0-9]+\]:[0-9a-f]+$' <<<"$freed")"
check_eq "the reminders freed again" 3 "$(grep -c 'm_Reminder\[' <<<"$freed")"

# ---------------------------------------------------------------- a folder too long
# 259 bytes in all: a folder of 251 bytes, to which no file name fits a 260-byte path.
head=$(bed_winpath "$data")'\'
pad=$((251 - ${#head} - 1))
((pad > 0)) || fail "run folder too deep for this check"
long="$head$(printf 'd%.0s' $(seq $pad))\\back.bmp"
check_eq "BackImage of 259 bytes" 259 "${#long}"
desk_reg_clock BackImage REG_SZ "$long"
fails=$(count_log '^Open Reminder File fail!!$')
desk_attach
check_eq "the reminder file counts as not opened" $((fails + 1)) "$(count_log '^Open Reminder File fail!!$')"
shot=$(bed_screenshot long-folder)
check_eq "no reminders shown" 0 "$(desk_count_where "$shot" $DESK_REMINDER "$red")"
lines=$(bed_debug_log | wc -l)
desk_detach
check_eq "nothing to free" 0 "$(bed_debug_log | tail -n +"$((lines + 1))" | grep -c 'free self merry')"
check "the shell is still running" bed_alive shell
bed_finish
