#!/usr/bin/env bash
# The desktop backgrounds behind the overlay: the blue gradient read back row by row, a
# solid colour, a bitmap of another size stretched to the screen, the random colour and an
# unknown style (drawn as the picture); a settings record with another style switches at
# once and draws the overlay again, and so does UM_RELOADBACK, the picture changed.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2027-03-10 09:30:02"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
mkdir -p "$data"
# 300 x 200: red on the left, green on the right, bright above, dark below.
convert -size 150x100 xc:'rgb(200,0,0)' -size 150x100 xc:'rgb(0,200,0)' +append \
    \( -size 150x100 xc:'rgb(100,0,0)' -size 150x100 xc:'rgb(0,100,0)' +append \) -append \
    -type TrueColor "BMP3:$data/back.bmp" || fail "cannot make the test bitmap"

desk_reg_defaults 1 0 "$data/back.bmp"
bed_shell_start
desk_attach

# The list view ends where the taskbar begins.
read -r _ _ _ view_bottom <<<"$(probe rect "$DESK_VIEW" | tr -d '\r')"
((view_bottom > 600)) || fail "unexpected list view bottom $view_bottom"

# restyle NAME STYLE [COLOR]: a settings record with this background, then a screenshot in
# $shot.
restyle() {
    local before=$shot
    check_eq "CD_SETTINGS answers 1 ($1)" 1 \
        "$(desk_send_settings showSeconds=1 desktopStyle="$2" ${3:+desktopBackColor="$3"})"
    wait_until 15 left_third_changed "$before" "$1"
}

# repicture NAME: UM_RELOADBACK (the picture changed), then a screenshot in $shot.
repicture() {
    local before=$shot
    check_eq "UM_RELOADBACK answers 1 ($1)" 1 "$(probe send "$DESK_VIEW" UM_RELOADBACK | tr -d '\r')"
    # The rebuilt background reaches the screen with the next paint, after the answer.
    wait_until 15 left_third_changed "$before" "$1"
}

# left_third_changed BEFORE NAME: a new screenshot NAME (kept in $shot) differs from BEFORE
# in the left third.
left_third_changed() {
    shot=$(bed_screenshot "$2")
    (($(desk_diff "$1" "$shot" $DESK_LEFT) > 0))
}

# overlay_drawn SHOT: clock strip and calendar text carry white text, the grid yellow text.
overlay_drawn() {
    (($(desk_count_where "$1" $DESK_CLOCK "$DESK_WHITE") > 20)) &&
        (($(desk_count_where "$1" $DESK_CALTEXT "$DESK_WHITE") > 200)) &&
        (($(desk_count_where "$1" $DESK_GRID "$DESK_YELLOW") > 500))
}

# ---- gradient: every row of the column x = 320 down to the taskbar
shot=$(bed_screenshot gradient)
bad=$(desk_pixels "$shot" 320 0 1 "$view_bottom" | awk '
    { y = NR - 1; k = int((y + 2) / 3); want = k > 255 ? 0 : 255 - k
      if ($1 != 0 || $2 != 0 || $3 != want) { if (!n++) first = y ": " $0 " want " want } }
    END { print n + 0, first }')
check_eq "gradient rows: blue 255 - ceil(y/3), no red or green" 0 "${bad%% *}"
check_eq "row 0 pure blue" "0 0 255" "$(bed_pixel "$shot" 320 0)"
check_eq "rows 1 to 3 blue 254" "0 0 254|0 0 254|0 0 254" \
    "$(bed_pixel "$shot" 320 1)|$(bed_pixel "$shot" 320 2)|$(bed_pixel "$shot" 320 3)"
check_eq "row 597 blue 56" "0 0 56" "$(bed_pixel "$shot" 320 597)"
check "overlay over the gradient" overlay_drawn "$shot"

# ---- solid colour 0x336699 (red 0x99, green 0x66, blue 0x33)
restyle solid 2 0x336699
check_eq "solid: left third in the colour" 0 "$(desk_count_other "$shot" $DESK_LEFT '153 102 51')"
check_eq "solid: empty reminder panel in the colour" 0 \
    "$(desk_count_other "$shot" $DESK_REMINDER '153 102 51')"
check "overlay drawn again over the solid colour" overlay_drawn "$shot"

# ---- the bitmap, 300 x 200, stretched to 1024 x 768 (its halves meet at x 512, y 384)
restyle bitmap 0
check_eq "bitmap: bright red top left" "200 0 0" "$(bed_pixel "$shot" 100 300)"
check_eq "bitmap: dark red bottom left" "100 0 0" "$(bed_pixel "$shot" 100 600)"
check_eq "bitmap: red up to x 505" "200 0 0" "$(bed_pixel "$shot" 505 100)"
check_eq "bitmap: green from x 519" "0 200 0" "$(bed_pixel "$shot" 519 100)"
check_eq "bitmap: bright down to y 378" "200 0 0" "$(bed_pixel "$shot" 20 378)"
check_eq "bitmap: dark from y 390" "100 0 0" "$(bed_pixel "$shot" 20 390)"
check "overlay drawn again over the bitmap" overlay_drawn "$shot"

# ---- random colour: one colour everywhere, a new one on each rebuild
restyle random1 3
first=$(bed_pixel "$shot" 100 300)
check_eq "random: the left third in one colour" 0 "$(desk_count_other "$shot" $DESK_LEFT "$first")"
desk_later 3600 # the generator is seeded with the time in seconds
repicture random2
second=$(bed_pixel "$shot" 100 300)
check_eq "random again: one colour" 0 "$(desk_count_other "$shot" $DESK_LEFT "$second")"
check "a rebuild draws a new random colour ($first, then $second)" test "$first" != "$second"

# ---- a style the library does not know draws the picture, as the system page shows it
restyle unknown 7
check_eq "unknown style: the picture, bright red top left" "200 0 0" "$(bed_pixel "$shot" 100 300)"
check_eq "unknown style: the picture, green from x 519" "0 200 0" "$(bed_pixel "$shot" 519 100)"
check "overlay drawn on the picture" overlay_drawn "$shot"

# ---- a bitmap that does not load: the blank background too
desk_reg_clock BackImage REG_SZ "$(bed_winpath "$data/missing.bmp")"
repicture missing
check_eq "missing bitmap: blank background" 0 "$(desk_count_other "$shot" $DESK_LEFT '0 0 0')"

check "the shell is still running" bed_alive shell
bed_finish
