#!/usr/bin/env bash
# The overlay on a solid background: clock strip, calendar text and month grid in their
# rectangles, the rest untouched; the weekday header red and today's cell blue; a clock
# that changes from one second to the next, or only with the minute once a settings record
# hides the seconds; short copy-data records ignored; CD_SETTINGSQUIET without a redraw; a
# larger calendar font redrawing the grid; a clean detach that gives the list view its own
# painting back.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2027-03-10 09:30:02"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

bg='64 64 64'
desk_reg_defaults 2 0x404040 "$BED_RUN/data/back.bmp" # no data files in that folder
bed_shell_start
desk_attach
check_eq "list view subclassed" "view=1" "$(bed_shell subclassed | grep -o 'view=.')"
check "no reminder file: logged" bed_debug_log_has '^Open Reminder File fail!!$'

# ---- panels in their rectangles
shot=$(bed_screenshot overlay)
white=$DESK_WHITE
yellow=$DESK_YELLOW
red='$1 > 180 && $2 < 60 && $3 < 60'
blue='$3 > 180 && $1 < 60 && $2 < 60'
check "clock text in the clock colour" test "$(desk_count_where "$shot" $DESK_CLOCK "$white")" -gt 20
check "calendar text in the clock colour" \
    test "$(desk_count_where "$shot" $DESK_CALTEXT "$white")" -gt 200
check "month grid in the calendar colour" test "$(desk_count_where "$shot" $DESK_GRID "$yellow")" -gt 500
check "weekday header red" test "$(desk_count_where "$shot" $DESK_GRID_HEADER "$red")" -gt 50
check_eq "no red below the header" 0 "$(desk_count_where "$shot" 341 356 683 381 "$red")"
cell=$(desk_today_cell)
today_blue=$(desk_count_where "$shot" $cell "$blue")
check "today's cell blue ($cell)" test "$today_blue" -gt 20
check_eq "no blue outside today's cell" "$today_blue" "$(desk_count_where "$shot" $DESK_GRID "$blue")"
check_eq "left third untouched" 0 "$(desk_count_other "$shot" $DESK_LEFT "$bg")"
check_eq "empty reminder panel untouched" 0 "$(desk_count_other "$shot" $DESK_REMINDER "$bg")"
check_eq "nothing between the text and the grid's left edge" 0 \
    "$(desk_count_other "$shot" 0 256 341 400 "$bg")"

# ---- the clock strip follows the seconds
desk_next_minute
a=$(bed_screenshot second-a)
# region_changed FROM NAME REGION...: a new screenshot NAME differs from FROM in the region.
region_changed() {
    local from=$1 name=$2
    shift 2
    (($(desk_diff "$from" "$(bed_screenshot "$name")" "$@") > 0))
}
check "clock strip changed within a second" wait_until 3 region_changed "$a" second-b $DESK_CLOCK
b=$BED_RUN/second-b.png
check_eq "the calendar text stayed" 0 "$(desk_diff "$a" "$b" $DESK_CALTEXT)"
check_eq "the grid stayed" 0 "$(desk_diff "$a" "$b" $DESK_GRID)"
read -r l _ r _ <<<"$(desk_bbox "$b" $DESK_CLOCK "$bg")"
with_seconds=$((r - l))

# ---- a settings record with the seconds hidden
desk_next_minute
check_eq "CD_SETTINGS answered" 1 "$(desk_send_settings showSeconds=0)"
desk_tick
c=$(bed_screenshot no-seconds-a)
desk_later 20 # within the minute: the seconds no longer drawn, a tick changes nothing
desk_tick
d=$(bed_screenshot no-seconds-b)
check_eq "without seconds the clock stays within the minute" 0 "$(desk_diff "$c" "$d" $DESK_CLOCK)"
read -r l _ r _ <<<"$(desk_bbox "$d" $DESK_CLOCK "$bg")"
check "the clock text lost its seconds ($with_seconds, then $((r - l)) wide)" \
    test $((r - l)) -lt "$with_seconds"

