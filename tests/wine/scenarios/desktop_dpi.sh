#!/usr/bin/env bash
# A 3840x2160 screen at 96, 144 and 192 DPI (LogPixels, Wine restarted for each): the clock
# text and the grid's day numbers grow with the DPI (measured on the screenshots; a clipped
# day number would not), the day number stays clear of the lunar label below it, and the
# settings sheet's
# clock page shows its 字体 and 颜色 buttons whole, above the sheet's own buttons.
# timeout: 600
BED_SCREEN=${BED_SCREEN:-3840x2160}
BED_FAKETIME=${BED_FAKETIME:-"2027-01-15 10:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "app/$BED_HOOK_DLL"
bed_init

W=${BED_SCREEN%x*} H=${BED_SCREEN#*x}
bg='64 64 64'
CW=$((2 * W / 3 / 7))
RH=$((2 * W / 3 / 9))
room=$((H - 30 - H / 3))
((RH * 7 + RH / 3 > room)) && RH=$((3 * room / 22)) # January 2027 has six weeks
# Monday 4 January: column 1, grid row 2 (below the title row, a third of a row)
CELL="$((W / 3 + CW)) $((H / 3 + RH / 3 + 2 * RH)) $CW $RH"
CLOCK="$((2 * W / 3)) 0 $((W / 3)) $((H / 18))"

clock_drawn() {
    local shot
    shot=$(bed_screenshot .clock) || return 1
    (($(desk_count_where "$shot" $CLOCK "$DESK_WHITE") > 20))
}
# "FIRST-RUN-HEIGHT RUNS": the lines of text in a region (runs of rows holding the colour)
text_runs() {
    desk_pixels "$1" $2 $3 $4 $5 | awk -v w="$4" '
        { y = int((NR - 1) / w) }
        $1 > 200 && $2 > 200 && $3 < 80 { hit[y] = 1 }
        END { for (y = 0; y < '"$5"'; y++) {
                  if (hit[y] && !in_run) { runs++; in_run = 1; start = y }
                  if (!hit[y] && in_run) { in_run = 0; if (runs == 1) first = y - start } }
              if (in_run && runs == 1) first = '"$5"' - start
              print first + 0, runs + 0 }'
}
height_of() { # bbox height of what differs from the background in a region
    local l t r b
    read -r l t r b <<<"$(desk_bbox "$1" $2 $3 $4 $5 "$bg")"
    [[ $l == none ]] && echo 0 || echo $((b - t + 1))
}
inside() { # "L T R B" of an inner rectangle lies within the outer one
    local -a a=($1) b=($2)
    ((a[0] >= b[0] && a[1] >= b[1] && a[2] <= b[2] && a[3] <= b[3]))
}

declare -A clock_h day_h
for dpi in 96 144 192; do
    "$BED_WINESERVER" -k 2>/dev/null # the DPI is read when Wine starts
    timeout 30 "$BED_WINESERVER" -w
    logpixels=$(printf '"LogPixels"=dword:%08x' "$dpi")
    desk_reg_defaults 2 0x404040 "$BED_RUN/none.bmp" \
        '[HKEY_CURRENT_USER\Control Panel\Desktop]' "$logpixels" \
        '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]' \
        "$logpixels"
    "$BED_WINESERVER" -k 2>/dev/null # the import started Wine: start again at the new DPI
    timeout 30 "$BED_WINESERVER" -w
    bed_shell_start
    bed_start lunavis app/lunavis.exe
    wait_until 60 bed_shell_says 'view=1' subclassed || fail "$dpi dpi: not attached"
    wait_until 30 clock_drawn || fail "$dpi dpi: no clock text"
    shot=$(bed_screenshot "desktop-$dpi")
    clock_h[$dpi]=$(height_of "$shot" $CLOCK)
    read -r day_h[$dpi] runs <<<"$(text_runs "$shot" $CELL)"
    check "$dpi dpi: the day number and its lunar label are separate lines ($runs)" test "$runs" -ge 2

    sheet_open
    page=$(probe rect "$SHEET_CLOCK" | tr -d '\r')
    for id in IDC_CLOCK_FONT IDC_CLOCK_COLOR; do
        check "$dpi dpi: button $id within the clock page" inside \
            "$(probe rect "$SHEET_CLOCK/@${!id}" | tr -d '\r')" "$page"
    done
    read -r _ ok_top _ _ <<<"$(probe rect "$SHEET_OK" | tr -d '\r')"
    read -r _ _ _ page_bottom <<<"$page"
    check "$dpi dpi: the sheet's buttons below the page" test "$ok_top" -ge "$page_bottom"
    bed_screenshot "sheet-$dpi" >/dev/null
    sheet_close CANCEL
done

echo "clock text heights ${clock_h[96]} ${clock_h[144]} ${clock_h[192]}," \
    "day numbers ${day_h[96]} ${day_h[144]} ${day_h[192]}"
scaled() { # HEIGHT-AT-DPI HEIGHT-AT-96 PERCENT: within a sixth of the expected scale
    local want=$(($2 * $3)) got=$(($1 * 100))
    ((got * 6 >= want * 5 && got * 6 <= want * 7))
}
for dpi in 144 192; do
    percent=$((dpi * 100 / 96))
    check "clock text at $dpi dpi is $percent % of 96 dpi's" scaled "${clock_h[$dpi]}" "${clock_h[96]}" "$percent"
    check "day number at $dpi dpi is $percent % of 96 dpi's" scaled "${day_h[$dpi]}" "${day_h[96]}" "$percent"
done
bed_finish
