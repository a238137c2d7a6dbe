#!/usr/bin/env bash
# The system page's background: "纯色" with a colour from the colour dialog, then "渐变色",
# each stored and drawn at once (the settings record carries them); a cancelled colour dialog falls back
# to "图片背景"; a bitmap from the file dialog is stored while the desktop keeps its style, and
# shows once "图片背景" is chosen; an unchanged style writes no background value.
# timeout: 300
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
mkdir -p "$data"
convert -size 64x64 xc:'rgb(40,40,40)' -type TrueColor "BMP3:$data/back.bmp" &&
    convert -size 64x64 xc:'rgb(255,0,255)' -type TrueColor "BMP3:$data/magenta.bmp" ||
    fail "cannot make the test bitmaps"
desk_reg_defaults 0 0 "$data/back.bmp"
bed_shell_start
desk_attach

# A background pixel: left of the grid, below the icons.
backdrop() { bed_pixel "$(bed_screenshot "$1")" 150 "${2:-500}"; }
backdrop_is() { [[ $(backdrop "$1" "${3:-500}") == "$2" ]]; }
check "the picture at start" backdrop_is start "40 40 40"

# Solid colour.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
probe press "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_SOLID" >/dev/null
dialog=$(sheet_dialog)
probe set-text "$dialog/@$COLOR_RED" 0 >/dev/null
probe set-text "$dialog/@$COLOR_GREEN" 128 >/dev/null
probe set-text "$dialog/@$COLOR_BLUE" 0 >/dev/null
probe press "$dialog/@IDOK" >/dev/null
sheet_dialog_done "$dialog"
sheet_close OK
check_eq "DeskTopStyle solid" 0x2 "$(sheet_reg "$KEY_DISPLAY" DeskTopStyle)"
check_eq "DeskTopBackColor" 0x8000 "$(sheet_reg "$KEY_DISPLAY" DeskTopBackColor)"
check "the desktop turns solid green at once" wait_until 5 backdrop_is solid "0 128 0"

# Gradient.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
check_eq "the page shows the solid style" 1 \
    "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_SOLID")"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_GRADIENT" 1
sheet_close OK
check_eq "DeskTopStyle gradient" 0x1 "$(sheet_reg "$KEY_DISPLAY" DeskTopStyle)"
check "the green is gone" wait_until 5 not backdrop_is gradient "0 128 0"
shot=$BED_RUN/gradient.png
check "a gradient: the top differs from the bottom" \
    test "$(bed_pixel "$shot" 150 120)" != "$(bed_pixel "$shot" 150 690)"

# The colour dialog cancelled: back to the picture button, whatever was ticked.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_RANDOM" 1
probe press "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_SOLID" >/dev/null
dialog=$(sheet_dialog)
probe press "$dialog/@IDCANCEL" >/dev/null
sheet_dialog_done "$dialog"
check_eq "picture ticked after a cancelled colour" 1 \
    "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_PICTURE")"
check_eq "solid and random unticked" "0 0" \
    "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_SOLID") $(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_RANDOM")"
sheet_close CANCEL
check_eq "Cancel keeps the gradient" 0x1 "$(sheet_reg "$KEY_DISPLAY" DeskTopStyle)"

# A bitmap chosen while the gradient stays.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_choose_file "$SHEET_SYSTEM/@$IDC_SYSTEM_BITMAP" "$data/magenta.bmp"
check "a chosen bitmap enables Apply" sheet_apply_enabled
check_eq "choosing a bitmap does not tick the picture" 0 \
    "$(sheet_state "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_PICTURE")"
sheet_close OK
check_eq "BackImage" "$(bed_winpath "$data/magenta.bmp")" "$(sheet_reg "$KEY_CLOCK" BackImage)"
check_eq "the style stays gradient" 0x1 "$(sheet_reg "$KEY_DISPLAY" DeskTopStyle)"
check "the desktop keeps its gradient" not backdrop_is keep "255 0 255"

# An unchanged style writes nothing of the background, and nothing else changed either.
bed_wine reg delete "$KEY_DISPLAY" /v DeskTopStyle /f >/dev/null 2>&1
bed_wine reg delete "$KEY_CLOCK" /v AutoStart /f >/dev/null 2>&1
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_close OK
check_eq "an unchanged style is not written" "<absent>" "$(sheet_reg "$KEY_DISPLAY" DeskTopStyle)"
check_eq "nor is an unchanged autostart" "<absent>" "$(sheet_reg "$KEY_CLOCK" AutoStart)"

# The picture style shows the chosen bitmap.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_press "$SHEET_SYSTEM/@$IDC_SYSTEM_STYLE_PICTURE" 1
sheet_close OK
check_eq "DeskTopStyle picture" 0x0 "$(sheet_reg "$KEY_DISPLAY" DeskTopStyle)"
check "the desktop shows the chosen bitmap" wait_until 5 backdrop_is picture "255 0 255"

bed_finish
