#!/usr/bin/env bash
# The desktop at the common screen sizes, in Wine's virtual desktop whose size
# ChangeDisplaySettingsExW sets while everything runs: the stand-in shell follows each
# change, lunahook rebuilds its picture at the new size without a restart, and in a
# six-week month and a five-week one the month grid's last week lies above the taskbar,
# the clock in its strip. A shrink to 800x600 last.
# timeout: 600
BED_SCREEN=${BED_SCREEN:-3840x2160}          # room for the largest virtual desktop
BED_FAKETIME=${BED_FAKETIME:-"2027-01-15 10:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe "app/$BED_HOOK_DLL" tests/tools/displaymode/displaymode.exe
bed_init

# Every program runs inside one virtual desktop window (at the root's top left corner).
desk_reg_defaults 2 0x404040 "$BED_RUN/none.bmp" \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"'
"$BED_WINESERVER" -k # reg started a desktop of the old kind: the next program starts the new one
timeout 30 "$BED_WINESERVER" -w
bed_shell_start
desk_attach

W=1024 H=768 TASKBAR=30
screen_mode() { bed_wine "$BED_WIN64/tests/tools/displaymode/displaymode.exe" "$@" | tr -d '\r'; }
grid_row() { # the row height the grid uses for WEEKS weeks at W x H (and a third of it for
    # the title row above the weekday names)
    local rh=$((2 * W / 3 / 9)) room=$((H - TASKBAR - H / 3))
    ((rh * ($1 + 1) + rh / 3 > room)) && rh=$((3 * room / (3 * ($1 + 1) + 1)))
    echo "$rh"
}
# cell_yellow PNG WEEKS ROW COLUMN: pixels of the calendar colour in a cell of the grid of a
# month of WEEKS weeks (row 0 holds the weekday names, below the title row)
cell_yellow() {
    local rh cw
    rh=$(grid_row "$2")
    cw=$((2 * W / 3 / 7))
    desk_count_where "$1" $((W / 3 + $4 * cw)) $((H / 3 + rh / 3 + $3 * rh)) "$cw" "$rh" \
        "$DESK_YELLOW"
}
clock_white() { desk_count_where "$1" $((2 * W / 3)) 0 $((W / 3)) $((H / 18)) "$DESK_WHITE"; }
# month_drawn NAME YYYY-MM: the grid shows that month: its 1st in its column of the first
# week (the cell before it empty), its last day in its column of the last week; the clock in
# its strip. Today (the 15th) is blue, in neither of those weeks.
month_drawn() {
    local shot first days weeks
    shot=$(bed_screenshot "$1") || return 1
    first=$(date -d "$2-01" +%w)
    days=$(date -d "$2-01 +1 month -1 day" +%-d)
    weeks=$(((first + days + 6) / 7))
    (($(cell_yellow "$shot" "$weeks" 1 "$first") > 20)) || return 1
    ((first == 0 || $(cell_yellow "$shot" "$weeks" 1 $((first - 1))) == 0)) || return 1
    (($(cell_yellow "$shot" "$weeks" "$weeks" $(((first + days - 1) % 7))) > 20)) || return 1
    (($(clock_white "$shot") > 20))
}
resized_to() { bed_debug_log_has "^desktop resized $1\$"; }

# Each size with a six-week month, then a five-week one. The faked clock only moves on: a
# jump back did not reach the desktop's clock when tried here, and Wine refreshes a
# process's display settings only when they were written later than it last read them.
while read -r size six five; do
    if [[ $size != "$W"x"$H" ]]; then
        check_eq "display mode $size set" "result 0" "$(screen_mode ${size/x/ })"
        wait_until 30 resized_to "$size" || bed_failed "lunahook did not follow the change to $size"
        W=${size%x*} H=${size#*x}
        check_match "the shell followed: $size" "display ${size}" "$(grep '^display' "$BED_SHELL_LOG" | tail -n1)"
    fi
    for month in $six $five; do
        bed_faketime_set "$month-15 10:00:00"
        wait_until 30 month_drawn "$size-$month" "$month" ||
            bed_failed "$size, $month: not every week above the taskbar"
    done
    [[ -n $five ]] && check_eq "$size, $five: no sixth row" 0 \
        "$(cell_yellow "$BED_RUN/$size-$five.png" 5 6 0)"
done <<'MONTHS'
1024x768 2027-01 2027-02
1366x768 2027-05 2027-06
1920x1080 2027-10 2027-11
2560x1440 2028-01 2028-02
3840x2160 2028-04 2028-05
800x600 2028-07
MONTHS
bed_finish