# ---- records shorter than their size are ignored
short=$(desk_settings_hex showSeconds=1 | cut -c1-190) # 95 bytes
check_eq "a 95-byte settings record is answered" 1 \
    "$(probe copydata-hex "$DESK_VIEW" "$CD_SETTINGS" "$short" | tr -d '\r')"
check_eq "a 59-byte font is answered" 1 \
    "$(probe copydata-hex "$DESK_VIEW" "$CD_CALENDARFONT" "$(desk_font_hex -40 | cut -c1-118)" | tr -d '\r')"
check_eq "an empty payload is answered" 1 \
    "$(probe copydata-hex "$DESK_VIEW" "$CD_SETTINGSQUIET" '' | tr -d '\r')"
desk_next_minute
desk_tick
e=$(bed_screenshot short-records)
desk_later 20
desk_tick
f=$(bed_screenshot short-records-b)
check_eq "seconds still hidden after the short record" 0 "$(desk_diff "$e" "$f" $DESK_CLOCK)"
check_eq "grid unchanged by the short font" 0 "$(desk_diff "$d" "$f" $DESK_GRID)"

# ---- CD_SETTINGSQUIET: the record changes, nothing is redrawn until a tick does
desk_next_minute
check_eq "CD_SETTINGSQUIET answered" 1 \
    "$(probe copydata-hex "$DESK_VIEW" "$CD_SETTINGSQUIET" "$(desk_settings_hex calendarColor=0x00FF00)" | tr -d '\r')"
g=$(bed_screenshot quiet)
check_eq "quiet record: grid not redrawn" 0 "$(desk_diff "$f" "$g" $DESK_GRID)"
h=$(bed_screenshot quiet-later)
check "quiet record: the next ticks show the seconds again" \
    wait_until 3 region_changed "$h" quiet-later-b $DESK_CLOCK
i=$BED_RUN/quiet-later-b.png

# ---- a larger calendar font redraws the grid at once
check_eq "CD_CALENDARFONT answered" 1 \
    "$(probe copydata-hex "$DESK_VIEW" "$CD_CALENDARFONT" "$(desk_font_hex -40)" | tr -d '\r')"
# The answer comes before the list view repaints: wait for the new picture on the screen.
grid_redrawn() { (($(desk_diff "$i" "$(bed_screenshot big-font)" $DESK_GRID) > 500)); }
check "the grid was redrawn" wait_until 5 grid_redrawn
j=$BED_RUN/big-font.png
read -r _ t _ b <<<"$(desk_bbox "$i" $DESK_GRID_HEADER "$bg")"
read -r _ t2 _ b2 <<<"$(desk_bbox "$j" $DESK_GRID_HEADER "$bg")"
check "taller weekday names ($((b - t)), then $((b2 - t2)))" test $((b2 - t2)) -gt $((b - t))
green='$2 > 200 && $1 < 80 && $3 < 80'
check_eq "the quiet record's colour was not adopted" 0 "$(desk_count_where "$j" $DESK_GRID "$green")"
check "the grid still in the calendar colour" test "$(desk_count_where "$j" $DESK_GRID "$yellow")" -gt 500

# ---- detach: the list view paints itself again
desk_detach
check_eq "list view no longer subclassed" "view=0" "$(bed_shell subclassed | grep -o 'view=.')"
detach_lines() {
    bed_debug_log | grep -xE 'listview  prevwndproc handle:[0-9A-F]+|结束视图勾连|恢复视图进程(错误)?' |
        sed 's/:[0-9A-F]*$/:/' | tr '\n' '|'
}
check_eq "detach logged in order" "listview  prevwndproc handle:|结束视图勾连|恢复视图进程|" \
    "$(detach_lines)"
check_eq "shell repainted" ok "$(bed_shell repaint | tr -d '\r')"
k=$(bed_screenshot detached)
check_eq "the stand-in's own desktop colour is back" 0 \
    "$(desk_count_other "$k" $DESK_LEFT '58 110 165')"
check "the shell is still running" bed_alive shell
bed_finish
