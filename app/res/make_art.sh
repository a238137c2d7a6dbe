#!/usr/bin/env bash
# Draws the program's art with ImageMagick.
#   make_art.sh              the icons, committed beside this script (run to change them)
#   make_art.sh back FILE    the default desktop picture, drawn by the build into its tree
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The default desktop: an evening sky from deep blue to pale teal, a few stars and a moon
# with a soft halo, above the month grid and left of the calendar text on 16:9 and 4:3
# screens alike. Drawn at 3840x2160 so that it is sharp on a 4K screen and only ever shrunk
# elsewhere; each row of the sky is one colour, which PNG packs small.
desktop() {
    local out=$1
    convert -size 3840x2160 gradient:'#14213d'-'#6fb3b8' \
        -fill '#ffffff' \
        -draw 'circle 410,220 413,220' -draw 'circle 1130,140 1132,140' \
        -draw 'circle 2550,420 2553,420' -draw 'circle 2270,180 2272,180' \
        -draw 'circle 640,520 642,520' -draw 'circle 3480,120 3483,120' \
        \( -size 960x540 xc:none -fill '#f4e9c180' -draw 'circle 432,92 432,149' \
           -blur 0x15 -resize 3840x2160 \) -composite \
        -fill '#f4e9c1' -draw 'circle 1730,370 1730,490' \
        -fill '#e6d8a8' -draw 'circle 1680,330 1680,352' -draw 'circle 1775,420 1775,435' \
        -alpha off -define png:compression-level=9 -type TrueColor "PNG24:$out"
}

if [[ ${1:-} == back ]]; then
    desktop "$2"
    exit 0
fi
cd "$here"

# A calendar page: a coloured header with two binder rings, a white sheet with a grid of
# days and one day marked. $1 = header colour, $2 = marked day colour, $3 = output.
page() {
    local header=$1 mark=$2 out=$3
    for s in 16 32 48; do
        local m=$((s / 16))           # margin
        local top=$((s * 3 / 16))     # top of the sheet
        local head=$((s * 7 / 16))    # bottom of the header band
        local cell=$(((s - 2 * m - 2) / 4))
        local radius=$((s / 8))
        local ring1=$((s * 5 / 16)) ring2=$((s * 11 / 16)) ringw=$((s / 16))
        local args=(-size "${s}x${s}" xc:none
            -fill '#00000040' -draw "roundrectangle $((m + 1)),$((top + 1)) $((s - m)),$((s - m)) $radius,$radius"
            -fill white -stroke '#5b6475' -strokewidth 1
            -draw "roundrectangle $m,$top $((s - m - 1)),$((s - m - 1)) $radius,$radius"
            -stroke none -fill "$header" -draw "rectangle $((m + 1)),$((top + 1)) $((s - m - 2)),$head"
            -fill '#3b4252'
            -draw "rectangle $ring1,$((s / 16)) $((ring1 + ringw)),$((s * 5 / 16))"
            -draw "rectangle $ring2,$((s / 16)) $((ring2 + ringw)),$((s * 5 / 16))")
        for row in 0 1 2; do
            for col in 0 1 2 3; do
                local x=$((m + 1 + col * cell + cell / 4))
                local y=$((head + 2 + row * cell * 3 / 4))
                local colour='#8a94a6'
                if [ "$row" = 1 ] && [ "$col" = 2 ]; then colour=$mark; fi
                args+=(-fill "$colour" -draw "rectangle $x,$y $((x + cell / 2)),$((y + cell / 3))")
            done
        done
        convert "${args[@]}" "$work/$s.png"
    done
    convert "$work/16.png" "$work/32.png" "$work/48.png" "$out"
}

page '#c0392b' '#c0392b' lunavis.ico   # icon 128: the program
page '#2e86c1' '#c0392b' sheet.ico     # icon 134: the notification icon and the sheet
