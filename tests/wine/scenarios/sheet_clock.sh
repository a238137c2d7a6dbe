#!/usr/bin/env bash
# The clock page reaching the desktop: a 12-hour clock with AM/PM, a custom time separator and
# no seconds is stored and drawn at once; a typed date separator whose box is unticked again
# is not stored; a chosen font and colour are stored and drawn; a font dialog cancelled after
# an earlier choice writes no font; a colour chosen before the sheet's Cancel is not stored
# but travels with the next settings message.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2027-03-10 09:30:02"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
mkdir -p "$data"
convert -size 64x64 xc:'rgb(40,40,40)' -type TrueColor "BMP3:$data/back.bmp" ||
    fail "cannot make the test bitmap"
desk_reg_defaults 0 0 "$data/back.bmp" # white clock text, seconds shown, a dark picture
bed_shell_start
desk_attach

# --- the format
sheet_open
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_HOUR12" 1
check_eq "AM/PM enabled and ticked" "1 1" \
    "$(sheet_enabled "$SHEET_CLOCK/@$IDC_CLOCK_AMPM") $(sheet_state "$SHEET_CLOCK/@$IDC_CLOCK_AMPM")"
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_SECONDS" 0
sheet_type "$SHEET_CLOCK/@$IDC_CLOCK_TIME_SEP" "-"
sheet_type "$SHEET_CLOCK/@$IDC_CLOCK_DATE_SEP" "."
sheet_press "$SHEET_CLOCK/@$IDC_CLOCK_CUSTOM_DATE_SEP" 0
desk_next_minute
desk_tick
before=$(bed_screenshot format-before)
sheet_close OK
# The record reaches the desktop before the sheet is gone: the tick's repaint shows it.
desk_tick
after=$(bed_screenshot format-after)
check "the clock strip changed at once" not sheet_region_same "$before" "$after" "$DESK_CLOCK"
desk_later 20 # within the minute: the seconds no longer drawn, a tick changes nothing
desk_tick
later=$(bed_screenshot format-later)
check "without seconds the clock strip stands still" sheet_region_same "$after" "$later" \
    "$DESK_CLOCK"
check_eq "DisPlayTime12" 0x1 "$(sheet_reg "$KEY_DISPLAY" DisPlayTime12)"
check_eq "DaySparator" 0x1 "$(sheet_reg "$KEY_DISPLAY" DaySparator)"
check_eq "DisPlaySecond" 0x0 "$(sheet_reg "$KEY_DISPLAY" DisPlaySecond)"
check_eq "TimeSparator" "-" "$(sheet_reg "$KEY_DISPLAY" TimeSparator)"
check_eq "an unticked date separator is not stored" "<absent>" \
    "$(sheet_reg "$KEY_DISPLAY" DateSeparator)"
check_eq "the other display values are written" "0x4 0x1 0x1 0x1" \
    "$(for v in DisPlayYear DisPlayMonth DisPlayDate DisPlayStyle; do
        sheet_reg "$KEY_DISPLAY" $v
    done | xargs)"

# --- font and colour
white_height=$(sheet_height "$later" "$DESK_CLOCK" "$SHEET_WHITE")
sheet_open
sheet_choose_font "$SHEET_CLOCK/@$IDC_CLOCK_FONT" "文泉驿微米黑" "粗体" 36
sheet_choose_color "$SHEET_CLOCK/@$IDC_CLOCK_COLOR" 255 0 0
sheet_close OK
check_eq "FontName" "文泉驿微米黑" "$(sheet_reg "$KEY_CLOCK" FontName)"
check_eq "FontSize in whole points" 0x24 "$(sheet_reg "$KEY_CLOCK" FontSize)"
check_eq "FontWeight" 0x2bc "$(sheet_reg "$KEY_CLOCK" FontWeight)"
check_eq "Bolt" 0x1 "$(sheet_reg "$KEY_CLOCK" Bolt)"
check_eq "Charset" 0x86 "$(sheet_reg "$KEY_CLOCK" Charset)"
check_eq "Italic" 0x0 "$(sheet_reg "$KEY_CLOCK" Italic)"
check_eq "UnderLine" 0x0 "$(sheet_reg "$KEY_CLOCK" UnderLine)"
check_eq "FontColor" 0xff "$(sheet_reg "$KEY_CLOCK" FontColor)"
wait_until 5 eval '(($(desk_count_where "$(bed_screenshot font)" $DESK_CLOCK "$SHEET_RED") > 100))'
shot=$BED_RUN/font.png
check "the clock is drawn in red" test "$(desk_count_where "$shot" $DESK_CLOCK "$SHEET_RED")" -gt 100
red_height=$(sheet_height "$shot" "$DESK_CLOCK" "$SHEET_RED")
check "the clock is drawn in the larger font ($white_height -> $red_height rows)" \
    test "$red_height" -gt $((white_height + 8))

# --- a font chosen, then a second font dialog cancelled: no font is written
sheet_open
sheet_choose_font "$SHEET_CLOCK/@$IDC_CLOCK_FONT" "文泉驿微米黑" "常规" 12
sheet_cancel_dialog "$SHEET_CLOCK/@$IDC_CLOCK_FONT"
sheet_close OK
check_eq "FontSize kept" 0x24 "$(sheet_reg "$KEY_CLOCK" FontSize)"
check_eq "FontWeight kept" 0x2bc "$(sheet_reg "$KEY_CLOCK" FontWeight)"

# --- a colour chosen, the sheet cancelled: not stored, but sent with the next settings
sheet_open
sheet_choose_color "$SHEET_CLOCK/@$IDC_CLOCK_COLOR" 0 255 0
sheet_close CANCEL
check_eq "FontColor kept after Cancel" 0xff "$(sheet_reg "$KEY_CLOCK" FontColor)"
shot=$(bed_screenshot cancelled)
check "the clock stays red after Cancel" test \
    "$(desk_count_where "$shot" $DESK_CLOCK "$SHEET_RED")" -gt 100
sheet_open
sheet_close OK
check_eq "FontColor still kept" 0xff "$(sheet_reg "$KEY_CLOCK" FontColor)"
wait_until 5 eval '(($(desk_count_where "$(bed_screenshot green)" $DESK_CLOCK "$SHEET_GREEN") > 100))'
check "the next settings message carries the green chosen before" test \
    "$(desk_count_where "$BED_RUN/green.png" $DESK_CLOCK "$SHEET_GREEN")" -gt 100

bed_finish
