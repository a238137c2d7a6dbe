#!/usr/bin/env bash
# Photos on a 1920x1080 desktop: a PNG with a transparent strip and a JPEG stored turned a
# quarter with its orientation recorded, each under the five placements (DeskTopFit), read
# at a few points while the clock, the calendar text and the grid stay where they were. The
# system page refuses a PNG that claims 100000x100000 pixels, saying why; given to the
# desktop anyway, it and a truncated JPEG, an empty file and a folder leave the background
# colour, and the shell runs on.
# timeout: 400
export BED_SCREEN=${BED_SCREEN:-1920x1080}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

# 400x300 in four quarters: red, green above; blue, grey below. The PNG's left 20 columns
# are transparent; the JPEG is stored turned anticlockwise with orientation 6 (turn it back).
data=$BED_RUN/data
mkdir -p "$data"
convert -size 200x150 xc:'rgb(200,0,0)' -size 200x150 xc:'rgb(0,200,0)' +append \
    \( -size 200x150 xc:'rgb(0,0,200)' -size 200x150 xc:'rgb(100,100,100)' +append \) -append \
    "$data/quarters.png" &&
    convert "$data/quarters.png" -alpha set -region 20x300+0+0 -alpha transparent +region \
        "PNG32:$data/photo.png" &&
    convert "$data/quarters.png" -rotate -90 -quality 95 "$data/stored.jpg" ||
    fail "cannot make the test pictures"
# The orientation goes into an Exif block of its own, right after the start of the image.
python3 - "$data/stored.jpg" "$data/photo.jpg" <<'EOF' || fail "cannot tag the JPEG"
import struct, sys
exif = b"Exif\0\0MM\0*" + struct.pack(">IHHHIHH", 8, 1, 0x112, 3, 1, 6, 0) + b"\0\0\0\0"
jpeg = open(sys.argv[1], "rb").read()
open(sys.argv[2], "wb").write(jpeg[:2] + b"\xff\xe1" + struct.pack(">H", len(exif) + 2) + exif + jpeg[2:])
EOF
head -c $(($(stat -c %s "$data/photo.jpg") / 2)) "$data/photo.jpg" >"$data/cut.jpg"
: >"$data/empty.png"
mkdir -p "$data/folder.png"
python3 - "$data/huge.png" <<'EOF' || fail "cannot make the oversized PNG"
import struct, sys, zlib
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
ihdr = struct.pack(">IIBBBBB", 100000, 100000, 8, 2, 0, 0, 0)
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
                              chunk(b"IDAT", zlib.compress(b"\0" * 3000)) + chunk(b"IEND", b""))
EOF

# Panels at 1920x1080: the clock (2W/3, 0)-(W, H/18), the calendar text (2W/3, H/18)-(W, H/3),
# the grid (W/3, H/3)-(W, H) above the taskbar.
DESK_CLOCK='1280 0 640 60'
CALTEXT='1280 60 640 300'
GRID='640 360 1280 690'

BACK='64 64 64' # the background colour, 0x404040
desk_reg_defaults 0 0x404040 "$data/photo.png"
bed_shell_start
desk_attach
# place NAME FIT: DeskTopFit, then UM_RELOADBACK (the picture changed); the screenshot in
# $shot once the desktop shows it.
place() {
    local before=$shot
    rm -f "$BED_RUN/$1.png" "$BED_RUN/$1.prev.png"
    bed_reg_add "$KEY_DISPLAY" DeskTopFit REG_DWORD "$2" >/dev/null
    [[ $(probe send "$DESK_VIEW" UM_RELOADBACK | tr -d '\r') == 1 ]] || bed_failed "reload ($1)"
    wait_until 20 shown_differs "$before" "$1" || bed_failed "$1 was not shown"
}
# A large picture reaches the X server in bands: a new one counts once two screenshots in a
# row agree.
shown_differs() {
    local previous=$BED_RUN/$2.prev.png
    [[ -f $BED_RUN/$2.png ]] && cp "$BED_RUN/$2.png" "$previous"
    shot=$(bed_screenshot "$2")
    [[ -z $1 ]] || (($(desk_diff "$1" "$shot" 0 60 640 900) > 0)) || return 1
    [[ -f $previous ]] && (($(desk_diff "$previous" "$shot" 0 60 640 900) == 0))
}
# at NAME "X Y R G B" ...: each point of $shot is that colour, within $tol a channel.
at() {
    local name=$1 point got
    for point in "${@:2}"; do
        read -r x y want <<<"$point"
        got=$(bed_pixel "$shot" "$x" "$y")
        check "$name: ($x,$y) is $want, was $got" awk -v a="$got" -v b="$want" -v t="$tol" \
            'BEGIN { split(a, x); split(b, y); for (i = 1; i <= 3; i++) if ((x[i] - y[i])^2 > t^2) exit 1 }'
    done
}
# background_only NAME: the screenshot NAME (in $shot) shows the background colour alone
# left of the panels.
background_only() {
    shot=$(bed_screenshot "$1")
    (($(desk_count_other "$shot" 0 80 640 900 "$BACK") == 0))
}
# The overlay's text, as bounding boxes: white calendar text, yellow grid.
# Exact colours only: the edges of the glyphs blend with whatever lies under them.
overlay_boxes() {
    echo "$(bbox_of "$CALTEXT" 'rgb(255,255,255)') / $(bbox_of "$GRID" 'rgb(255,255,0)')"
}
# bbox_of "X Y W H" COLOUR: "LEFT TOP RIGHT BOTTOM" (region coordinates) of the pixels of
# exactly that colour in $shot, or "none". The black border keeps the trim off the edges.
bbox_of() {
    local x y w h
    read -r x y w h <<<"$1"
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -fill black +opaque "$2" \
        -fill white -opaque "$2" -bordercolor black -border 1 -format '%[fx:maxima] %@' info: |
        awk '$1 == 0 { print "none"; exit }
             { split($2, g, /[x+]/); l = g[3] - 1; t = g[4] - 1; print l, t, l + g[1] - 1, t + g[2] - 1 }'
}

