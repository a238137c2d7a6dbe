#!/usr/bin/env bash
# The desktop at the common screen sizes, in Wine's virtual desktop whose size
# ChangeDisplaySettingsExW sets while everything runs: the stand-in shell follows each
# change, lunahook rebuilds its picture at the new size without a restart, and in a
# six-week month (January 2027) and a five-week one (February 2027) the month grid's last
# week lies above the taskbar, the clock in its strip. A shrink to 800x600 last.
# timeout: 600
BED_SCREEN=${BED_SCREEN:-3840x2160}          # room for the largest virtual desktop
BED_FAKETIME=${BED_FAKETIME:-"2027-01-10 10:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe hook/lunahook.dll tools/displaymode/displaymode.exe
bed_init

# Every program runs inside one virtual desktop window (at the root's top left corner).
desk_reg_defaults_at_once 2 0x404040 "$BED_RUN/none.bmp" \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"'
"$BED_WINESERVER" -k # reg started a desktop of the old kind: the next program starts the new one
timeout 30 "$BED_WINESERVER" -w
bed_shell_start
desk_attach

W=1024 H=768 TASKBAR=30
screen_mode() { bed_wine "$BED_WIN64/tools/displaymode/displaymode.exe" "$@" | tr -d '\r'; }
grid_row() { # the row height the grid uses for WEEKS weeks at W x H
    local rh=$((2 * W / 3 / 9)) room=$((H - TASKBAR - H / 3))
    ((rh * ($1 + 1) > room)) && rh=$((room / ($1 + 1)))
    echo "$rh"
}
# cell_yellow PNG WEEKS ROW COLUMN: pixels of the calendar colour in a cell of the grid of a
# month of WEEKS weeks (row 0 holds the weekday names)
cell_yellow() {
    local rh cw
    rh=$(grid_row "$2")
    cw=$((2 * W / 3 / 7))
    desk_count_where "$1" $((W / 3 + $4 * cw)) $((H / 3 + $3 * rh)) "$cw" "$rh" "$DESK_YELLOW"
}
clock_white() { desk_count_where "$1" $((2 * W / 3)) 0 $((W / 3)) $((H / 18)) "$DESK_WHITE"; }
# month_drawn NAME WEEKS FIRST-COLUMN: the grid shows the month whose 1st lies in that column
# of the first week (the cell before it empty), its last week's first cell shows its day
# (31 January 2027 is a Sunday in row 6, 28 February in row 5), the clock is in its strip.
month_drawn() {
    local shot
    shot=$(bed_screenshot "$1") || return 1
    (($(cell_yellow "$shot" "$2" 1 "$3") > 20 && $(cell_yellow "$shot" "$2" 1 $(($3 - 1))) == 0 &&
        $(cell_yellow "$shot" "$2" "$2" 0) > 20 && $(clock_white "$shot") > 20))
}
resized_to() { bed_debug_log_has "^desktop resized $1\$"; }

# Each size a day later: Wine refreshes a process's display settings only when their
# registry key was written later than it last read them, so the faked clock must not go back
# past an earlier change.
day=10
for size in 1024x768 1366x768 1920x1080 2560x1440 3840x2160 800x600; do
    if [[ $size != "$W"x"$H" ]]; then
        check_eq "display mode $size set" "result 0" "$(screen_mode ${size/x/ })"
        wait_until 30 resized_to "$size" || bed_failed "lunahook did not follow the change to $size"
        W=${size%x*} H=${size#*x}
        check_match "the shell followed: $size" "display ${size}" "$(grep '^display' "$BED_SHELL_LOG" | tail -n1)"
    fi
    bed_faketime_set "2027-01-$day 10:00:00"
    wait_until 30 month_drawn "six-weeks-$size" 6 5 ||
        bed_failed "$size, January 2027: the sixth week is not above the taskbar"
    if [[ $size == 800x600 ]]; then
        break # a shrink: the picture follows; one month is enough
    fi
    bed_faketime_set "2027-02-$day 10:00:00"
    wait_until 30 month_drawn "five-weeks-$size" 5 1 ||
        bed_failed "$size, February 2027: the fifth week is not above the taskbar"
    shot=$BED_RUN/five-weeks-$size.png
    check_eq "$size, February 2027: no sixth row" 0 "$(cell_yellow "$shot" 5 6 0)"
    day=$((day + 1))
done
bed_finish
