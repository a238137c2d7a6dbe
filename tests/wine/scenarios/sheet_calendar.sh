#!/usr/bin/env bash
# The calendar page reaching the desktop: the festival switches change the month grid and are
# all five stored; switching them back restores the grid; a user festival switch alone is
# stored with the others as the boxes show them; a chosen colour is stored and drawn. The
# page says how far the holiday data goes.
# timeout: 300
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
mkdir -p "$data"
convert -size 64x64 xc:'rgb(40,40,40)' -type TrueColor "BMP3:$data/back.bmp" ||
    fail "cannot make the test bitmap"
desk_reg_defaults 0 0 "$data/back.bmp" # yellow calendar text on a dark picture
bed_shell_start
desk_attach

festivals() {
    for v in MerryCheckSolar MerryCheckLunch MerryCheckJieQi MerryCheckSelfSolar \
        MerryCheckSelfLunch; do
        sheet_reg "$KEY_DISPLAY" $v
    done | xargs
}

# The switches of the built-in festivals, lunar festivals and solar terms.
BUILT_IN_SWITCHES=("$IDC_CALENDAR_SOLAR" "$IDC_CALENDAR_LUNAR" "$IDC_CALENDAR_TERMS")
baseline=$(bed_screenshot baseline)

# OK without touching the calendar page: the grid stays as it is.
sheet_open
sheet_close OK
check "an untouched calendar page leaves the grid" \
    sheet_region_same "$baseline" "$(bed_screenshot untouched)" "$DESK_GRID"
check_eq "no festival value written without the page" "<absent>" \
    "$(sheet_reg "$KEY_DISPLAY" MerryCheckSolar)"

# The built-in festivals and solar terms off.
sheet_open
sheet_page 2 "$SHEET_CALENDAR"
check_eq "the page says how far the holiday data goes" "节假日安排已收录至 2026 年" \
    "$(probe text "$SHEET_CALENDAR/@$IDC_CALENDAR_HOLIDAY_NOTE" | tr -d '\r')"
bed_screenshot calendar-page >/dev/null
for id in "${BUILT_IN_SWITCHES[@]}"; do
    sheet_press "$SHEET_CALENDAR/@$id" 0
done
check "a festival switch enables Apply" sheet_apply_enabled
sheet_close OK
check_eq "all five festival values" "0x0 0x0 0x0 0x0 0x0" "$(festivals)"
check "the month grid lost its festivals and solar terms" \
    not sheet_region_same "$baseline" "$(bed_screenshot without)" "$DESK_GRID"

# Back on: the grid is as before.
sheet_open
sheet_page 2 "$SHEET_CALENDAR"
check_eq "the page shows the stored switches" "0 0 0" \
    "$(for id in "${BUILT_IN_SWITCHES[@]}"; do sheet_state "$SHEET_CALENDAR/@$id"; done | xargs)"
for id in "${BUILT_IN_SWITCHES[@]}"; do
    sheet_press "$SHEET_CALENDAR/@$id" 1
done
sheet_close OK
check_eq "built-in festivals back on" "0x1 0x1 0x1 0x0 0x0" "$(festivals)"
check "the month grid is as before" \
    sheet_region_same "$baseline" "$(bed_screenshot with)" "$DESK_GRID"

# The user's lunar festivals alone.
sheet_open
sheet_page 2 "$SHEET_CALENDAR"
sheet_press "$SHEET_CALENDAR/@$IDC_CALENDAR_OWN_LUNAR" 1
sheet_close OK
check_eq "MerryCheckSelfLunch with the others as shown" "0x1 0x1 0x1 0x0 0x1" "$(festivals)"

# The calendar colour.
sheet_open
sheet_page 2 "$SHEET_CALENDAR"
sheet_choose_color "$SHEET_CALENDAR/@$IDC_CALENDAR_COLOR" 255 0 0
sheet_close OK
check_eq "FontColor of the calender key" 0xff "$(sheet_reg "$KEY_CALENDER" FontColor)"
check_eq "the clock colour is not touched" 0xffffff "$(sheet_reg "$KEY_CLOCK" FontColor)"
red() { (($(desk_count_where "$(bed_screenshot red)" $DESK_GRID "$SHEET_RED") > 500)); }
check "the month grid is drawn in red" wait_until 5 red

bed_finish