RED='200 0 0' GREEN='0 200 0' BLUE='0 0 200'
shot=""
for picture in png jpg; do
    # The PNG's transparent strip shows the background; the JPEG is red up to its edge.
    tol=0 strip=$BACK
    [[ $picture == jpg ]] && tol=12 strip=$RED
    desk_reg_clock BackImage REG_SZ "$(bed_winpath "$data/photo.$picture")" >/dev/null
    place "stretch-$picture" 0
    [[ -n ${boxes:-} ]] || boxes=$(overlay_boxes)
    at "拉伸 $picture" "40 300 $strip" "300 200 $RED" "1000 100 $GREEN" "300 800 $BLUE"
    # 填充: 4.8 times, rows 37 to 262 of the picture shown.
    place "fill-$picture" 1
    at "填充 $picture" "40 300 $strip" "300 200 $RED" "1000 100 $GREEN" "300 800 $BLUE"
    # 适应: 3.6 times, x 240 to 1680; bars left and right. For the PNG, chosen on the page.
    if [[ $picture == png ]]; then
        before=$shot
        rm -f "$BED_RUN/fit-png.png" "$BED_RUN/fit-png.prev.png"
        sheet_open
        sheet_page 3 "$SHEET_SYSTEM"
        probe select-string "$SHEET_SYSTEM/@$IDC_SYSTEM_FIT" 适应 >/dev/null || fail "no 适应 to choose"
        sheet_close OK
        check_eq "the page stores 适应" 0x2 "$(sheet_reg "$KEY_DISPLAY" DeskTopFit)"
        wait_until 20 shown_differs "$before" fit-png || bed_failed "fit-png was not shown"
    else
        place "fit-$picture" 2
    fi
    at "适应 $picture" "100 540 $BACK" "400 200 $RED" "1000 100 $GREEN" "400 800 $BLUE"
    # 居中: at its size, (760,390)-(1160,690); points between the grid's columns.
    place "center-$picture" 3
    at "居中 $picture" "300 200 $BACK" "822 400 $RED" "1005 400 $GREEN" "822 680 $BLUE"
    check_eq "居中 $picture: the overlay where it was" "$boxes" "$(overlay_boxes)"
    # 平铺: 400x300 tiles from the top left.
    place "tile-$picture" 4
    at "平铺 $picture" "100 100 $RED" "100 250 $BLUE" "100 400 $RED" "1050 100 $GREEN"
    check_eq "平铺 $picture: the overlay where it was" "$boxes" "$(overlay_boxes)"
done
check "the overlay was drawn ($boxes)" test "${boxes#*none}" = "$boxes"

# The system page refuses the oversized PNG and says why; BackImage stays.
sheet_open
sheet_page 3 "$SHEET_SYSTEM"
sheet_choose_file "$SHEET_SYSTEM/@$IDC_SYSTEM_BITMAP" "$data/huge.png"
check "the page says the picture is too large" wait_until 10 sheet_msgbox_is lunavis '太大'
sheet_msgbox_answer lunavis IDOK
sheet_close CANCEL
check_eq "BackImage stays" "$(bed_winpath "$data/photo.jpg")" "$(sheet_reg "$KEY_CLOCK" BackImage)"

# Given to the desktop anyway, each bad file leaves the background colour.
place fill-again 1
for bad in huge.png cut.jpg empty.png folder.png; do
    desk_reg_clock BackImage REG_SZ "$(bed_winpath "$data/$bad")" >/dev/null
    probe send "$DESK_VIEW" UM_RELOADBACK >/dev/null
    check "$bad: the background colour" wait_until 20 background_only "bad-$bad"
    shot=$BED_RUN/bad-$bad.png # (check ran the wait in a subshell)
    # The next one must change the screen again to be seen.
    desk_reg_clock BackImage REG_SZ "$(bed_winpath "$data/photo.png")" >/dev/null
    place "good-after-$bad" 1
done
check "the shell is still running" bed_alive shell
bed_finish
